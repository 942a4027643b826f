// The history file on disk: reading it whole, and what killed saves left
// beside it.  It is written with replace_file (support/atomic_file.h).
#pragma once

#include <string>

namespace vq {

// Reads the whole file, in the ANSI code page (file_text_as_ansi: the lines
// of a file with a byte-order mark that hold a letter the ANSI code page
// lacks are left out, and counted in `lacking_lines` when given); throws
// std::runtime_error when it exists but cannot be read.
std::string read_history_bytes(const std::string& path, int* lacking_lines = nullptr);

// Before a history file that holds lines the ANSI code page cannot hold is
// written back without them: the file as it is, byte for byte, copied to
// the first free name of "NAME-unicode.EXT", "NAME-unicode-2.EXT", ...
// beside it.  Returns the copy's path; empty when no copy could be made.
std::string keep_unicode_copy(const std::string& path);

// Removes the temporary files beside `path` that no running process is
// writing: those of processes that have ended (a save that was killed) and
// an older build's file that nobody holds open.  Returns how many went.
int remove_stale_temps(const std::string& path);

// At start-up: when temporary files stand beside the history, those of
// ended processes go (under the lock, without waiting for it).
void remove_leftover_temps(const std::string& history);

}  // namespace vq
