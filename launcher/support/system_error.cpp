#include "support/system_error.h"

#include <windows.h>

namespace vq {

std::string system_error_text(unsigned long code) {
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string result = n && text ? std::string(text, n) : std::string();
    if (text) LocalFree(text);
    while (!result.empty() && (static_cast<unsigned char>(result.back()) <= ' ' || result.back() == '.'))
        result.pop_back();
    if (result.empty()) result = "error " + std::to_string(code);
    return result;
}

}  // namespace vq
