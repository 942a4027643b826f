#include "args.h"

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

bool needsResplit(const std::string& rawCommandLine) {
    return rawCommandLine.find("\\\"") != std::string::npos;
}

std::vector<std::string> resplit(const std::string& raw) {
    std::vector<std::string> items;
    size_t i = 0;
    const size_t n = raw.size();
    while (i < n) {
        while (i < n && raw[i] == ' ') ++i;
        if (i >= n) break;
        size_t end;
        if (raw[i] == '"') {
            ++i;
            end = raw.find('"', i);
            if (end == std::string::npos) end = n;
            items.push_back(raw.substr(i, end - i));
        } else {
            end = raw.find(' ', i);
            if (end == std::string::npos) end = n;
            items.push_back(raw.substr(i, end - i));
        }
        i = end + 1;  // past the closing quote or the blank
    }
    return items;
}

std::vector<std::string> preprocessArgs(const std::vector<std::string>& runtimeArgs,
                                        const std::string& rawCommandLine) {
    if (needsResplit(rawCommandLine)) return resplit(rawCommandLine);
    std::vector<std::string> out;
    out.reserve(runtimeArgs.size());
    for (const auto& a : runtimeArgs) out.push_back(translateArg(a));
    return out;
}

}  // namespace rovik
