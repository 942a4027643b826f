// The child-process runner over CreateProcessA.
#include "code/process_runner.h"

#include <windows.h>

#include "support/program_lookup.h"
#include "support/textops.h"

namespace vq {

std::int32_t MSWINDOWS_exec(const std::string& application, const std::string& command_line, bool no_nil) {
    const bool hand_over = no_nil || (exists_unquoted(application) && !is_batch(application));
    // Process creation takes no quotes around the application name.
    const std::string name = unquote(application);
    std::string line = command_line;  // CreateProcessA may write into it
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(hand_over ? name.c_str() : nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return -1;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}

}  // namespace vq
