// The mapping goes through kernel32 alone: a console program that imports
// USER32 pays for it at every start.
#include "casefold.h"

#include <windows.h>

namespace rovik {

namespace {

// The partner of one byte under the wide mapping `how`; the byte itself
// when there is none in the code page.
unsigned char partner(UINT codePage, unsigned char byte, DWORD how) {
    char in = static_cast<char>(byte);
    wchar_t wide[2];
    if (IsDBCSLeadByteEx(codePage, byte)) return byte;
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &in, 1, wide, 2) != 1) return byte;
    wchar_t mapped[2];
    if (LCMapStringW(LOCALE_USER_DEFAULT, how, wide, 1, mapped, 2) != 1) return byte;
    char out[4];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, mapped, 1, out, sizeof out, nullptr, &usedDefault);
    if (n != 1 || usedDefault) return byte;
    unsigned char result = static_cast<unsigned char>(out[0]);
    // Letters beyond ASCII never pair with an ASCII byte.
    return result < 0x80 ? byte : result;
}

}  // namespace

CaseTable codePageCaseTable(unsigned codePage) {
    CaseTable t = asciiCaseTable();
    for (int c = 0x80; c < 256; ++c) {
        t.upper[c] = partner(codePage, static_cast<unsigned char>(c), LCMAP_UPPERCASE);
        t.lower[c] = partner(codePage, static_cast<unsigned char>(c), LCMAP_LOWERCASE);
    }
    return t;
}

void lowerLocale(std::string& text) {
    for (char& c : text) c = static_cast<char>(caseTable().lower[static_cast<unsigned char>(c)]);
}

void upperFirstLocale(std::string& text) {
    if (!text.empty()) text[0] = static_cast<char>(caseTable().upper[static_cast<unsigned char>(text[0])]);
}

}  // namespace rovik
