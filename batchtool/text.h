// Small text helpers shared by rovik's operations. No platform calls.
// Letter case follows the table of the texts' code page (casetable.h).
#pragma once

#include <string>

#include "casetable.h"

namespace rovik {

inline char upperChar(char c) {
    return static_cast<char>(caseTable().upper[static_cast<unsigned char>(c)]);
}
inline char lowerChar(char c) {
    return static_cast<char>(caseTable().lower[static_cast<unsigned char>(c)]);
}

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

// Compares with letters folded to upper case; <0, 0 or >0 like strcmp.
inline int compareIgnoreCase(const std::string& a, const std::string& b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int ca = static_cast<unsigned char>(upperChar(a[i]));
        int cb = static_cast<unsigned char>(upperChar(b[i]));
        if (ca != cb) return ca - cb;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

inline bool startsWithIgnoreCase(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && compareIgnoreCase(text.substr(0, prefix.size()), prefix) == 0;
}

// Does text contain what, ignoring case? An empty what is never found.
inline bool containsIgnoreCase(const std::string& text, const std::string& what) {
    if (what.empty() || what.size() > text.size()) return false;
    for (size_t i = 0; i + what.size() <= text.size(); ++i)
        if (compareIgnoreCase(text.substr(i, what.size()), what) == 0) return true;
    return false;
}

}  // namespace rovik
