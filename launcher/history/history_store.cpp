#include "history/history_store.h"

#include <windows.h>

#include <stdexcept>

#include "history/history_lock.h"
#include "support/codepage.h"
#include "support/files.h"
#include "support/temp_files.h"

namespace vq {

std::string read_history_bytes(const std::string& path, int* lacking_lines) {
    std::string bytes;
    switch (read_whole_file(path, bytes)) {
        case ReadResult::ok:
            return file_text_as_ansi(std::move(bytes), lacking_lines);
        case ReadResult::cannot_open:
            throw std::runtime_error("Cannot open file \"" + path + "\"");
        case ReadResult::cannot_read:
            break;
    }
    throw std::runtime_error("Cannot read file \"" + path + "\"");
}

std::string keep_unicode_copy(const std::string& path) {
    const size_t name_at = path.find_last_of("\\:") + 1;  // 0 without a directory
    size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < name_at) dot = path.size();
    const std::string stem = path.substr(0, dot), ext = path.substr(dot);
    for (int n = 1; n <= 100; ++n) {
        const std::string copy = stem + "-unicode" + (n > 1 ? "-" + std::to_string(n) : "") + ext;
        if (CopyFileA(path.c_str(), copy.c_str(), TRUE)) return copy;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return {};
}

namespace {

// True while the process runs (or may run: one we may not look at).
bool process_alive(DWORD pid) {
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool alive = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
    CloseHandle(h);
    return alive;
}

}  // namespace

int remove_stale_temps(const std::string& path) {
    const size_t cut = path.find_last_of("\\:");
    const std::string dir = cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
    const std::string legacy = legacy_temp_name(name);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(file_api_name(path + ".*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        char found[MAX_PATH * 2] = "";
        if (!WideCharToMultiByte(CP_ACP, 0, data.cFileName, -1, found, sizeof found, nullptr, nullptr)) continue;
        bool stale = false;
        if (const auto owner = temp_file_owner(name, found))
            stale = *owner != GetCurrentProcessId() && !process_alive(*owner);
        else
            // An older build names its file without its process; one that is
            // still being written is open and cannot be deleted.
            stale = CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, found, -1, legacy.c_str(), -1) == CSTR_EQUAL;
        if (stale && delete_file(dir + found)) ++removed;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return removed;
}

void remove_leftover_temps(const std::string& history) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(file_api_name(temp_files_pattern(history)).c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    FindClose(find);
    // A launcher that holds the lock now is saving, and cleans up itself.
    HistoryLock lock(history, 0);
    if (lock.held()) remove_stale_temps(history);
}

}  // namespace vq
