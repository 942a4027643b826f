// The launcher's settings record, the options file vq.ini beside the
// program that fills it, and the data directory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "support/build_stamp.h"
#include "support/status_display.h"
#include "support/textlist.h"

namespace vq {

struct Options {
    std::string stuff;                  // file to import (-stuff)
    bool exec = false;                  // -exec was given
    std::string history;                // history file, used as written
    std::int32_t max = 400;             // most history entries kept
    std::int32_t length = 10;           // shorter entries are discarded
    std::int32_t leave_short = 5;       // newest entries exempt from `length`
    bool leave_1 = false;               // keep one-character entries
    bool bug = false;                   // debug mode
    bool no_nil = false;                // always pass the application name
    bool no_fix = false;                // read and kept
    std::string x = "x.bat";            // history-capture script
    std::string vqargs = "vqargs.bat";  // repeat-loop script
    std::string batch = "batch.exe";    // asks "Again?" in the repeat loop
    std::string version;                // stamp last written by putoptions
    std::string builtins = "dir,type,copy,del";
    std::optional<TextList> builtin_list;  // words of `builtins`, lower case
    std::int32_t apres_exec = 500;         // ms to wait after starting
    std::int32_t beep = 50;                // start-up sound volume percentage
    std::string beepwav;                   // start-up sound file; empty: beep
    std::string gui;                       // text after -gui:
    std::int32_t widepercent = 75;         // widened window, % of screen
    std::int32_t ontoptime = 5;            // 100 ms ticks of pulling the window to the front
};

// The data directory: APPDATA when it is an existing directory, else
// "c:\Documents and Settings" when that exists, else the program directory;
// always ending in a backslash.
std::string data_dir();

// Fills `options`, `deletes` and `favorites` from the options file at
// `path`, writes the history-capture and repeat-loop scripts beside it
// when they are missing or the stamp changed, and builds builtin_list.  False only when there is no options
// file path at all.
bool getoptions(const std::string& path, Options& options, TextList& deletes, TextList& favorites);
// Writes "version" = build_stamp into section "vq": three attempts with
// "putoptions failures: %d" shown between them and 500 ms waits, then an
// error box.
void putoptions(const std::string& path, StatusDisplay& status);

}  // namespace vq
