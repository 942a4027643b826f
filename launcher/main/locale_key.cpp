#include "main/locale_key.h"

#include <windows.h>

namespace vq {

std::string locale_text_key(std::string_view text) {
  const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
  // A zero-length source is not accepted; the key of the empty text is the
  // key of "" given NUL-terminated.
  const char* src = text.empty() ? "" : text.data();
  const int srclen = text.empty() ? -1 : static_cast<int>(text.size());
  char small[512];
  int n = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, small, sizeof small);
  if (n > 0) return std::string(small, static_cast<size_t>(n));
  int need = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, nullptr, 0);
  if (need > 0) {
    std::string key(static_cast<size_t>(need), '\0');
    n = LCMapStringA(LOCALE_USER_DEFAULT, flags, src, srclen, key.data(), need);
    if (n > 0) {
      key.resize(static_cast<size_t>(n));
      return key;
    }
  }
  // No key could be made: fall back to the text itself, marked so that it
  // cannot collide with a real sort key.
  return std::string("\xff\xff", 2) + std::string(text);
}

bool locale_text_equal(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(),
                        static_cast<int>(a.size()), b.c_str(),
                        static_cast<int>(b.size())) == CSTR_EQUAL;
}

}  // namespace vq
