// The program's own directory, file existence and the environment.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "support/files.h"
#include "support/codepage.h"
#include "support/long_path.h"
#include "support/textops.h"

namespace vq {

const std::string& program_dir() {
    static const std::string dir = [] {
        std::string path(MAX_PATH, '\0');
        for (;;) {
            DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
            if (n < path.size()) {
                path.resize(n);
                break;
            }
            path.resize(path.size() * 2);
        }
        return directory_of(path);
    }();
    return dir;
}

void in_program_dir(std::string& name) {
    if (is_bare_name(name)) name = program_dir() + name;
}

std::string program_file(const std::string& name) {
    std::string full = name;
    in_program_dir(full);
    return full;
}

void prefer_program_dir(std::string& name) {
    std::string full = program_file(name);
    if (file_exists(full)) name = full;
}

std::wstring file_api_name(const std::string& name) {
    const std::wstring wide = ansi_to_wide(name);
    if (wide.size() < long_path_from) return wide;
    std::wstring full(wide.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) return long_path_form(wide);
        if (n < full.size()) {
            full.resize(n);
            return long_path_form(full);
        }
        full.resize(n);
    }
}

bool file_exists(const std::string& name) {
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(file_api_name(name).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            found = true;
            break;
        }
    } while (FindNextFileW(h, &data));
    FindClose(h);
    return found;
}

bool directory_exists(const std::string& name) {
    if (name.empty()) return false;
    DWORD attributes = GetFileAttributesW(file_api_name(name).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool delete_file(const std::string& name) {
    return DeleteFileW(file_api_name(name).c_str()) != 0;
}

std::string get_env(const std::string& name) {
    std::string value(256, '\0');
    for (;;) {
        SetLastError(0);
        DWORD n = GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (n == 0) return {};
        if (n < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(n);  // n is the size needed, terminator included
    }
}

std::vector<std::string> command_args() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i] ? __argv[i] : "");
    return args;
}

ReadResult read_whole_file(const std::string& path, std::string& bytes) {
    bytes.clear();
    // Another process may write, replace or delete the file meanwhile.
    HANDLE h = CreateFileW(file_api_name(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ReadResult::cannot_open;
    // One buffer of the file's size (and a byte more, so that a file that
    // keeps its size is read by one call); a file that grows meanwhile
    // gets more room, and the reading goes on until the end is met.
    LARGE_INTEGER size{};
    size_t room = 65536;
    if (GetFileSizeEx(h, &size) && size.QuadPart >= 0 && size.QuadPart < (1LL << 40))
        room = static_cast<size_t>(size.QuadPart) + 1;
    size_t have = 0;
    try {
        bytes.resize(room);
        for (;;) {
            if (have == bytes.size()) bytes.resize(bytes.size() + bytes.size() / 2 + 65536);
            const size_t want = std::min<size_t>(bytes.size() - have, 1u << 30);
            DWORD got = 0;
            if (!ReadFile(h, bytes.data() + have, static_cast<DWORD>(want), &got, nullptr)) {
                const DWORD error = GetLastError();
                CloseHandle(h);
                bytes.clear();
                SetLastError(error);
                return ReadResult::cannot_read;
            }
            if (got == 0) break;
            have += got;
        }
    } catch (...) {
        CloseHandle(h);
        throw;
    }
    CloseHandle(h);
    bytes.resize(have);
    return ReadResult::ok;
}

}  // namespace vq
