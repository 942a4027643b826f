// The launcher's one application object, created by the program entry.  It
// owns everything the run holds (AppState: the options record, the three
// windows and the history list), and it is what the main window calls at
// its first showing (the start-up sequence, startup.h) and at its close
// requests (the close path, close_path.h).
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
    bool on_close() override;
    void on_help() override;
    void dispatch(const MSG& msg) override;

    HINSTANCE instance_;
    AppState state_;
};

}  // namespace vq
