// Leaving the main window.  Every close request reaches closedown through
// the window's close handler.
#pragma once

namespace vq {

struct AppState;

// With result value 1 the Edit box's command is run (the run loop) and the
// history saved; with result value 2 the list is saved only when it was
// changed and the user agrees.  Then cleanup.  False keeps the window open
// (a run that started nothing).
bool closedown(AppState& app);

// The last step before the program ends: frees the delete words and writes
// the version stamp into the options file.  The history entries go with the
// window that owns them.
void cleanup(AppState& app);

}  // namespace vq
