// Which Windows the launcher runs on, as far as batch files care: from
// Windows 2000 on (major version 5), ".cmd" files are batch scripts too.
#pragma once

namespace vq {

// True when the version cannot be read or its major version is below 5.
bool old_windows();
// Not old_windows.
bool modern_windows();

}  // namespace vq
