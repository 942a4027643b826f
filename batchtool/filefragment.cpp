// -xct / -Xct: the part of a found file's name that stands where the
// pattern has its "*".
#include <windows.h>

#include <optional>
#include <string>

#include "casefold.h"
#include "operations.h"
#include "textops.h"

namespace rovik {

namespace {

// The name of the first ordinary file matching pattern: directories,
// hidden and system files are passed over.
std::optional<std::string> firstOrdinaryFile(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::string> found;
    do {
        const DWORD skip = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
        if (!(data.dwFileAttributes & skip)) found = std::string(data.cFileName);
    } while (!found && FindNextFileA(h, &data));
    FindClose(h);
    return found;
}

}  // namespace

int opXct(Run& run, const OpCall& call) {
    std::optional<std::string> pattern = run.arg(call.pos + 1);
    if (!pattern) return 1;  // no pattern matches nothing
    std::optional<std::string> name = firstOrdinaryFile(*pattern);
    if (!name) return 1;
    std::optional<std::string> fragment = starFragment(*pattern, *name);
    if (!fragment) return 1;
    std::string text = *fragment;
    if (!text.empty()) {
        // The letters are folded with the system's mapping for the locale.
        lowerLocale(text);
        if (call.text == "Xct") upperFirstLocale(text);
    }
    run.emitSet("XCT", text);
    return 0;
}

}  // namespace rovik
