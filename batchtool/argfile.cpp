#include "argfile.h"

#include <cstdlib>

namespace rovik {

namespace {
bool isNumberEnd(unsigned char c) { return c <= 32 || c >= 128; }
bool isSkippedBlank(unsigned char c) { return (c >= 1 && c <= 32 && c != '\n') || c >= 128; }
}  // namespace

long argLineNumber(const std::string& line) { return std::atol(line.c_str()); }

std::string argLineValue(const std::string& line) {
    size_t i = 0;
    while (i < line.size() && !isNumberEnd(static_cast<unsigned char>(line[i]))) ++i;
    while (i < line.size() && isSkippedBlank(static_cast<unsigned char>(line[i]))) ++i;
    return line.substr(i);
}

std::string readArgFrom(FILE* file, long k) {
    char buffer[argLineBuffer];
    rewind(file);
    while (fgets(buffer, sizeof buffer, file)) {
        std::string line = buffer;
        size_t lf = line.find('\n');
        if (lf != std::string::npos) line.resize(lf);
        if (argLineNumber(line) == k) return argLineValue(line);
    }
    return std::string();
}

}  // namespace rovik
