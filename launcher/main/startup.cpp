// The start-up sequence: runs on the first showing of the main window and
// takes one of four roads (usage error, import, file template, history).
#include "main/startup.h"

#include "main/history_lists.h"
#include "main/mainform.h"
#include "options/options.h"
#include "support/files.h"
#include "support/textlist.h"

StartupRoads startup_roads;

std::string exec_text_of(const std::string& command_line) {
    const size_t at = command_line.find("-exec");
    if (at == std::string::npos) return {};
    return ::trim_blanks(command_line.substr(at + 5, 5000));
}

void reduce_main_window() {
    TForm1& f = *Form1;
    for (HWND c : {f.ListBox, f.BitBtn_Find, f.CheckBox_DontSave})
        if (c) ShowWindow(c, SW_HIDE);
    if (startup_roads.reduce_window) startup_roads.reduce_window();
    RECT r;
    GetWindowRect(f.handle, &r);
    SetWindowPos(f.handle, nullptr, 0, 0, 2 * (r.right - r.left), 150,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void startup() {
    TForm1& f = *Form1;
    if (f.startup_done) return;
    f.startup_done = true;

    f.comspec = get_env("comspec");
    if (f.comspec.empty()) f.comspec = "command.com";
    f.modalresult = mrCancel;
    deletes = new_list();

    options_hooks.status = [](const std::string& text) {
        // Painted at once: the caller sleeps right after, with no message loop.
        if (Form1) {
            Form1->set_status(text);
            if (Form1->Label_stat) UpdateWindow(Form1->Label_stat);
        }
    };
    if (!getoptions()) {
        f.close();
        return;
    }
    if (!parseargs() || cancelled) {
        f.close();
        return;
    }
    if (startup_roads.set_debug_box) startup_roads.set_debug_box(options.bug);
    f.backpos = options.exec ? -1 : 0;

    if (!options.gui.empty()) {
        // The file-template window: on OK its command waits in the reduced
        // window for confirmation; the history is neither loaded nor saved.
        SendMessageA(f.CheckBox_DontSave, BM_SETCHECK, BST_CHECKED, 0);
        std::string command;
        if (startup_roads.show_template && startup_roads.show_template(command)) {
            f.set_edit_text(command);
            reduce_main_window();
        } else {
            f.close();
        }
        return;
    }
    if (!options.stuff.empty()) {
        if (startup_roads.stuffhistory) startup_roads.stuffhistory();
        f.close();
        return;
    }

    loadhistory();
    if (cancelled || !f.handle) return;
    if (options.exec) {
        f.exectext = exec_text_of(GetCommandLineA());
        f.set_edit_text(f.exectext);
        if (startup_roads.show_restoreexec) startup_roads.show_restoreexec();
        f.selectfirst();
        SetFocus(f.Edit);
        f.exectext = " " + f.exectext + " ";
        f.set_edit_text(f.exectext);
        f.set_edit_selection(0, 0);
    } else {
        f.selectfirst();
        f.takeselection();
    }
    if (options.beep > 0) {
        if (!options.beepwav.empty() && startup_roads.play_at_volume)
            startup_roads.play_at_volume(options.beepwav, options.beep);
        else if (options.beepwav.empty())
            MessageBeep(MB_ICONEXCLAMATION);
    }
    if (options.ontoptime > 0 && startup_roads.start_ontop_timer) startup_roads.start_ontop_timer();
}
