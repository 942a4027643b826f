#include "main/app.h"

#include "main/close_path.h"
#include "main/startup.h"
#include "support/files.h"

namespace vq {

App::App(HINSTANCE instance) : instance_(instance), state_(*this, program_file("vq.ini")) {}

int App::run(int show) {
    TForm1& form1 = state_.form1;
    if (!form1.create(instance_) || !state_.helpf.create(instance_) || !state_.formGui.create(instance_))
        return 1;
    // Not painted here: start-up, posted by the showing, comes first and
    // decides what the window shows (on the -gui: road it hides it).
    ShowWindow(form1.handle(), show == SW_HIDE ? SW_SHOWNORMAL : show);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void App::dispatch(const MSG& msg) {
    if (state_.helpf.preview_key(msg) || state_.form1.preview_key(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

void App::on_first_show() {
    startup(state_);
}

bool App::on_close() {
    return closedown(state_);
}

void App::on_help() {
    state_.helpf.show();
}

}  // namespace vq
