// The launcher's one application object, created by the program entry.  It
// owns the options record, the three windows and the history list, and
// hands them to the start-up sequence (startup.h) and the close path
// (close_path.h), which the main window calls through it.
#pragma once

#include <windows.h>

#include <string>

#include "gui/template_window.h"
#include "help/help_window.h"
#include "main/history_list.h"
#include "main/main_window.h"
#include "options/options.h"
#include "support/textlist.h"

namespace vq {

class App : public TForm1::Owner {
  public:
    explicit App(HINSTANCE instance);

    // Creates the main window, the help window and the file-template
    // window, in that order, shows the main window and runs the message
    // loop until it closes.  Returns the exit code.
    int run(int show);

    Options options;
    const std::string options_path;  // vq.ini in the program directory
    TextList deletes;                // words whose history entries the load drops
    TextList favorites;              // key names of the options file's section "favorites"
    TForm1 form1{*this};
    Thelpf helpf;
    TformGui formGui;
    HistoryList history;

  private:
    void on_first_show() override;
    bool on_close() override;

    HINSTANCE instance_;
};

}  // namespace vq
