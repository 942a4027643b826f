// The command line split into arguments the way the C runtime splits it for
// main: rovik reads its wide command line itself, so that its arguments can
// be taken into the console code page instead of the ANSI one.
#pragma once

#include <string>
#include <vector>

namespace rovik {

// The program token ends at the next blank or tab, or, when it starts with a
// double quote, at the next double quote (backslashes are ordinary there).
// Later arguments are separated by blanks and tabs; a double quote switches
// quoting on and off; 2n backslashes before a double quote give n
// backslashes and the quote switches, 2n+1 give n backslashes and a literal
// quote; other backslashes are ordinary; two double quotes inside quotes
// give one literal quote and end the quoting.
std::vector<std::wstring> splitCommandLine(const std::wstring& line);

}  // namespace rovik
