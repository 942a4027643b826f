#include "main/debug_confirm.h"

#include <cstring>

#include "support/format.h"
#include "support/messages.h"
#include "support/textops.h"

namespace vq {

namespace {

void set_clipboard_text(HWND owner, const std::string& text) {
    if (!OpenClipboard(owner)) return;
    EmptyClipboard();
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        if (void* p = GlobalLock(mem)) {
            std::memcpy(p, text.c_str(), text.size() + 1);
            GlobalUnlock(mem);
            // On success the clipboard owns the memory.
            if (!SetClipboardData(CF_TEXT, mem)) GlobalFree(mem);
        } else {
            GlobalFree(mem);
        }
    }
    CloseClipboard();
}

// The clipboard's plain text; none when there is no text or the clipboard
// cannot be opened.
bool clipboard_text(HWND owner, std::string& text) {
    if (!OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE mem = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(mem))) {
            text.assign(p, strnlen(p, GlobalSize(mem)));
            GlobalUnlock(mem);
            got = true;
        }
    }
    CloseClipboard();
    return got;
}

}  // namespace

bool confirm_exec(HWND owner, const std::string& application, const std::string& command_line) {
    std::string text = sformat("MSWINDOWS_exec(%s,%s)", {application, command_line});
    set_clipboard_text(owner, text);
    // What the question shows is what the clipboard holds; when another
    // program keeps the clipboard open, the text itself.
    clipboard_text(owner, text);
    return yesnof("%s\r\nOK? (clipped)", {double_amp(text)});
}

}  // namespace vq
