// Code page conversions through the wide text.
#include "support/codepage.h"

#include <windows.h>

#include "support/text_lines.h"
#include "support/unheld_letters.h"

namespace vq {

namespace {

std::wstring to_wide(UINT codepage, std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codepage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(codepage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

// The wide text in `codepage`; `exact` (when given) tells whether every
// letter had a form of its own there: no nearest letter, no default
// character, and the bytes read back as the same text.
std::string from_wide(UINT codepage, std::wstring_view wide, bool* exact = nullptr) {
    if (exact) *exact = true;
    if (wide.empty()) return {};
    BOOL defaulted = FALSE;
    const DWORD flags = exact ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL* used = exact ? &defaulted : nullptr;
    const int n = WideCharToMultiByte(codepage, flags, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                      nullptr, used);
    std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codepage, flags, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                            nullptr, used);
    if (exact) *exact = n > 0 && !defaulted && to_wide(codepage, text) == wide;
    return text;
}

bool same_code_pages() {
    return GetACP() == GetOEMCP();
}

// The short form of an existing file or directory; empty when there is
// none.
std::wstring short_form(const std::wstring& path) {
    const DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return {};
    std::wstring out(n, L'\0');
    const DWORD got = GetShortPathNameW(path.c_str(), out.data(), n);
    if (got == 0 || got >= n) return {};
    out.resize(got);
    return out;
}

}  // namespace

std::wstring ansi_to_wide(std::string_view text) {
    return to_wide(CP_ACP, text);
}

std::string wide_to_ansi(std::wstring_view text) {
    return from_wide(CP_ACP, text);
}

std::optional<std::string> wide_to_ansi_exact(std::wstring_view text) {
    bool exact = false;
    std::string ansi = from_wide(CP_ACP, text, &exact);
    if (!exact) return std::nullopt;
    return ansi;
}

AnsiText wide_to_ansi_checked(std::wstring_view text) {
    AnsiText result;
    bool exact = false;
    result.text = from_wide(CP_ACP, text, &exact);
    if (exact) return result;
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    const std::u16string_view units(reinterpret_cast<const char16_t*>(text.data()), text.size());
    for (const std::u16string& letter : unheld_letters(units, [](std::u16string_view one) {
             bool held = false;
             from_wide(CP_ACP, std::wstring_view(reinterpret_cast<const wchar_t*>(one.data()), one.size()), &held);
             return held;
         }))
        result.lacking.emplace_back(letter.begin(), letter.end());
    // Every letter alone has its form, the whole has not: name them all.
    if (result.lacking.empty()) result.lacking.emplace_back(text);
    result.text.clear();
    return result;
}

std::wstring marked_text_to_wide(std::string_view bytes, const ByteOrderMark& mark) {
    bytes.remove_prefix(mark.length);
    switch (mark.encoding) {
        case TextEncoding::utf8:
            return to_wide(CP_UTF8, bytes);
        case TextEncoding::utf16le:
        case TextEncoding::utf16be: {
            static_assert(sizeof(wchar_t) == sizeof(char16_t));
            const std::u16string units = utf16_units(bytes, mark.encoding == TextEncoding::utf16be);
            return std::wstring(units.begin(), units.end());
        }
        case TextEncoding::code_page:
            break;
    }
    return to_wide(CP_ACP, bytes);
}

std::string marked_text_from_wide(std::wstring_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::utf8:
            return "\xEF\xBB\xBF" + from_wide(CP_UTF8, text);
        case TextEncoding::utf16le:
        case TextEncoding::utf16be: {
            const bool big = encoding == TextEncoding::utf16be;
            std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
            for (wchar_t c : text) {
                const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
                bytes += big ? high : low;
                bytes += big ? low : high;
            }
            return bytes;
        }
        case TextEncoding::code_page:
            break;
    }
    return from_wide(CP_ACP, text);
}

std::string file_text_as_ansi(std::string bytes, int* lacking_lines) {
    if (lacking_lines) *lacking_lines = 0;
    const ByteOrderMark mark = byte_order_mark(bytes);
    if (mark.encoding == TextEncoding::code_page) return bytes;
    const std::wstring wide = marked_text_to_wide(bytes, mark);
    if (auto ansi = wide_to_ansi_exact(wide)) return std::move(*ansi);
    std::string text;
    std::wstring_view line;
    for (std::wstring_view rest = wide; next_line(rest, line);) {
        if (auto ansi = wide_to_ansi_exact(line)) {
            text += *ansi;
            text += "\r\n";
        } else if (lacking_lines) {
            ++*lacking_lines;
        }
    }
    return text;
}

bool is_plain_ascii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 128) return false;
    return true;
}

std::optional<std::string> ansi_to_oem(const std::string& text) {
    if (is_plain_ascii(text) || same_code_pages()) return text;
    bool exact = false;
    std::string oem = from_wide(CP_OEMCP, to_wide(CP_ACP, text), &exact);
    if (!exact) return std::nullopt;
    return oem;
}

std::wstring oem_to_wide(std::string_view text) {
    return to_wide(CP_OEMCP, text);
}

std::string wide_to_oem(std::wstring_view text) {
    return from_wide(CP_OEMCP, text);
}

std::string oem_to_ansi(const std::string& text) {
    if (is_plain_ascii(text) || same_code_pages()) return text;
    return from_wide(CP_ACP, to_wide(CP_OEMCP, text));
}

std::string path_for_batch(const std::string& path) {
    if (auto oem = ansi_to_oem(path)) return *oem;
    const std::wstring wide = to_wide(CP_ACP, path);
    std::wstring shortened = short_form(wide);
    if (shortened.empty()) {
        // A file not written yet: its directory's short form and its name.
        const size_t cut = wide.find_last_of(L"\\/:");
        if (cut != std::wstring::npos && cut > 0) {
            const std::wstring dir = short_form(wide.substr(0, cut + 1));
            if (!dir.empty()) {
                shortened = dir;
                if (shortened.back() != L'\\' && shortened.back() != L'/' && shortened.back() != L':')
                    shortened += L'\\';
                shortened += wide.substr(cut + 1);
            }
        }
    }
    if (!shortened.empty()) {
        bool exact = false;
        std::string oem = from_wide(CP_OEMCP, shortened, &exact);
        if (exact) return oem;
    }
    return from_wide(CP_OEMCP, wide);
}

}  // namespace vq
