#include "args.h"

#include "cmdline.h"

namespace rovik {

namespace {
void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    size_t at;
    while ((at = s.find(from)) != std::string::npos) s.replace(at, from.size(), to);
}
}  // namespace

std::string translateArg(std::string arg) {
    for (char& c : arg)
        if (static_cast<unsigned char>(c) == 0xFA) c = ' ';
    replaceAll(arg, "/\\", "^");
    replaceAll(arg, "^^", "^");
    return arg;
}

bool needsResplit(const std::wstring& rawCommandLine) {
    return rawCommandLine.find(L"\\\"") != std::wstring::npos;
}

std::vector<std::wstring> resplit(const std::wstring& raw) {
    std::vector<std::wstring> items;
    size_t i = 0;
    const size_t n = raw.size();
    while (i < n) {
        while (i < n && raw[i] == L' ') ++i;
        if (i >= n) break;
        size_t end;
        if (raw[i] == L'"') {
            ++i;
            end = raw.find(L'"', i);
            if (end == std::wstring::npos) end = n;
            items.push_back(raw.substr(i, end - i));
        } else {
            end = raw.find(L' ', i);
            if (end == std::wstring::npos) end = n;
            items.push_back(raw.substr(i, end - i));
        }
        i = end + 1;  // past the closing quote or the blank
    }
    return items;
}

std::vector<std::string> preprocessWideArgs(const std::wstring& rawCommandLine,
                                            const std::function<std::string(const std::wstring&)>& narrow) {
    std::vector<std::string> out;
    if (needsResplit(rawCommandLine)) {
        for (const auto& item : resplit(rawCommandLine)) out.push_back(narrow(item));
        return out;
    }
    for (const auto& arg : splitCommandLine(rawCommandLine)) out.push_back(translateArg(narrow(arg)));
    return out;
}

}  // namespace rovik
