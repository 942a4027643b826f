#include "history/history_lock.h"

#include <windows.h>

#include "support/files.h"

namespace vq {

std::string history_lock_path(const std::string& history) {
    return history + ".lock";
}

std::string history_lock_wait_text(const std::string& history) {
    return "waiting for \"" + history + "\", which another launcher is writing";
}

HistoryLock::HistoryLock(const std::string& history, unsigned wait_ms, const Waiting& waiting,
                         const Pause& pause) {
    const std::wstring path = file_api_name(history_lock_path(history));
    const DWORD start = GetTickCount();
    bool told = false;
    for (;;) {
        HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            handle_ = h;
            return;
        }
        // Held by another process, or still being deleted after its
        // holder let go: wait.  Anything else will not get better.
        const DWORD error = GetLastError();
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION)
            return;
        // What stands in the lock's place and no holder will ever let go of
        // (a directory, a read-only file), or access denied where nothing
        // stands (a directory we may not write into).
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES
                ? error == ERROR_ACCESS_DENIED && GetLastError() == ERROR_FILE_NOT_FOUND
                : (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
            return;
        const DWORD waited = GetTickCount() - start;
        if (wait_ms != forever && waited >= wait_ms) {
            timed_out_ = true;
            return;
        }
        if (!told && waited >= waiting_after_ms && waiting) {
            told = true;
            waiting();
        }
        if (!pause) {
            Sleep(15);
        } else if (!pause(15)) {
            given_up_ = true;
            return;
        }
    }
}

HistoryLock::~HistoryLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace vq
