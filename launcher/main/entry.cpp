// Program entry of the launcher: create the main window, the help window
// and the file-template window, in that order, then run the message loop
// until the main window closes.  All work starts when the main window is
// first shown.
#include <windows.h>

#include "main/mainform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    static TForm1 form;
    Form1 = &form;
    if (!form.create(instance)) return 1;
    if (!create_helpf(instance) || !create_formgui(instance)) return 1;
    ShowWindow(form.handle, show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(form.handle);
    return run_message_loop();
}
