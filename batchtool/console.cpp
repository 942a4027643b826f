#include "console.h"

#include <conio.h>
#include <windows.h>

namespace rovik {

namespace {
bool isConsoleHandle(DWORD which) {
    DWORD mode;
    HANDLE h = GetStdHandle(which);
    return h != nullptr && h != INVALID_HANDLE_VALUE && GetConsoleMode(h, &mode);
}
}  // namespace

bool stdoutIsConsole() {
    return isConsoleHandle(STD_OUTPUT_HANDLE);
}

bool stdinIsConsole() {
    return isConsoleHandle(STD_INPUT_HANDLE);
}

int readKey() {
    if (!stdinIsConsole()) return -1;
    return _getch();
}

}  // namespace rovik
