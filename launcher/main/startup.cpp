#include "main/startup.h"

#include "code/stuffhistory.h"
#include "code/usage.h"
#include "main/app_state.h"
#include "main/form.h"
#include "options/parseargs.h"
#include "support/files.h"

namespace vq {

void startup(AppState& app) {
    TForm1& form = app.form1;
    Options& options = app.options;

    form.comspec = get_env("comspec");
    if (form.comspec.empty()) form.comspec = "command.com";
    form.modalresult = mrCancel;
    app.deletes.clear();
    if (!getoptions(app.options_path, options, app.deletes, app.favorites)) {
        form.close();
        return;
    }
    if (!parseargs(command_args(), options, app.deletes)) form.cancelled = true;
    if (form.cancelled) {
        form.close();
        return;
    }
    form.set_checked(ID_Checkbox_Debug, options.bug);
    form.backpos = options.exec ? -1 : 0;

    if (!options.gui.empty()) {
        // A -gui: run neither loads nor saves the history, and ends here.
        form.set_checked(ID_CheckBox_DontSave, true);
        form.close();
        return;
    }
    if (!options.stuff.empty()) {
        // A -stuff run imports the captured history and ends, whether or
        // not the import went through.
        const std::string failure = stuffhistory(options);
        if (!failure.empty()) {
            showusage(command_args(), "%s", {failure});
            form.cancelled = true;
        }
        form.close();
        return;
    }

    app.history.loadhistory(form, options, app.deletes);
    if (form.cancelled || !form.handle()) return;
    if (options.exec) {
        // The -exec text with a blank on each side, the caret before it.
        form.getexectext();
        form.selectfirst();
        SetFocus(form.item(ID_Edit));
        form.exectext = " " + form.exectext + " ";
        form.set_edit_text(form.exectext);
        form.set_edit_selection(0, 0);
    } else {
        // The most recent command, wholly selected: Enter runs it again,
        // typing replaces it.
        form.selectfirst();
        form.takeselection();
    }
    if (options.beep > 0 && options.beepwav.empty()) MessageBeep(MB_ICONEXCLAMATION);
    if (options.ontoptime > 0) form.enable_ontop_timer();
}

}  // namespace vq
