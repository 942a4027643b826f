// Raw file handles: open, create and close.
#include <windows.h>

#include <algorithm>

#include "support/filehandle.h"

namespace vq {

namespace {
FileHandle from(HANDLE h) {
    return h == INVALID_HANDLE_VALUE ? no_file : reinterpret_cast<FileHandle>(h);
}
HANDLE to(FileHandle h) {
    return reinterpret_cast<HANDLE>(h);
}
}  // namespace

FileHandle open_read(const std::string& path) {
    return from(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle create_file(const std::string& path) {
    return from(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

FileHandle open_append(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) SetFilePointer(h, 0, nullptr, FILE_END);
    return from(h);
}

unsigned long write_whole(FileHandle handle, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
        DWORD wrote = 0;
        if (!WriteFile(to(handle), bytes.data(), chunk, &wrote, nullptr))
            return GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        if (wrote != chunk) return ERROR_DISK_FULL;
        bytes.remove_prefix(chunk);
    }
    return 0;
}

void close_handle(FileHandle& handle) {
    if (handle >= 0) CloseHandle(to(handle));
    handle = no_file;
}

}  // namespace vq
