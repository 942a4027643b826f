#include "main/close_path.h"

#include "main/app_state.h"
#include "main/form.h"
#include "main/run_command.h"
#include "support/messages.h"

namespace vq {

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
        if (!form.checked(ID_CheckBox_DontSave)) app.history.savehistory(form, app.options);
    } else {
        // With "Save anyway" the list counts as changed and the Edit text
        // may become its newest line; otherwise the Edit text is dropped.
        if (form.checked(ID_CheckBox_SaveJunk))
            requests.mark_changed();
        else
            form.set_edit_text("");
        if (requests.list_changed() && yesnof("Save list anyway?")) app.history.savehistory(form, app.options);
    }
    cleanup(app);
    return true;
}

void cleanup(AppState& app) {
    app.deletes.clear();
    putoptions(app.options_path, app.form1);
}

}  // namespace vq
