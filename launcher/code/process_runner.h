// Starting a child process without waiting for it.
#pragma once

#include <cstdint>
#include <string>

namespace vq {

// Starts `command_line` with the launcher's environment and current
// directory, closes the new process's handles at once and returns: 0 when
// it was started, -1 when not.  The application name (without its
// quotes) goes to process creation when `no_nil` is set, or when it names
// an existing file that is not a batch script; otherwise the program is
// taken from the start of the command line.
std::int32_t MSWINDOWS_exec(const std::string& application, const std::string& command_line, bool no_nil);

}  // namespace vq
