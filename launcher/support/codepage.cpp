// Code page conversions through the wide text.
#include "support/codepage.h"

#include <windows.h>

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
// letter had a form of its own there.
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
    if (exact) *exact = n > 0 && !defaulted;
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

std::string file_text_as_ansi(std::string bytes) {
    const ByteOrderMark mark = byte_order_mark(bytes);
    if (mark.encoding == TextEncoding::code_page) return bytes;
    return wide_to_ansi(marked_text_to_wide(bytes, mark));
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
