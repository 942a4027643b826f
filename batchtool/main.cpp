// rovik: applies its modifiers, performs one operation and ends.
#include <windows.h>

#include "args.h"
#include "driver.h"

int main(int argc, char** argv) {
    std::vector<std::string> runtimeArgs(argv, argv + argc);
    return static_cast<int>(rovik::runRovik(rovik::preprocessArgs(runtimeArgs, GetCommandLineA())));
}
