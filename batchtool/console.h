// The console as rovik uses it: is there one, and reading single keys.
#pragma once

namespace rovik {

// True when standard output is a console screen (not a file, pipe or NUL).
bool stdoutIsConsole();
// True when standard input is a console keyboard that can be waited on.
bool stdinIsConsole();
// Reads one key without echo and without waiting for Enter; -1 when there
// is no console to read from.
int readKey();

}  // namespace rovik
