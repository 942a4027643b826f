// The command text that -exec hands to the Edit box, taken from the raw
// command line.
#pragma once

#include <string>

namespace vq {

// The text after the first "-exec" that follows the program name on the
// raw command line (at most 5000 characters), trimmed of blanks at both
// ends; empty when there is none.  The same on the wide command line,
// which holds every letter the user gave.
std::string exec_text_of(const std::string& command_line);
std::wstring exec_text_of(const std::wstring& command_line);

}  // namespace vq
