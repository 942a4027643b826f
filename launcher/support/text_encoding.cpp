#include "support/text_encoding.h"

namespace vq {

ByteOrderMark byte_order_mark(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return {TextEncoding::utf8, 3};
    if (bytes.starts_with("\xFF\xFE")) return {TextEncoding::utf16le, 2};
    if (bytes.starts_with("\xFE\xFF")) return {TextEncoding::utf16be, 2};
    return {TextEncoding::code_page, 0};
}

std::u16string utf16_units(std::string_view bytes, bool big_endian) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        units[i] = static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

}  // namespace vq
