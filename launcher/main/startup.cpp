#include "main/startup.h"

#include "code/stuffhistory.h"
#include "code/usage.h"
#include "history/history_lock.h"
#include "history/history_store.h"
#include "main/app_state.h"
#include "main/form.h"
#include "options/parseargs.h"
#include "playvolume/play_volume.h"
#include "support/files.h"

namespace vq {

void startup(AppState& app) {
    TForm1& form = app.form1;
    Options& options = app.options;

    app.comspec = get_env("comspec");
    if (app.comspec.empty()) app.comspec = "command.com";
    form.requests().startup_result();
    app.deletes.clear();
    if (!getoptions(app.options_path, options, app.deletes, app.favorites)) {
        form.close();
        return;
    }
    form.set_favorites(app.favorites);
    if (!parseargs(command_args(), options, app.deletes)) form.requests().fail();
    if (form.requests().is_cancelled()) {
        form.close();
        return;
    }
    form.set_checked(ID_Checkbox_Debug, options.bug);
    form.start_back(options.exec);

    if (!options.gui.empty()) {
        // A -gui: run neither loads nor saves the history: the command comes
        // from the file-template window, or the run ends there.
        // The user sees the file-template window alone; the main window
        // comes back reduced.
        form.set_checked(ID_CheckBox_DontSave, true);
        ShowWindow(form.handle(), SW_HIDE);
        if (app.formGui.show_modal(options.gui, form.handle()) != mrOk) {
            form.close();
            return;
        }
        form.set_edit_text(app.formGui.command());
        form.show_reduced();
        ShowWindow(form.handle(), SW_SHOW);
        SetForegroundWindow(form.handle());
        SetFocus(form.item(ID_Edit));
        return;
    }
    if (!options.stuff.empty()) {
        // A -stuff run imports the captured history and ends, whether or
        // not the import went through.
        const std::string failure = stuffhistory(
            options.stuff, options.history, options.bug,
            [&form, &options] { form.show_status(history_lock_wait_text(options.history)); },
            [&form](unsigned ms) { return form.pause_answering(ms); });
        if (!failure.empty()) {
            showusage(command_args(), "%s", {failure});
            form.requests().fail();
        }
        form.close();
        return;
    }

    // The window is on the screen before the load, which shows its
    // progress in it.
    UpdateWindow(form.handle());
    app.history.loadhistory(form, options, app.deletes);
    if (form.requests().is_cancelled() || !form.handle()) return;
    remove_leftover_temps(options.history);
    if (options.exec) {
        // The -exec text with a blank on each side, the caret before it.
        form.getexectext();
        form.selectfirst();
        SetFocus(form.item(ID_Edit));
    } else {
        // The most recent command, wholly selected: Enter runs it again,
        // typing replaces it.
        form.selectfirst();
        form.takeselection();
    }
    startup_sound(app.MediaPlayer1, options.beep, options.beepwav);
    if (options.ontoptime > 0) form.enable_ontop_timer();
}

}  // namespace vq
