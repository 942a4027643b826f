// Decoding of the options file's values and key lists, and the comma-text
// rule of the builtins list. Pure text in, values out.
#pragma once

#include <cstdint>
#include <string>

#include "support/textlist.h"

namespace vq {

// Longest text value kept from the options file.
inline constexpr std::size_t ini_text_limit = 2047;
// Size of the buffer through which the key names of one section are read.
inline constexpr std::size_t ini_key_list_size = 16384;

// Decimal, optionally negative; hexadecimal after "$" or, for texts longer
// than two characters, after "0x"/"0X". Anything else gives `fallback`.
std::int32_t decode_int(const std::string& text, std::int32_t fallback);
// An integer with default 0 or 1; any non-zero value is true.
bool decode_bool(const std::string& text, bool fallback);
// A text value cut to ini_text_limit characters.
std::string decode_text(const std::string& text);

// The NUL-separated key names that the profile interface returns (`size`
// bytes, as it reported), in order.
TextList split_key_list(const char* buffer, std::size_t size);

// Comma text: items separated by commas (blanks also separate); an item in
// double quotes may hold commas and blanks, with "" standing for one quote.
TextList split_comma_text(const std::string& text);

}  // namespace vq
