// The key that history texts are matched by is the locale's own sort key
// ignoring case, byte for byte as the ANSI mapping gives it: equal keys mean
// the same command for the load exactly when they did before.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "history/locale_key.h"

namespace {

std::string ansi_key(const std::string& text) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const char* src = text.empty() ? "" : text.data();
    const int len = text.empty() ? -1 : static_cast<int>(text.size());
    const int need = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, len, nullptr, 0);
    std::string key(static_cast<size_t>(need > 0 ? need : 0), '\0');
    const int n = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, len, key.data(), need);
    key.resize(static_cast<size_t>(n > 0 ? n : 0));
    return key;
}

std::string key_of(const std::string& text, std::string& reused) {
    vq::locale_text_key_into(text, reused);
    return reused;
}

}  // namespace

TEST(HistoryKey, SameBytesAsTheAnsiSortKey) {
    std::vector<std::string> texts = {
        "", " ", "dir", "DIR", "Dir /W", "co-op", "coop", "it's", "its", "a_b", "ab",
        "\xc5ngstr\xf6m", "angstrom", "\xe9t\xe9", "ETE", "\xc9T\xc9", "\xdf", "ss", "\x7f", "\x81\x8d\x8f\x90\x9d",
        "\t\ttab", "cd \"C:\\Program Files\\x\"", std::string(3000, 'x') + "\xe9",  // key longer than the buffer
    };
    for (int c = 1; c < 256; ++c) texts.push_back(std::string(1, static_cast<char>(c)) + "z");
    // One reused buffer through all texts, short after long and back.
    std::string reused;
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& t : texts) {
            const std::string want = ansi_key(t);
            ASSERT_FALSE(want.empty()) << t;
            EXPECT_TRUE(key_of(t, reused) == want) << "[" << t.substr(0, 40) << "] of length " << t.size();
        }
}

TEST(HistoryKey, EqualKeysExactlyForTheLocalesCaseInsensitiveEquality) {
    const std::vector<std::string> texts = {"", "make all", "MAKE ALL", "Make  all", "\xe9", "\xc9", "e",
                                            "stra\xdf" "e", "STRASSE", std::string(600, 'a'),
                                            std::string(600, 'A'), std::string(599, 'a')};
    std::string ka, kb;
    for (const auto& a : texts)
        for (const auto& b : texts) {
            const bool equal = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                              static_cast<int>(a.size()), b.data(),
                                              static_cast<int>(b.size())) == CSTR_EQUAL;
            EXPECT_EQ(key_of(a, ka) == key_of(b, kb), equal) << "[" << a.substr(0, 20) << "] [" << b.substr(0, 20) << "]";
        }
}
