// The texts of the two batch scripts that the launcher keeps beside its
// program file, and the rule that decides when they are written again.
#pragma once

#include <string>

namespace vq {

// History-capture script: appends the console's command history to the
// history file (its path in double quotes).
std::string history_capture_script(const std::string& history);

// Repeat-loop script: runs its arguments as a command, asks `batch` with
// the arguments "_", "yn" and the prompt words, and runs the command again
// while that program ends with exit code 0.  A `batch` path holding a blank
// is written in double quotes.
std::string repeat_loop_script(const std::string& batch);

// True when the version stamp read from the options file is this build's:
// existing scripts are then left as they are.
bool scripts_current(const std::string& version);

}  // namespace vq
