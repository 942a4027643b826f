#include "main/locale_key.h"

#include <windows.h>

namespace vq {

void locale_text_key_into(std::string_view text, std::string& key) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // A zero-length source is not accepted; the key of the empty text is the
    // key of "" given NUL-terminated.
    const char* src = text.empty() ? "" : text.data();
    const int srclen = text.empty() ? -1 : static_cast<int>(text.size());
    // The buffer is reused from call to call; it grows only for long texts.
    if (key.size() < 512) key.resize(512);
    int n = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, key.data(), static_cast<int>(key.size()));
    if (n <= 0) {
        const int need = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, nullptr, 0);
        if (need > 0) {
            key.resize(static_cast<size_t>(need));
            n = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, key.data(), need);
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
