#include "codepage.h"

#include <windows.h>

#include <vector>

#include "lineeditor.h"

namespace rovik {

unsigned consoleCodePage() {
    static const unsigned page = [] {
        UINT cp = GetConsoleCP();
        return cp != 0 ? cp : GetOEMCP();
    }();
    return page;
}

std::wstring toWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int size = static_cast<int>(text.size());
    int n = MultiByteToWideChar(consoleCodePage(), 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(consoleCodePage(), 0, text.data(), size, wide.data(), n);
    return wide;
}

size_t consoleLetter(std::string_view rest) {
    const UINT cp = consoleCodePage();
    if (cp == CP_UTF8) return utf8Letter(rest);
    if (rest.size() >= 2 && IsDBCSLeadByteEx(cp, static_cast<BYTE>(rest[0]))) return 2;
    return 1;
}

namespace {

// Converts and tells whether a letter had to be replaced. UTF-8 and UTF-7
// take no default character: there a failed strict conversion is the sign.
std::string convert(const std::wstring& text, bool* lost) {
    *lost = false;
    if (text.empty()) return std::string();
    const UINT cp = consoleCodePage();
    const bool utf = cp == CP_UTF8 || cp == CP_UTF7;
    const int size = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    BOOL* usedDefaultArg = utf ? nullptr : &usedDefault;
    DWORD flags = utf ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    int n = WideCharToMultiByte(cp, flags, text.data(), size, nullptr, 0, nullptr, usedDefaultArg);
    if (n == 0 && utf) {
        *lost = true;
        flags = 0;  // the letters that fit, for the message
        n = WideCharToMultiByte(cp, flags, text.data(), size, nullptr, 0, nullptr, nullptr);
    }
    std::string out(static_cast<size_t>(n), '\0');
    if (n > 0) WideCharToMultiByte(cp, flags, text.data(), size, out.data(), n, nullptr, usedDefaultArg);
    if (usedDefault) *lost = true;
    return out;
}

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// The last component of a path (after its last separator).
std::wstring lastComponent(const std::wstring& path) {
    size_t at = path.find_last_of(L"\\/");
    return at == std::wstring::npos ? path : path.substr(at + 1);
}

std::optional<std::wstring> shortPathOf(const std::wstring& path) {
    DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return std::nullopt;
    std::vector<wchar_t> buffer(n + 1);
    DWORD got = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got == 0 || got >= buffer.size()) return std::nullopt;
    return std::wstring(buffer.data(), got);
}

}  // namespace

std::optional<std::string> fromWideExact(const std::wstring& text) {
    bool lost;
    std::string out = convert(text, &lost);
    if (lost) return std::nullopt;
    return out;
}

std::string fromWideLossy(const std::wstring& text) {
    bool lost;
    return convert(text, &lost);
}

std::string fromWide(const std::wstring& text) {
    if (std::optional<std::string> exact = fromWideExact(text)) return *exact;
    // Component by component: one that does not fit is replaced by the
    // last component of its prefix's short form.
    std::wstring result;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = start;
        while (end < text.size() && !isSeparator(text[end])) ++end;
        std::wstring component = text.substr(start, end - start);
        if (!fromWideExact(component)) {
            std::optional<std::wstring> shortPrefix = shortPathOf(text.substr(0, end));
            std::wstring shortName = shortPrefix ? lastComponent(*shortPrefix) : std::wstring();
            if (shortName.empty() || !fromWideExact(shortName)) throw UnrepresentableText{fromWideLossy(text)};
            component = shortName;
        }
        result += component;
        if (end < text.size()) result += text[end];
        start = end + 1;
    }
    return *fromWideExact(result);
}

FILE* openFile(const std::string& path, const char* mode) {
    return _wfopen(toWide(path).c_str(), toWide(mode).c_str());
}

std::optional<std::string> environmentVariable(const std::string& name) {
    const std::wstring wideName = toWide(name);
    SetLastError(0);
    DWORD n = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (n == 0) {
        if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
        return std::string();
    }
    std::vector<wchar_t> buffer(n + 1);
    DWORD got = GetEnvironmentVariableW(wideName.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (got >= buffer.size()) return std::nullopt;
    return fromWide(std::wstring(buffer.data(), got));
}

}  // namespace rovik
