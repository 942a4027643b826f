// rovik's code page layer on the host: texts are bytes already, files open
// with fopen and the environment is the process's own.
#include <cstdlib>

#include "codepage.h"

namespace rovik {

FILE* openFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

std::optional<std::string> environmentVariable(const std::string& name) {
    if (const char* value = std::getenv(name.c_str())) return std::string(value);
    return std::nullopt;
}

}  // namespace rovik
