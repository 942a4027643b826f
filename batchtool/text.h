// Small text helpers shared by rovik's operations. No platform calls.
#pragma once

#include <cctype>
#include <string>

namespace rovik {

inline char upperChar(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }
inline char lowerChar(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

inline bool equalsIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upperChar(a[i]) != upperChar(b[i])) return false;
    return true;
}

inline std::string toUpper(std::string s) {
    for (char& c : s) c = upperChar(c);
    return s;
}

inline std::string toLower(std::string s) {
    for (char& c : s) c = lowerChar(c);
    return s;
}

}  // namespace rovik
