// Text files that say how they are encoded: a byte-order mark at the start
// marks UTF-8 or UTF-16 (little or big endian); without one the bytes are
// in a code page, whichever the file's writer used.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vq {

enum class TextEncoding { code_page, utf8, utf16le, utf16be };

struct ByteOrderMark {
    TextEncoding encoding;
    size_t length;  // bytes of the mark itself (0 without one)
};

ByteOrderMark byte_order_mark(std::string_view bytes);

// The UTF-16 code units of `bytes` (a trailing odd byte is dropped).
std::u16string utf16_units(std::string_view bytes, bool big_endian);

}  // namespace vq
