// What the application object owns for the whole run: the options record
// with the delete words and the favorites, the three windows and the
// history list.  The start-up sequence and the close path are handed it.
#pragma once

#include <string>
#include <utility>

#include "gui/template_window.h"
#include "help/help_window.h"
#include "main/history_list.h"
#include "main/main_window.h"
#include "options/options.h"
#include "playvolume/play_volume.h"
#include "support/textlist.h"

namespace vq {

struct AppState {
    AppState(TForm1::Owner& owner, std::string options_file)
        : options_path(std::move(options_file)), form1(owner, options) {}

    Options options;
    const std::string options_path;  // vq.ini in the program directory
    TextList deletes;                // words whose history entries the load drops
    TextList favorites;              // key names of the options file's section "favorites"
    std::string comspec;             // the command interpreter, read at start-up
    MediaPlayer MediaPlayer1;        // plays the start-up sound
    TForm1 form1;
    Thelpf helpf;
    TformGui formGui;
    HistoryList history;
};

}  // namespace vq
