// Decoding of option values and key lists.
#include "options/inivalues.h"

namespace vq {

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::int32_t decode_int(const std::string& text, std::int32_t fallback) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    std::string body = text.substr(i);
    if (body.empty()) return fallback;

    bool hex = false;
    if (body[0] == '$') {
        hex = true;
        body.erase(0, 1);
    } else if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        hex = true;
        body.erase(0, 2);
    }
    if (body.empty()) return fallback;

    if (hex) {
        // Up to eight hex digits; values above 0x7FFFFFFF wrap as 32 bits.
        std::uint64_t value = 0;
        for (char c : body) {
            int d = hex_digit(c);
            if (d < 0) return fallback;
            value = value * 16 + static_cast<unsigned>(d);
            if (value > 0xFFFFFFFFull) return fallback;
        }
        auto bits = static_cast<std::uint32_t>(value);
        if (negative) bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }

    std::int64_t value = 0;
    for (char c : body) {
        if (c < '0' || c > '9') return fallback;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return fallback;
    }
    if (negative) value = -value;
    if (value > 2147483647LL || value < -2147483647LL - 1) return fallback;
    return static_cast<std::int32_t>(value);
}

bool decode_bool(const std::string& text, bool fallback) {
    return decode_int(text, fallback ? 1 : 0) != 0;
}

std::string decode_text(const std::string& text) {
    return text.size() > ini_text_limit ? text.substr(0, ini_text_limit) : text;
}

TextList split_key_list(const char* buffer, std::size_t size) {
    TextList keys;
    std::size_t i = 0;
    while (i < size && buffer[i] != '\0') {
        std::size_t start = i;
        while (i < size && buffer[i] != '\0') ++i;
        keys.emplace_back(buffer + start, i - start);
        ++i;  // the NUL after the name
    }
    return keys;
}

TextList split_comma_text(const std::string& whole) {
    // A NUL ends the text, as it would in a C string.
    const std::string text = whole.substr(0, whole.find('\0'));
    TextList items;
    auto blank = [](char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; };
    std::size_t i = 0, n = text.size();
    while (i < n && blank(text[i])) ++i;
    while (i < n) {
        std::string item;
        if (text[i] == '"') {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        item += '"';
                        i += 2;
                        continue;
                    }
                    ++i;  // closing quote
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i<n&& static_cast<unsigned char>(text[i])> ' ' && text[i] != ',') {
                item += text[i++];
            }
        }
        items.push_back(item);
        while (i < n && blank(text[i])) ++i;
        if (i < n && text[i] == ',') {
            if (i + 1 == n) items.emplace_back();  // a trailing comma ends in an empty item
            do {
                ++i;
            } while (i < n && blank(text[i]));
        }
    }
    return items;
}

}  // namespace vq
