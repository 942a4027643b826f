#include "main/app.h"

#include "main/close_path.h"
#include "main/dialog_keys.h"
#include "main/startup.h"
#include "support/files.h"

namespace vq {

App::App(HINSTANCE instance) : options_path(program_file("vq.ini")), instance_(instance) {}

int App::run(int show) {
    if (!form1.create(instance_) || !helpf.create(instance_) || !formGui.create(instance_)) return 1;
    ShowWindow(form1.handle(), show == SW_HIDE ? SW_SHOWNORMAL : show);
    UpdateWindow(form1.handle());
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (route_dialog_key(form1.handle(), msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void App::on_first_show() {
    startup(*this);
}

bool App::on_close() {
    return closedown(*this);
}

}  // namespace vq
