// The start-up sequence's roads that other parts of the launcher take over:
// the import of a captured history (-stuff), the file-template window
// (-gui:), the start-up sound and the on-top timer.  Each is optional; an
// empty one is skipped (the -gui: road then ends like an unconfirmed
// file-template window).
#pragma once

#include <functional>
#include <string>

struct StartupRoads {
    // -stuff: append the captured history to the history file.
    std::function<void()> stuffhistory;
    // -gui:: show the file-template window modally; returns true when it was
    // confirmed and hands back the text of its Edit_What box.
    std::function<bool(std::string& command)> show_template;
    // -gui: confirmed: hide the other history controls, move Checkbox_Debug
    // and check CheckBox_WaitExec (reduce_main_window does the rest).
    std::function<void()> reduce_window;
    // Start-up sound from a wave file at a volume (percent).
    std::function<void(const std::string& wav, int volume)> play_at_volume;
    // Enables the on-top timer.
    std::function<void()> start_ontop_timer;
    // Checkbox_Debug follows `bug`; restore-exec button becomes visible.
    std::function<void(bool)> set_debug_box;
    std::function<void()> show_restoreexec;
};
extern StartupRoads startup_roads;

// The -gui: window: the history controls hidden, the window 150 pixels
// high and twice as wide.
void reduce_main_window();

// The text after the first "-exec" on the raw command line (at most 5000
// characters), trimmed of blanks at both ends; empty when there is none.
std::string exec_text_of(const std::string& command_line);
