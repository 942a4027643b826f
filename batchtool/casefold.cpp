// Locale case mapping through kernel32 alone: a console program that
// imports USER32 pays for it at every start.
#include "casefold.h"

#include <windows.h>

namespace rovik {

namespace {

// Maps count bytes of text in place; a mapping that would change the
// length (never in a single-byte code page) leaves the text as it was.
void mapInPlace(char* text, int count, DWORD how) {
    if (count <= 0) return;
    std::string out(static_cast<size_t>(count), '\0');
    int n = LCMapStringA(LOCALE_USER_DEFAULT, how, text, count, out.data(), count);
    if (n == count) out.copy(text, static_cast<size_t>(count));
}

}  // namespace

void lowerLocale(std::string& text) { mapInPlace(text.data(), static_cast<int>(text.size()), LCMAP_LOWERCASE); }

void upperFirstLocale(std::string& text) { mapInPlace(text.data(), text.empty() ? 0 : 1, LCMAP_UPPERCASE); }

}  // namespace rovik
