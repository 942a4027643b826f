// A system library that the launcher loads only when a feature first needs
// it (the help window's rich-text views, the file dialog, the sound), so
// that a start which never uses the feature does not pay for loading it.
#pragma once

#include <windows.h>

namespace vq {

class SystemLibrary {
  public:
    // `file`: the library's file name, which is looked for in the system
    // directory only, never beside the program or in the current directory.
    explicit SystemLibrary(const char* file) : file_(file) {}
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // Loads the library unless it is loaded already; true when it is.  A
    // library that could not be loaded is tried again at the next call.
    // Once loaded it stays for the rest of the run: windows and calls of
    // it may exist until the process ends.
    bool load();

    // The library's function `name`, typed as F (write the declared
    // function's type, e.g. decltype(GetOpenFileNameA)); null when the
    // library or the function is missing.
    template <typename F>
    F* function(const char* name) {
        return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(find(name)));
    }

    const char* file() const { return file_; }

  private:
    FARPROC find(const char* name);

    const char* file_;
    HMODULE module_ = nullptr;
};

}  // namespace vq
