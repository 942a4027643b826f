// The close handler of the main window and the hooks through which the
// command runner plugs into it.
#pragma once

#include <functional>

enum class RunOutcome { stay, done, askrepeat };

// One attempt to run the Edit box's command.  Until a runner is installed,
// a run request only keeps the history: a non-empty command ends the run
// loop (and is saved as the newest line), an empty one keeps the window open.
extern std::function<RunOutcome()> runcommand_hook;

// Frees the list's entry objects and `deletes`, and writes the version
// stamp into the options file.
void cleanup();

// A close request that arrives while the close handler runs (during one of
// its questions) only ends the run loop.
void close_requested_during_closedown();
