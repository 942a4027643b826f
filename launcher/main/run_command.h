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

// An empty command (blanks only) keeps the window open; any other ends the
// run loop, and the close path saves it as the newest history line.
RunOutcome runcommand(AppState& app);

}  // namespace vq
