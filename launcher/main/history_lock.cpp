#include "main/history_lock.h"

#include <windows.h>

namespace vq {

std::string history_lock_path(const std::string& history) {
    return history + ".lock";
}

HistoryLock::HistoryLock(const std::string& history, unsigned wait_ms) {
    const std::string path = history_lock_path(history);
    const DWORD start = GetTickCount();
    for (;;) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
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
        // Access denied where no lock file stands: a directory we may not
        // write into.
        if (error == ERROR_ACCESS_DENIED && GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES &&
            GetLastError() == ERROR_FILE_NOT_FOUND)
            return;
        if (GetTickCount() - start >= wait_ms) {
            timed_out_ = true;
            return;
        }
        Sleep(15);
    }
}

HistoryLock::~HistoryLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace vq
