#include "main/app.h"

#include "main/run_command.h"
#include "main/startup.h"
#include "support/files.h"
#include "support/messages.h"

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

void App::on_help() {
    state_.helpf.show();
}

// ---- the close path ----------------------------------------------------------

bool App::on_close() {
    TForm1& form = state_.form1;
    RequestGate& requests = form.requests();
    if (requests.runs_command()) {
        while (!requests.stop_requested()) {
            const RunOutcome r = runcommand(state_);
            if (r == RunOutcome::stay) return false;
            if (r == RunOutcome::done) break;
            if (!yesnof("Repeat?")) break;
        }
        if (!form.checked(ID_CheckBox_DontSave)) save_or_tell();
    } else {
        // With "Save anyway" the list counts as changed and the Edit text
        // may become its newest line; otherwise the Edit text is dropped.
        if (form.checked(ID_CheckBox_SaveJunk))
            requests.mark_changed();
        else
            form.set_edit_text("");
        if (requests.list_changed() && yesnof("Save list anyway?")) save_or_tell();
    }
    cleanup();
    return true;
}

void App::save_or_tell() {
    const SaveOutcome saved = state_.history.savehistory(state_.form1, state_.options);
    if (saved.kind == SaveOutcome::failed)
        errorf("Couldn't save the history in \"%s\": %s.", {state_.options.history, saved.reason});
    else if (saved.kind == SaveOutcome::given_up)
        infof("The history was not saved.");
}

void App::cleanup() {
    state_.deletes.clear();
    putoptions(state_.options_path, state_.form1);
}

}  // namespace vq
