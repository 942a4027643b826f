// Program entry of the launcher: the application object creates the main
// window, the help window and the file-template window, then runs the
// message loop until the main window closes.  All work starts when the main
// window is first shown.
#include <windows.h>

#include "main/app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    vq::App app(instance);
    return app.run(show);
}
