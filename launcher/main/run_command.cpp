#include "main/run_command.h"

#include <windows.h>

#include "code/process_runner.h"
#include "main/app_state.h"
#include "main/command_line.h"
#include "main/debug_confirm.h"
#include "main/form.h"
#include "support/command_words.h"
#include "support/messages.h"
#include "support/program_lookup.h"
#include "support/textops.h"

namespace vq {

namespace {

// A command that the ANSI code page cannot hold would start (and be stored)
// with other letters in place of these: a "?" among them is a wildcard to
// the command interpreter.
void refuse_lacking_letters(const std::vector<std::wstring>& letters) {
    std::wstring named;
    for (const auto& letter : letters) named += (named.empty() ? L"" : L" ") + letter;
    error_wide(L"The command holds letters that the ANSI code page lacks: " + named +
               L"\r\nIt was not run; change them and press Enter again.");
}

}  // namespace

RunOutcome runcommand(AppState& app) {
    TForm1& form = app.form1;
    const Options& options = app.options;

    const AnsiText typed = form.edit_text_checked();
    if (!typed.exact()) {
        refuse_lacking_letters(typed.lacking);
        return RunOutcome::stay;
    }
    const std::string command = vq::trim_blanks(typed.text);
    if (command.empty()) return RunOutcome::stay;
    std::string word, rest;
    split_command(command, word, rest);
    const ProgramClass program = resolveprogram(
        vq::unquote(word), options.builtin_list,
        [](const std::string& name) { return x_in_path(name, false); }, exists_unquoted);
    if (!program.found && !yesnof("Couldn't find \"%s\"; go ahead?", {program.program}))
        return RunOutcome::stay;

    const bool repeat_key = form.checked(ID_CheckBox_WaitExec);
    const StartPlan plan = plan_start(command, rest, program, app.comspec, options.vqargs, repeat_key);
    if (options.bug && !confirm_exec(form.handle(), plan.application, plan.command_line))
        return RunOutcome::done;

    // "Don't save" holds for this save as well as for the one after the run
    // loop.  What could not be saved the user learns before the command
    // starts; a wait that the user gave up starts nothing.
    if (!form.checked(ID_CheckBox_DontSave)) {
        const SaveOutcome saved = app.history.savehistory(form, options);
        if (saved.kind == SaveOutcome::given_up) {
            infof("The history was not saved, and the command was not run:\r\n%s", {command});
            return RunOutcome::done;
        }
        if (saved.kind == SaveOutcome::failed)
            errorf("Couldn't save the history in \"%s\": %s.\r\nThe command is run, but it is not in the "
                   "history:\r\n%s",
                   {options.history, saved.reason, command});
    }
    form.disable_ontop_timer();
    MSWINDOWS_exec(plan.application, plan.command_line, options.no_nil);
    // A negative pause from the options file would be taken as days.
    if (options.apres_exec > 0) Sleep(static_cast<DWORD>(options.apres_exec));
    return repeat_key && !plan.repeat_script ? RunOutcome::askrepeat : RunOutcome::done;
}

}  // namespace vq
