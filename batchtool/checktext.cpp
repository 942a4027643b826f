// Text rules of the exit-code tests; see checktext.h.
#include "checktext.h"

#include <cctype>
#include <cstdint>

#include "pathtext.h"

namespace rovik {

int32_t parseDecimal(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > INT64_C(0x100000000)) value = INT64_C(0x100000000);  // beyond every bound
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

std::optional<char> firstCharFound(const std::string& chars, const std::string& what) {
    for (char c : chars)
        if (what.find(c) != std::string::npos) return c;
    return std::nullopt;
}

std::string prepareTestedName(const std::string& name) {
    std::string result = name;
    while (result.size() > 1 && result.back() == '\r') result.pop_back();
    if (!result.empty() && result.back() == '"') result.back() = '\\';
    return stripTrailingSlash(result);
}

bool sameDirectory(const std::string& cwd, const std::string& path) {
    std::string current = stripTrailingSlash(cwd);
    std::string wanted = stripTrailingSlash(path);
    bool pathHasDrive = wanted.size() >= 2 && wanted[1] == ':';
    if (!pathHasDrive && current.size() >= 2 && current[1] == ':') current.erase(0, 2);
    return compareIgnoreCase(current, wanted) == 0;
}

}  // namespace rovik
