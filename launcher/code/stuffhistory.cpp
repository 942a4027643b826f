// The -stuff import: the captured lines appended to the history file.
#include "code/stuffhistory.h"

#include <windows.h>

#include <vector>

#include "history/history_store.h"
#include "history/import_lines.h"
#include "support/atomic_file.h"
#include "support/codepage.h"
#include "support/filehandle.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/system_error.h"
#include "support/text_lines.h"

namespace vq {

namespace {

// The captured file's lines as the history takes them.
struct CapturedLines {
    std::string text;  // to append, each line ended by CR LF
    // Lines not taken, as written: they hold a letter that the ANSI code
    // page lacks.  What stays of the captured file: them alone, in its own
    // encoding.
    std::vector<std::wstring> kept;
    std::string rest;
};

// A file with a byte-order mark (UTF-16 from PowerShell's redirection, or
// UTF-8) is read as it says; any other was written by the console in its
// own (OEM) code page.  Each line goes into the ANSI code page exactly or
// not at all.
CapturedLines captured_lines(const std::string& bytes) {
    CapturedLines captured;
    const ByteOrderMark mark = byte_order_mark(bytes);
    const bool oem = mark.encoding == TextEncoding::code_page;
    const std::wstring wide = oem ? oem_to_wide(bytes) : marked_text_to_wide(bytes, mark);
    std::wstring_view line;
    std::wstring rest;
    for (std::wstring_view lines = wide; next_line(lines, line);) {
        if (const auto ansi = wide_to_ansi_exact(line)) {
            append_import_lines(*ansi, captured.text);
        } else if (!line.empty() && line.front() != L';') {  // a line the import skips is not kept either
            captured.kept.emplace_back(line);
            rest.append(line).append(L"\r\n");
        }
    }
    if (!captured.kept.empty())
        captured.rest = oem ? wide_to_oem(rest) : marked_text_from_wide(rest, mark.encoding);
    return captured;
}

// The history file open for reading and writing, created when missing;
// -1 when neither works.
FileHandle open_or_create(const std::string& path) {
    HANDLE h = CreateFileW(file_api_name(path).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return h == INVALID_HANDLE_VALUE ? no_file : reinterpret_cast<FileHandle>(h);
}

// The last byte of the file (empty for an empty file), and the position at
// its end (`end`); false when the end cannot be reached.
bool seek_to_end(FileHandle handle, std::string& last, LARGE_INTEGER& end) {
    const HANDLE h = reinterpret_cast<HANDLE>(handle);
    LARGE_INTEGER back{}, none{};
    back.QuadPart = -1;
    last.clear();
    if (SetFilePointerEx(h, back, nullptr, FILE_END)) {
        char c = 0;
        DWORD got = 0;
        if (ReadFile(h, &c, 1, &got, nullptr) && got == 1) last.assign(1, c);
    }
    return SetFilePointerEx(h, none, &end, FILE_END) != 0;
}

// Appends the bytes whole, or cuts the file back to its old end (`end`):
// a full disk leaves no part of a line behind.  0, or the system's error
// code.
DWORD append_whole(FileHandle handle, std::string_view bytes, LARGE_INTEGER end) {
    const HANDLE h = reinterpret_cast<HANDLE>(handle);
    DWORD error = write_whole(handle, bytes);
    if (!error && !FlushFileBuffers(h)) error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
    if (error) {
        SetFilePointerEx(h, end, nullptr, FILE_BEGIN);
        SetEndOfFile(h);
        FlushFileBuffers(h);
    }
    return error;
}

}  // namespace

std::string stuffhistory(const std::string& stuff, const std::string& history_path, bool bug,
                         const HistoryLock::Waiting& waiting, const HistoryLock::Pause& pause) {
    std::string bytes;
    if (read_whole_file(stuff, bytes) != ReadResult::ok)
        return sformat("Couldn't open \"%s\" for read", {stuff});
    const CapturedLines captured = captured_lines(bytes);

    std::string outcome;
    DWORD write_error = 0;
    bool given_up = false;
    {
        // A launcher saving meanwhile would move its copy over these lines.
        HistoryLock lock(history_path, HistoryLock::forever, waiting, pause);
        given_up = lock.given_up();
        if (lock.held()) remove_stale_temps(history_path);
        FileHandle history = given_up ? no_file : open_or_create(history_path);
        std::string last;
        LARGE_INTEGER end{};
        if (given_up) {
            // The user ended the wait: nothing is imported, the captured
            // file stays.
        } else if (history < 0) {
            outcome = sformat("Couldn't open \"%s\" for append or create", {history_path});
        } else if (!seek_to_end(history, last, end)) {
            outcome = sformat("Couldn't seek to end of \"%s\"", {history_path});
        } else if (!captured.text.empty()) {
            write_error = append_whole(history, std::string(line_end_before_append(last)) + captured.text, end);
        }
        close_handle(history);
    }
    // The boxes wait for the user only now that the others may go on.
    if (write_error)
        errorf("Couldn't add the lines of \"%s\" to \"%s\": %s.\r\nNothing was added; \"%s\" is kept for the "
               "next try.",
               {stuff, history_path, system_error_text(write_error), stuff});
    if (!captured.kept.empty())
        error_wide(ansi_to_wide(sformat("%d lines of \"%s\" hold letters that the ANSI code page lacks: they "
                                        "were not imported, and stay in the file.  The first:\r\n",
                                        {static_cast<int>(captured.kept.size()), stuff})) +
                   captured.kept.front());
    // What did not reach the history stays in the captured file, and
    // nothing else: a second import adds nothing twice.
    if (outcome.empty() && !given_up && !write_error && !bug) {
        if (captured.kept.empty())
            delete_file(stuff);
        else
            replace_file(stuff, captured.rest);
    }
    return outcome;
}

}  // namespace vq
