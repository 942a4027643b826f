#include "support/control_text.h"

#include <algorithm>

#include "support/codepage.h"

namespace vq {

std::wstring control_text_wide(HWND control) {
    const LRESULT n = SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    if (n <= 0) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    const LRESULT got = SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? std::min(static_cast<size_t>(got), text.size() - 1) : 0);
    return text;
}

std::string control_text(HWND control) {
    return wide_to_ansi(control_text_wide(control));
}

AnsiText control_text_checked(HWND control) {
    return wide_to_ansi_checked(control_text_wide(control));
}

void set_control_text(HWND control, std::string_view text) {
    set_control_text(control, ansi_to_wide(text));
}

void set_control_text(HWND control, const std::wstring& text) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace vq
