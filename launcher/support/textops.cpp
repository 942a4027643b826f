// Text helpers with their deliberate bounds (255 and 10000 characters).
#include "support/textops.h"

#include <cstdint>

namespace vq {

namespace {

// Copy of up to `count` characters from 1-based `index` (index below 1 is
// taken as 1); empty beyond the end.
std::string copy(const std::string& s, int index, int count) {
    if (index < 1) index = 1;
    if (count <= 0 || static_cast<std::size_t>(index) > s.size()) return {};
    return s.substr(static_cast<std::size_t>(index - 1), static_cast<std::size_t>(count));
}

}  // namespace

char char_at(const std::string& text, int pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size()) return '\0';
    return text[static_cast<std::size_t>(pos - 1)];
}

std::string char_from_end(const std::string& text, int n) {
    // n is checked against the length before any arithmetic: no n can
    // overflow the position.
    if (n < 1 || static_cast<std::size_t>(n) > text.size()) return std::string(1, '\0');
    return std::string(1, text[text.size() - static_cast<std::size_t>(n)]);
}

int pos_from(const std::string& pattern, int start, const std::string& text) {
    if (pattern.empty()) return 0;
    if (start < 1) start = 1;
    std::string window = copy(text, start, 255);
    auto at = window.find(pattern);
    if (at == std::string::npos) return 0;
    return start + static_cast<int>(at);
}

void delete_char(std::string& text, int pos) {
    if (pos < 1 || static_cast<std::size_t>(pos) > text.size()) return;
    text = copy(text, 1, pos - 1) + copy(text, pos + 1, 255);
}

void insert_char(std::string& text, int pos, char c) {
    if (pos < 1) pos = 1;
    text = copy(text, 1, pos - 1) + c + copy(text, pos, 10000);
}

std::string unquote(const std::string& text) {
    std::string s = text;
    if (!s.empty() && s.front() == '"') s = copy(s, 2, 10000);
    if (!s.empty() && s.back() == '"') s.pop_back();
    for (;;) {
        auto at = s.find("\"\"");
        if (at == std::string::npos) break;
        delete_char(s, static_cast<int>(at) + 1);
    }
    return s;
}

std::string quote_arg(const std::string& text, bool only_if_needed) {
    if (only_if_needed && text.find(' ') == std::string::npos && (text.empty() || text.front() != '"')) {
        return text;
    }
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

std::string double_amp(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += '&';
        out += c;
    }
    return out;
}

std::int32_t parse_int(const std::string& text) {
    std::uint32_t value = 0;  // wraps like 32-bit arithmetic
    bool negative = false;
    for (char c : text) {
        if (c == ' ') continue;
        if (c == '-') {
            negative = true;
            continue;
        }
        if (c < '0' || c > '9') break;
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

void clamp(std::int32_t low, std::int32_t high, std::int32_t& value) {
    if (value < low) value = low;
    if (value > high) value = high;
}

void strip_backslash(std::string& text) {
    if (!text.empty() && text.back() == '\\') text.pop_back();
}

void add_backslash(std::string& text) {
    strip_backslash(text);
    text += '\\';
}

bool is_bare_name(const std::string& name) {
    return !name.empty() && name.find_first_of("\\:") == std::string::npos;
}

std::string directory_of(const std::string& file_path) {
    auto at = file_path.find_last_of("\\:");
    std::string dir = at == std::string::npos ? std::string() : file_path.substr(0, at + 1);
    add_backslash(dir);
    return dir;
}

std::string trim_blanks(const std::string& text) {
    return std::string(trim_blanks_view(text));
}

std::string_view trim_blanks_view(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
    return text.substr(b, e - b);
}

std::string ascii_lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace vq
