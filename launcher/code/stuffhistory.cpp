// The -stuff import: the captured lines appended to the history file.
#include "code/stuffhistory.h"

#include <windows.h>

#include <optional>

#include "main/history_lock.h"
#include "main/history_store.h"
#include "support/codepage.h"
#include "support/filehandle.h"
#include "support/files.h"
#include "support/hprintf.h"

namespace vq {

namespace {

// The history file open for reading and writing, created when missing;
// -1 when neither works.
FileHandle open_or_create(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? no_file : reinterpret_cast<FileHandle>(h);
}

bool seek_to_end(FileHandle handle) {
    LARGE_INTEGER zero{};
    return SetFilePointerEx(reinterpret_cast<HANDLE>(handle), zero, nullptr, FILE_END) != 0;
}

// Appends the captured lines; false when any of them was not written whole.
// The console wrote them in its own (OEM) code page; the history is ANSI.
bool append_lines(FileHandle captured, FileHandle history) {
    bool all_written = true;
    std::string line;
    for (bool more = true; more;) {
        more = read_line(captured, line);
        if (line.empty() || line.front() == ';') continue;
        const std::string text = oem_to_ansi(line);
        if (hprintf(history, "%s\r\n", {text}) != static_cast<int>(text.size() + 2)) all_written = false;
    }
    return all_written;
}

}  // namespace

std::string stuffhistory(const Options& options) {
    std::string outcome;
    FileHandle captured = open_read(options.stuff);
    FileHandle history = no_file;
    // A launcher saving meanwhile would move its copy over these lines.
    std::optional<HistoryLock> lock;
    if (captured >= 0) {
        lock.emplace(options.history);
        if (lock->held()) remove_stale_temps(options.history);
    }
    if (captured < 0) {
        outcome = sformat("Couldn't open \"%s\" for read", {options.stuff});
    } else if ((history = open_or_create(options.history)) < 0) {
        outcome = sformat("Couldn't open \"%s\" for append or create", {options.history});
    } else if (!seek_to_end(history)) {
        outcome = sformat("Couldn't seek to end of \"%s\"", {options.history});
    } else {
        const bool all_written = append_lines(captured, history);
        close_handle(captured);
        // What did not reach the history stays in the captured file.
        if (!options.bug && all_written) delete_file(options.stuff);
    }
    close_handle(captured);
    close_handle(history);
    return outcome;
}

}  // namespace vq
