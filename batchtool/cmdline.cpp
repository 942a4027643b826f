#include "cmdline.h"

namespace rovik {

namespace {
bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}
}  // namespace

std::vector<std::wstring> splitCommandLine(const std::wstring& line) {
    std::vector<std::wstring> args;
    const size_t n = line.size();
    size_t i = 0;

    std::wstring program;
    if (i < n && line[i] == L'"') {
        size_t end = line.find(L'"', 1);
        if (end == std::wstring::npos) end = n;
        program = line.substr(1, end - 1);
        i = end < n ? end + 1 : n;
    }
    while (i < n && !isBlank(line[i])) program += line[i++];
    args.push_back(program);

    for (;;) {
        while (i < n && isBlank(line[i])) ++i;
        if (i >= n) break;
        std::wstring arg;
        bool quoted = false;
        while (i < n && (quoted || !isBlank(line[i]))) {
            if (line[i] == L'\\') {
                size_t slashes = 0;
                while (i < n && line[i] == L'\\') ++slashes, ++i;
                if (i < n && line[i] == L'"') {
                    arg.append(slashes / 2, L'\\');
                    if (slashes % 2 == 1) {
                        arg += L'"';
                        ++i;
                    }
                } else {
                    arg.append(slashes, L'\\');
                }
            } else if (line[i] == L'"') {
                if (quoted && i + 1 < n && line[i + 1] == L'"') {
                    arg += L'"';
                    quoted = false;
                    i += 2;
                } else {
                    quoted = !quoted;
                    ++i;
                }
            } else {
                arg += line[i++];
            }
        }
        args.push_back(arg);
    }
    return args;
}

}  // namespace rovik
