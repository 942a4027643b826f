#include "support/unheld_letters.h"

#include <algorithm>

namespace vq {

namespace {

bool is_high_surrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool is_low_surrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

std::vector<std::u16string_view> letters_of(std::u16string_view text) {
    std::vector<std::u16string_view> letters;
    for (size_t i = 0; i < text.size();) {
        const size_t n = i + 1 < text.size() && is_high_surrogate(text[i]) && is_low_surrogate(text[i + 1]) ? 2 : 1;
        letters.push_back(text.substr(i, n));
        i += n;
    }
    return letters;
}

std::vector<std::u16string> unheld_letters(std::u16string_view text, const HoldsLetter& holds) {
    std::vector<std::u16string> unheld;
    for (std::u16string_view letter : letters_of(text)) {
        if (std::find(unheld.begin(), unheld.end(), letter) != unheld.end()) continue;
        if (!holds(letter)) unheld.emplace_back(letter);
    }
    return unheld;
}

}  // namespace vq
