#include "support/atomic_file.h"

#include <windows.h>

#include "support/filehandle.h"
#include "support/files.h"
#include "support/temp_files.h"

namespace vq {

bool replace_file(const std::string& path, std::string_view bytes, unsigned long* error) {
    // The names in their long forms where they are long: a history that
    // can be read can be written, whatever the temporary file's name adds.
    const std::wstring target = file_api_name(path);
    const std::wstring temp = file_api_name(temp_path_beside(path, GetCurrentProcessId()));
    const auto fail = [error](DWORD code) {
        if (error) *error = code;
        return false;
    };
    const DWORD attrs = GetFileAttributesW(target.c_str());
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return fail(ERROR_ACCESS_DENIED);
    HANDLE h =
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return fail(GetLastError());
    // The first failure's code is the reason.
    DWORD code = 0;
    const auto step = [&code](bool ok, DWORD failure = 0) {
        if (!ok && code == 0) code = failure ? failure : GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
        return ok;
    };
    const DWORD written = write_whole(reinterpret_cast<FileHandle>(h), bytes);
    bool ok = step(written == 0, written);
    ok = step(FlushFileBuffers(h) != 0) && ok;
    ok = step(CloseHandle(h) != 0) && ok;
    if (ok)
        ok = step(MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
                  0);
    if (!ok) {
        DeleteFileW(temp.c_str());
        return fail(code);
    }
    return true;
}

}  // namespace vq
