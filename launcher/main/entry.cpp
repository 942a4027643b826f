// Program entry of the launcher: the application object creates the main
// window, the help window and the file-template window, then runs the
// message loop until the main window closes.  All work starts when the main
// window is first shown.
#include <windows.h>

#include <cstdlib>

#include "main/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    vq::App app(instance);
    return app.run(show);
}

// A window program has no console for the standard library's verbose
// report of an uncaught exception, and that report links in a symbol
// demangler of some 50 KB. Ending at once is all such a program can do.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
