// The usage display: the options in seven sections, paged on a console.
#pragma once

#include "driver.h"

namespace rovik {

// Lists the arguments it did not like (to standard error), prints the usage
// and ends the run with exit code 17.
[[noreturn]] void showUsage(Run& run);

}  // namespace rovik
