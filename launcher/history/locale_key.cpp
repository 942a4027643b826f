#include "history/locale_key.h"

#include <windows.h>

#include <vector>

namespace vq {

namespace {

// The code page in which the locale's ANSI functions read 8-bit text.
UINT locale_code_page() {
    static const UINT cp = [] {
        DWORD value = 0;
        if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                           reinterpret_cast<LPWSTR>(&value), sizeof value / sizeof(WCHAR)) &&
            value != 0)
            return static_cast<UINT>(value);
        return static_cast<UINT>(CP_ACP);
    }();
    return cp;
}

}  // namespace

void locale_text_key_into(std::string_view text, std::string& key) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // The text in UTF-16 the way the ANSI function would convert it, in a
    // buffer reused from call to call (the ANSI function allocates one per
    // call).  A zero-length source is not accepted; the key of the empty
    // text is the key of "" given NUL-terminated.
    thread_local std::vector<WCHAR> wide(256);
    int wlen = -1;
    if (text.empty()) {
        wide[0] = L'\0';
    } else {
        const int len = static_cast<int>(text.size());
        wlen = MultiByteToWideChar(locale_code_page(), 0, text.data(), len, wide.data(),
                                   static_cast<int>(wide.size()));
        if (wlen <= 0) {
            const int need = MultiByteToWideChar(locale_code_page(), 0, text.data(), len, nullptr, 0);
            if (need > 0) {
                wide.resize(static_cast<size_t>(need));
                wlen = MultiByteToWideChar(locale_code_page(), 0, text.data(), len, wide.data(), need);
            }
        }
    }
    int n = 0;
    if (wlen != 0) {
        // The key buffer is reused too; it grows only for long texts.
        if (key.size() < 512) key.resize(512);
        n = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.data(), wlen, reinterpret_cast<LPWSTR>(key.data()),
                         static_cast<int>(key.size()));
        if (n <= 0) {
            const int need = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.data(), wlen, nullptr, 0);
            if (need > 0) {
                key.resize(static_cast<size_t>(need));
                n = LCMapStringW(LOCALE_USER_DEFAULT, flags, wide.data(), wlen,
                                 reinterpret_cast<LPWSTR>(key.data()), need);
            }
        }
    }
    if (n > 0) {
        key.resize(static_cast<size_t>(n));
        return;
    }
    // No key could be made: fall back to the text itself, marked so that it
    // cannot collide with a real sort key.
    key.assign("\xff\xff", 2);
    key.append(text);
}

}  // namespace vq
