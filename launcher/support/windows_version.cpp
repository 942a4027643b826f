// The platform's version through GetVersionExA.
#include "support/windows_version.h"

#include <windows.h>

namespace vq {

bool old_windows() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return true;
    return info.dwMajorVersion < 5;
}

bool modern_windows() {
    return !old_windows();
}

}  // namespace vq
