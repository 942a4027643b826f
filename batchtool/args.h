// Argument pre-processing: what happens to the command line before any
// option is looked at.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rovik {

// In place, for one argument: byte 250 becomes a blank, every "/\" becomes
// "^" (until none is left), and any run of carets becomes one caret. This
// lets a user type "^^" or "/\" where the command interpreter would swallow
// a single caret.
std::string translateArg(std::string arg);

// True when the raw command line holds a backslash right before a double
// quote, the case the runtime's own splitting gets wrong for directory names.
bool needsResplit(const std::wstring& rawCommandLine);

// Splits the raw command line again: blanks separate items, a quoted item
// runs to the next quote (backslashes are ordinary), a quote inside an
// unquoted item is ordinary, an unterminated item runs to the end.
std::vector<std::wstring> resplit(const std::wstring& rawCommandLine);

// The whole pre-processing of the wide command line as the process
// receives it: split as the C runtime splits it (cmdline.h) with each item
// taken into the program's code page by `narrow` and translated, or, when
// the line needs it, re-split and narrowed without translation.
std::vector<std::string> preprocessWideArgs(const std::wstring& rawCommandLine,
                                            const std::function<std::string(const std::wstring&)>& narrow);

}  // namespace rovik
