// The debug mode's look at a command before it starts.
#pragma once

#include <windows.h>

#include <string>

namespace vq {

// Puts "MSWINDOWS_exec(application,command line)" on the clipboard (as
// plain text, owned by `owner`), reads it back and asks whether to start
// it, every ampersand doubled.  True when the user answers Yes.
bool confirm_exec(HWND owner, const std::string& application, const std::string& command_line);

}  // namespace vq
