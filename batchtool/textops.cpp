#include "textops.h"

#include "text.h"

namespace rovik {

int32_t parseInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint32_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = magnitude * 10u + static_cast<uint32_t>(text[i] - '0');
    if (negative) magnitude = 0u - magnitude;
    return static_cast<int32_t>(magnitude);
}

// Unsigned arithmetic is defined modulo 2^32; the conversion back to int32_t
// is two's complement (guaranteed since C++20).
int32_t wrapAdd(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
int32_t wrapSub(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
int32_t wrapMul(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}

std::string selectPart(const std::string& value, std::optional<std::string> index,
                       std::optional<std::string> count) {
    std::string text = value;
    for (char& c : text)
        if (c == '_') c = ' ';
    // An empty index or count (an argument file without that line) counts
    // as absent: as a count it would otherwise cut the value away entirely.
    int64_t start = 0;
    if (index && !index->empty()) {
        start = parseInt(*index);
        if (start != 0) --start;
    }
    int64_t limit = 2000;
    if (count && !count->empty()) limit = parseInt(*count);
    if (start < 0 || start > static_cast<int64_t>(text.size())) return std::string();
    std::string result = text.substr(static_cast<size_t>(start));
    if (limit >= 0 && static_cast<int64_t>(result.size()) >= limit) result.resize(static_cast<size_t>(limit));
    return result;
}

MathResult calculate(const std::string& op, const std::string& a, const std::string& b) {
    int32_t x = parseInt(a);
    int32_t y = parseInt(b);
    MathResult r;
    switch (op.empty() ? '\0' : op[0]) {
        case '+':
            r.value = wrapAdd(x, y);
            break;
        case '-':
            r.value = wrapSub(x, y);
            break;
        case '*':
            r.value = wrapMul(x, y);
            break;
        case '/':
            if (y == 0) {
                r.status = MathStatus::DivideByZero;
            } else {
                // In 64 bits the one overflowing quotient (-2^31 / -1) is exact;
                // narrowing it wraps to -2^31.
                r.value = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(x) / y));
            }
            break;
        default:
            r.status = MathStatus::BadOperator;
            break;
    }
    return r;
}

std::string blankTranslate(const std::string& text) {
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (++i == text.size()) break;
            result += text[i];
        } else {
            result += c == '_' ? ' ' : c;
        }
    }
    return result;
}

std::optional<std::string> starFragment(const std::string& pattern, const std::string& foundName) {
    size_t star = pattern.find('*');
    if (star == std::string::npos) return std::nullopt;
    std::string head = pattern.substr(0, star);
    std::string tail = pattern.substr(star + 1);
    if (tail.empty()) return std::nullopt;

    // Name characters before the star: the head without its drive and
    // directory.
    size_t nameStart = head.size() >= 2 && head[1] == ':' ? 2 : 0;
    size_t sep = head.find_last_of("\\/");
    if (sep != std::string::npos && sep + 1 > nameStart) nameStart = sep + 1;
    size_t k = head.size() - nameStart;
    if (k > foundName.size()) return std::nullopt;

    // The search starts at k, so the fragment never begins after its end
    // (a tail that also occurs inside the head's part of the name is passed
    // over).
    std::string name = toUpper(foundName);
    size_t at = name.find(toUpper(tail), k);
    if (at == std::string::npos) return std::nullopt;
    return foundName.substr(k, at - k);
}

const char* const clearedVariables[13] = {
    "c~wd", "d~m", "d~d", "d~y", "d~rv", "d~ir", "f~il", "e~xt", "i~t", "t~a", "t~h", "t~m", "t~s",
};

}  // namespace rovik
