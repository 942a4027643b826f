// rovik: applies its modifiers, performs one operation and ends. Its texts
// are in the console's code page, the one the command interpreter reads
// batch files in.
#include <windows.h>

#include "args.h"
#include "casefold.h"
#include "codepage.h"
#include "driver.h"

int main() {
    rovik::installCaseTable(rovik::codePageCaseTable(rovik::consoleCodePage()));
    std::vector<std::string> args;
    try {
        args = rovik::preprocessWideArgs(GetCommandLineW(), rovik::fromWide);
    } catch (const rovik::UnrepresentableText& e) {
        rovik::reportUnrepresentable(stderr, e);
        return static_cast<int>(rovik::ExitCode::NoFile);
    }
    return static_cast<int>(rovik::runRovik(std::move(args)));
}
