#include "main/dialog_keys.h"

#include <cstring>

#include "main/form.h"

namespace vq {

namespace {

char upper_char(char c) {
    return static_cast<char>(reinterpret_cast<ULONG_PTR>(
        CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<unsigned char>(c))))));
}

// The mnemonic letter of a caption ("&Find" -> 'F'), upper case; 0 if none.
char mnemonic_of(const char* caption) {
    for (const char* p = caption; *p; ++p) {
        if (*p != '&') continue;
        if (p[1] == '&') {
            ++p;
            continue;
        }
        return p[1] ? upper_char(p[1]) : 0;
    }
    return 0;
}

bool is_push_button(HWND h) {
    char cls[16] = "";
    GetClassNameA(h, cls, sizeof cls);
    const LONG type = GetWindowLongA(h, GWL_STYLE) & BS_TYPEMASK;
    return _stricmp(cls, "Button") == 0 && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool on_key_down(HWND form, WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0) return false;
            if (HWND next = GetNextDlgTabItem(form, GetFocus(), shift)) {
                SetFocus(next);
                if (GetDlgCtrlID(next) == ID_Edit) SendMessageA(next, EM_SETSEL, 0, -1);
            }
            return true;
        case VK_ESCAPE:
            SendMessageA(GetDlgItem(form, ID_BitBtn_cancel), BM_CLICK, 0, 0);
            return true;
        case VK_RETURN: {
            // Enter presses a focused push button; a check box keeps its state.
            HWND f = GetFocus();
            if (!f || !is_push_button(f)) return false;
            SendMessageA(f, BM_CLICK, 0, 0);
            return true;
        }
        default:
            return false;
    }
}

bool on_alt_letter(HWND form, WPARAM letter) {
    const char want = upper_char(static_cast<char>(letter & 0xFF));
    size_t n = 0;
    const ControlDef* defs = form_controls(&n);
    for (size_t i = 0; i < n; ++i) {
        HWND c = GetDlgItem(form, defs[i].id);
        if (!c || !IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
        if (mnemonic_of(defs[i].caption) != want) continue;
        // A button acts where the focus is (Find leaves it in the Edit box);
        // a check box takes the focus and toggles.
        if (defs[i].kind == ControlKind::Button)
            SendMessageA(form, WM_COMMAND, MAKEWPARAM(defs[i].id, BN_CLICKED), reinterpret_cast<LPARAM>(c));
        else if (defs[i].kind == ControlKind::CheckBox)
            SendMessageA(c, BM_CLICK, 0, 0);
        else
            SetFocus(c);
        return true;
    }
    return false;
}

}  // namespace

bool route_dialog_key(HWND form, const MSG& msg) {
    if (!form || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN) return on_key_down(form, msg.wParam);
    if (msg.message == WM_SYSCHAR) return on_alt_letter(form, msg.wParam);
    return false;
}

}  // namespace vq
