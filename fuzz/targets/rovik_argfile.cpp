// The argument file of -argv over random file bytes (NUL bytes, lone CR,
// lines longer than the line buffer). The first input byte picks the
// argument number asked for. Whatever the file holds, a value is a piece of
// one line: no line feed in it, shorter than the line buffer, not starting
// with a blank, and, when not empty, the end of some line numbered k.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "argfile.h"

namespace {

[[noreturn]] void fail(const char* what, long k, const std::string& value) {
    std::fprintf(stderr, "argument file: %s (argument %ld, value \"%s\")\n", what, k, value.c_str());
    std::abort();
}

bool isSkippedBlank(unsigned char c) {
    return (c >= 1 && c <= 32 && c != '\n') || c >= 128;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // Numbers -2 .. 13: the ones files hold, and a few no line can have.
    const long k = static_cast<long>(data[0] % 16) - 2;
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    FILE* f = fmemopen(bytes.data(), bytes.size(), "r");
    if (!f) return 0;
    const std::string value = rovik::readArgFrom(f, k);
    // A second read starts from the top again and gives the same.
    if (rovik::readArgFrom(f, k) != value) fail("second read differs", k, value);
    std::fclose(f);

    if (value.find('\n') != std::string::npos) fail("line feed in the value", k, value);
    if (value.size() >= rovik::argLineBuffer) fail("value longer than the line buffer", k, value);
    if (!value.empty() && isSkippedBlank(static_cast<unsigned char>(value[0])))
        fail("value starts with a blank", k, value);
    if (!value.empty() && bytes.find(value) == std::string::npos) fail("value is not in the file", k, value);
    // The value is the end of its line, so reading that line gives it back.
    const std::string line = std::to_string(k) + " " + value;
    if (!value.empty() && rovik::argLineValue(line) != value) fail("value does not read back", k, value);
    return 0;
}
