// Identifiers of the launcher's own resources.
#pragma once

#define IDI_VQ 1  // the program's icon
