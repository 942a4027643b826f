// The letters of a text that a code page cannot hold.  Pure logic: the
// code page's answer for a single letter reaches it as a function.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

// True when the code page holds the letter exactly: no nearest letter, no
// default character, and its bytes read back as the same letter.
using HoldsLetter = std::function<bool(std::u16string_view letter)>;

// The letters of a UTF-16 text, in order: a surrogate pair is one letter,
// and so is a surrogate without its partner.
std::vector<std::u16string_view> letters_of(std::u16string_view text);

// The letters of `text` that `holds` refuses, each once, in the order in
// which they first appear.
std::vector<std::u16string> unheld_letters(std::u16string_view text, const HoldsLetter& holds);

}  // namespace vq
