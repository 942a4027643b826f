#include "history/history_lock.h"

#include <windows.h>

namespace vq {

std::string history_lock_path(const std::string& history) {
    return history + ".lock";
}

std::string history_lock_wait_text(const std::string& history) {
    return "waiting for \"" + history + "\", which another launcher is writing";
}

HistoryLock::HistoryLock(const std::string& history, unsigned wait_ms, const Waiting& waiting) {
    const std::string path = history_lock_path(history);
    const DWORD start = GetTickCount();
    bool told = false;
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
        // Access denied where no lock file stands (a directory we may not
        // write into), or where a read-only one stands, which no holder
        // will ever let go of.
        if (error == ERROR_ACCESS_DENIED) {
            const DWORD attributes = GetFileAttributesA(path.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() == ERROR_FILE_NOT_FOUND
                                                      : (attributes & FILE_ATTRIBUTE_READONLY) != 0)
                return;
        }
        const DWORD waited = GetTickCount() - start;
        if (wait_ms != forever && waited >= wait_ms) {
            timed_out_ = true;
            return;
        }
        if (!told && waited >= waiting_after_ms && waiting) {
            told = true;
            waiting();
        }
        Sleep(15);
    }
}

HistoryLock::~HistoryLock() {
    if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace vq
