#include "support/system_library.h"

#include <string>

namespace vq {

bool SystemLibrary::load() {
    if (module_) return true;
    // The full path in the system directory: a library of the same name
    // beside the program or in the current directory is not taken.
    char dir[MAX_PATH];
    const UINT n = GetSystemDirectoryA(dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    std::string path(dir, n);
    if (path.back() != '\\') path += '\\';
    path += file_;
    module_ = LoadLibraryA(path.c_str());
    return module_ != nullptr;
}

FARPROC SystemLibrary::find(const char* name) {
    if (!load()) return nullptr;
    return GetProcAddress(module_, name);
}

}  // namespace vq
