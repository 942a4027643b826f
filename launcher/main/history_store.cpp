#include "main/history_store.h"

#include <windows.h>

#include <stdexcept>

#include "main/history_temp.h"
#include "support/codepage.h"
#include "support/files.h"

namespace vq {

std::string read_history_bytes(const std::string& path) {
    std::string bytes;
    switch (read_whole_file(path, bytes)) {
        case ReadResult::ok:
            return file_text_as_ansi(std::move(bytes));
        case ReadResult::cannot_open:
            throw std::runtime_error("Cannot open file \"" + path + "\"");
        case ReadResult::cannot_read:
            break;
    }
    throw std::runtime_error("Cannot read file \"" + path + "\"");
}

bool replace_history_file(const std::string& path, const std::string& bytes) {
    const DWORD attrs = GetFileAttributesA(path.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::string temp = history_temp_path(path, GetCurrentProcessId());
    HANDLE h =
        CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    size_t done = 0;
    while (ok && done < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(bytes.size() - done > (1u << 20) ? (1u << 20) : bytes.size() - done);
        DWORD wrote = 0;
        ok = WriteFile(h, bytes.data() + done, chunk, &wrote, nullptr) && wrote == chunk;
        done += wrote;
    }
    ok = FlushFileBuffers(h) && ok;
    ok = CloseHandle(h) && ok;
    if (ok)
        ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
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
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((path + ".*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string found = data.cFileName;
        bool stale = false;
        if (const auto owner = history_temp_owner(name, found))
            stale = *owner != GetCurrentProcessId() && !process_alive(*owner);
        else
            // An older build names its file without its process; one that is
            // still being written is open and cannot be deleted.
            stale = CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, found.c_str(), -1, legacy.c_str(), -1) ==
                    CSTR_EQUAL;
        if (stale && DeleteFileA((dir + found).c_str())) ++removed;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return removed;
}

}  // namespace vq
