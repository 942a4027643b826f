// The options file's value decoding over random values: integers (decimal,
// "$" and "0x" hexadecimal, signs, junk), booleans, long texts, the
// NUL-separated key lists and the builtins comma text. Checked:
//  - decode_int agrees with the C++ library's number reading of the same
//    rules, and junk gives the default whatever the default is;
//  - decode_text keeps the first 2047 characters;
//  - the key list gives back the names the buffer holds, in order;
//  - items written as comma text (each quoted, or bare where that is safe)
//    split back into the same items.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "options/inivalues.h"

using namespace vq;

namespace {

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "option values: %s: [%s]\n", what, text.c_str());
    std::abort();
}

// The number a value holds, or none for junk.
std::optional<int32_t> numberOf(const std::string& text) {
    size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
    std::string body = text.substr(i);
    int base = 10;
    if (!body.empty() && body[0] == '$') {
        base = 16;
        body.erase(0, 1);
    } else if (body.size() > 2 && body[0] == '0' && (body[1] == 'x' || body[1] == 'X')) {
        base = 16;
        body.erase(0, 2);
    }
    if (body.empty() || body[0] == '-' || body[0] == '+') return std::nullopt;
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value, base);
    if (error != std::errc() || end != body.data() + body.size()) return std::nullopt;
    if (base == 16) {
        if (value > 0xFFFFFFFFull) return std::nullopt;
        const uint32_t bits = static_cast<uint32_t>(value);
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    if (value > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value));
}

void numbers(const std::string& text, int32_t fallback) {
    const std::optional<int32_t> want = numberOf(text);
    if (decode_int(text, fallback) != want.value_or(fallback)) fail("decode_int", text);
    if (decode_bool(text, false) != (want.value_or(0) != 0)) fail("decode_bool", text);
    if (decode_bool(text, true) != (want.value_or(1) != 0)) fail("decode_bool", text);
    const std::string cut = decode_text(text);
    if (cut != text.substr(0, ini_text_limit)) fail("decode_text", text);
}

void keyList(const std::string& buffer) {
    const TextList keys = split_key_list(buffer.data(), buffer.size());
    std::string again;
    for (const auto& k : keys) {
        if (k.empty() || k.find('\0') != std::string::npos)
            fail("key list holds an empty or cut name", buffer);
        again += k;
        again += '\0';
    }
    // The names and their NULs are the buffer's start (the last NUL may be
    // missing when the buffer ends in a name).
    if ((buffer + '\0').compare(0, again.size(), again) != 0)
        fail("key list differs from the buffer", buffer);
}

void commaText(FuzzedDataProvider& in) {
    TextList items;
    std::string quoted, bare;
    bool bareIsSafe = true;
    const int count = in.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        std::string item = in.ConsumeRandomLengthString(16);
        item = item.substr(0, item.find('\0'));  // a NUL ends the text
        if (i > 0) {
            quoted += in.ConsumeBool() ? "," : " , ";
            bare += ',';
        }
        quoted += '"';
        for (char c : item) {
            if (c == '"') quoted += '"';
            quoted += c;
        }
        quoted += '"';
        bare += item;
        if (item.empty() || item[0] == '"' || item.find_first_of(", ") != std::string::npos ||
            std::any_of(item.begin(), item.end(),
                        [](char c) { return static_cast<unsigned char>(c) <= ' '; }))
            bareIsSafe = false;
        items.push_back(item);
    }
    if (split_comma_text(quoted) != items) fail("quoted comma text", quoted);
    if (bareIsSafe && split_comma_text(bare) != items) fail("bare comma text", bare);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0:
            commaText(in);
            break;
        case 1:
            keyList(in.ConsumeRemainingBytesAsString());
            break;
        case 2:
            split_comma_text(in.ConsumeRemainingBytesAsString());
            break;
        default: {
            const int32_t fallback = in.ConsumeIntegral<int32_t>();
            numbers(in.ConsumeRemainingBytesAsString(), fallback);
        }
    }
    return 0;
}
