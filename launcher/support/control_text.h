// Texts of controls, read and written through the wide messages: the
// controls keep their texts in UTF-16, and an ANSI message would go through
// the system's conversion, which on some systems uses a buffer of fixed
// size.  Buffers are sized from the length messages; the conversion to and
// from the ANSI code page is that of codepage.h.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "support/codepage.h"

namespace vq {

// WM_GETTEXTLENGTH and WM_GETTEXT.
std::wstring control_text_wide(HWND control);
std::string control_text(HWND control);
// The text exactly, or the letters the ANSI code page lacks: for a text
// that is to be run or stored.
AnsiText control_text_checked(HWND control);
// WM_SETTEXT.
void set_control_text(HWND control, std::string_view text);
void set_control_text(HWND control, const std::wstring& text);

}  // namespace vq
