// The launcher's one application object, created by the program entry.  It
// owns everything the run holds (AppState: the options record, the three
// windows and the history list), and it is what the main window calls at
// its first showing (the start-up sequence, startup.h) and at its close
// requests: the close path, here, which runs the Edit box's command
// (run_command.h) and saves the history.
#pragma once

#include <windows.h>

#include "main/app_state.h"
#include "main/main_window.h"

namespace vq {

class App : public TForm1::Owner {
  public:
    explicit App(HINSTANCE instance);

    // Creates the main window, the help window and the file-template
    // window, in that order, shows the main window and runs the message
    // loop until it closes.  Returns the exit code.
    int run(int show);

  protected:
    // What the run holds, for a program that shows the same windows and
    // starts differently (the start-up benchmark's floor).
    AppState& state() { return state_; }

  private:
    void on_first_show() override;
    // The close path.  With result value 1 the Edit box's command is run
    // (the run loop) and the history saved; with result value 2 the list is
    // saved only when it was changed and the user agrees.  Then cleanup.
    // False keeps the window open (a run that started nothing).
    bool on_close() override;
    void on_help() override;
    void dispatch(const MSG& msg) override;

    // A save on the way out, and a word to the user when it kept nothing.
    void save_or_tell();
    // The last step before the program ends: frees the delete words and
    // writes the version stamp into the options file.  The history entries
    // go with the window that owns them.
    void cleanup();

    HINSTANCE instance_;
    AppState state_;
};

}  // namespace vq
