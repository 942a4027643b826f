// The start-up sequence: it runs when the main window is first shown and
// decides what the run does.
#pragma once

namespace vq {

struct AppState;

// Reads the options file and the command line, then ends the run at once
// (a usage error, -stuff, -gui:) or fills the main window: the history
// list, and the Edit box with the -exec text or the most recent command.
void startup(AppState& app);

}  // namespace vq
