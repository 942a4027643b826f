// The launcher's settings: the options file vq.ini beside the program, the
// data directory, and the command line that amends them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/textlist.h"

// Compiled into the program: shown in the usage text and stored as
// "version" in the options file at every close.
inline constexpr const char* build_stamp = "1/14/2015 13:27:45";

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
    std::int32_t ontoptime = 5;            // Timer_OnTop ticks to stay in front
};

// The one options record of the program.
extern Options options;
// Words whose history entries are dropped at load. Created by startup
// (deletes = new_list()), filled by getoptions and parseargs, freed by cleanup.
extern std::unique_ptr<TextList> deletes;
// Set by every start-up error and by Cancel; never cleared.
extern bool cancelled;
// Key names of the options file's section "favorites", in file order.
extern TextList favorites;

// Places where getoptions/putoptions reach the main window and the steps
// built elsewhere. Each is optional; an empty function is skipped.
struct OptionsHooks {
    // Label_stat text (putoptions failures).
    std::function<void(const std::string&)> status;
    // Favorites read (step 6): fill ListBox_Favorites, show BitBtn_Favorites
    // exactly when the list is not empty.
    std::function<void(const TextList&)> favorites_loaded;
    // Step 9: write the generated scripts (makebats).
    std::function<void()> makebats;
};
extern OptionsHooks options_hooks;

// Path of the options file: "vq.ini" in the program directory.
const std::string& options_path();
// Test seam: use another options file (empty: back to the default).
void set_options_path(const std::string& path);

// The data directory: APPDATA when it is an existing directory, else
// "c:\Documents and Settings" when that exists, else the program directory;
// always ending in a backslash.
std::string data_dir();

// Fills `options`, `deletes` (created when absent) and `favorites` from the
// options file, writes the generated scripts and builds builtin_list.
// False only when the options file could not be opened at all.
bool getoptions();
// Writes "version" = build_stamp into section "vq": three attempts with
// "putoptions failures: %d" and 500 ms between them, then an error box.
void putoptions();

// Parses the process arguments into `options` and `deletes`. False means an
// error was shown with the usage text and the program must end.
bool parseargs();
// The same over explicit arguments (args[0] is the program name and is
// never examined). Messages still show the process arguments (command_args).
bool parseargs(const std::vector<std::string>& args);
