#include "main/close_path.h"

#include "main/app_state.h"
#include "main/form.h"
#include "main/run_command.h"
#include "support/messages.h"

namespace vq {

namespace {

// A save on the way out, and a word to the user when it kept nothing.
void save_or_tell(AppState& app) {
    const SaveOutcome saved = app.history.savehistory(app.form1, app.options);
    if (saved.kind == SaveOutcome::failed)
        errorf("Couldn't save the history in \"%s\": %s.", {app.options.history, saved.reason});
    else if (saved.kind == SaveOutcome::given_up)
        infof("The history was not saved.");
}

}  // namespace

bool closedown(AppState& app) {
    TForm1& form = app.form1;
    RequestGate& requests = form.requests();
    if (requests.runs_command()) {
        while (!requests.stop_requested()) {
            const RunOutcome r = runcommand(app);
            if (r == RunOutcome::stay) return false;
            if (r == RunOutcome::done) break;
            if (!yesnof("Repeat?")) break;
        }
        if (!form.checked(ID_CheckBox_DontSave)) save_or_tell(app);
    } else {
        // With "Save anyway" the list counts as changed and the Edit text
        // may become its newest line; otherwise the Edit text is dropped.
        if (form.checked(ID_CheckBox_SaveJunk))
            requests.mark_changed();
        else
            form.set_edit_text("");
        if (requests.list_changed() && yesnof("Save list anyway?")) save_or_tell(app);
    }
    cleanup(app);
    return true;
}

void cleanup(AppState& app) {
    app.deletes.clear();
    putoptions(app.options_path, app.form1);
}

}  // namespace vq
