// The history file on disk: reading it whole, and replacing it in one step
// so that a crash or a kill during a save never leaves it half written.
#pragma once

#include <string>

namespace vq {

// Reads the whole file, in the ANSI code page (file_text_as_ansi); throws
// std::runtime_error when it exists but cannot be read.
std::string read_history_bytes(const std::string& path);

// Writes the bytes to a temporary file beside `path` (named after this
// process, history_temp_path) and moves it over `path` in one step.  A read-only history file is left unchanged and the
// write fails.  False on any failure (the temporary file is removed).
bool replace_history_file(const std::string& path, const std::string& bytes);

// Removes the temporary files beside `path` that no running process is
// writing: those of processes that have ended (a save that was killed) and
// an older build's file that nobody holds open.  Returns how many went.
int remove_stale_temps(const std::string& path);

}  // namespace vq
