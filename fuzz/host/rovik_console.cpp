// rovik's console on the host: there is none, as in a batch run whose
// output goes to a file and whose input is not a keyboard.
#include "console.h"

namespace rovik {

bool stdoutIsConsole() {
    return false;
}

bool stdinIsConsole() {
    return false;
}

int readKey() {
    return -1;
}

}  // namespace rovik
