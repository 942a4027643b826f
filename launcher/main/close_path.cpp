// Leaving the main window: with result 1 the command is run and the
// history saved; with result 2 the list is saved only when it was changed
// and the user agrees.  Then everything is freed and the program ends.
#include "main/close_path.h"

#include "main/history_lists.h"
#include "main/mainform.h"
#include "options/options.h"
#include "support/messages.h"

namespace {

bool stoprun = false;

RunOutcome keep_history_only() {
    return ::trim_blanks(Form1->edit_text()).empty() ? RunOutcome::stay : RunOutcome::done;
}

bool checked(HWND box) {
    return box && SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Returns false when the window must stay open.
bool closedown() {
    TForm1& f = *Form1;
    if (f.modalresult == mrOk) {
        while (!stoprun) {
            const RunOutcome r = runcommand_hook ? runcommand_hook() : keep_history_only();
            if (r == RunOutcome::stay) return false;
            if (r == RunOutcome::done) break;
            if (!yesnof("Repeat?")) break;
        }
        if (!checked(f.CheckBox_DontSave)) savehistory();
    } else {
        // Without "Save anyway" the Edit text must not become a history line.
        f.set_edit_text("");
        if (f.changed && yesnof("Save list anyway?")) savehistory();
    }
    cleanup();
    return true;
}

}  // namespace

std::function<RunOutcome()> runcommand_hook;

void cleanup() {
    deletes.reset();
    TForm1& f = *Form1;
    if (f.ListBox) {
        const int n = f.item_count();
        for (int i = 0; i < n; ++i) {
            delete f.item_entry(i);
            SendMessageA(f.ListBox, LB_SETITEMDATA, i, 0);
        }
    }
    putoptions();
}

void close_requested_during_closedown() {
    stoprun = true;
}

void FormClose(bool& keep_open) {
    stoprun = false;
    keep_open = !closedown();
}
