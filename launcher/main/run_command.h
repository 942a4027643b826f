// One attempt to run the Edit box's command, from the close path's run
// loop.
#pragma once

namespace vq {

struct AppState;

enum class RunOutcome {
    stay,       // the window stays open, nothing was started
    done,       // the run loop ends
    askrepeat,  // a command was started: ask whether to run it again
};

// Trims the Edit box's command, resolves its first word on the search path
// (asking when it is not found), starts it directly, through the command
// interpreter or through the repeat-loop script (in debug mode after a
// confirmation that also puts the command on the clipboard), saves the
// history and waits `apres_exec` milliseconds.  An empty command, or No to
// the not-found question, keeps the window open.
RunOutcome runcommand(AppState& app);

}  // namespace vq
