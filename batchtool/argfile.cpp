#include "argfile.h"

#include <cstdlib>

namespace rovik {

namespace {
bool isNumberEnd(unsigned char c) {
    return c <= 32 || c >= 128;
}
bool isSkippedBlank(unsigned char c) {
    return (c >= 1 && c <= 32 && c != '\n') || c >= 128;
}
// The white space the number reader passes over before the number.
bool isNumberLead(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
}  // namespace

long argLineNumber(const std::string& line) {
    return std::atol(line.c_str());
}

std::string argLineValue(const std::string& line) {
    size_t i = 0;
    // Blanks before the number (an indented line) belong to neither the
    // number nor the value: "   1  short" gives "short" like "1  short".
    while (i < line.size() && isNumberLead(static_cast<unsigned char>(line[i]))) ++i;
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
