#include "window/dialog_keys.h"

#include <cstring>

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
    return _stricmp(cls, "Button") == 0 &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

// A button pressed by its shortcut acts where the focus is.
void press(HWND window, HWND button) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

// An arrow key on an item of a radio group checks the next item (Down,
// Right) or the one before (Up, Left) of the same group, going round.
bool step_radio(HWND form, std::span<const ControlDef> controls, bool forward) {
    const int focus = GetDlgCtrlID(GetFocus());
    const size_t n = controls.size();
    const ControlDef* defs = controls.data();
    size_t at = 0;
    while (at < n && defs[at].id != focus) ++at;
    if (at == n || defs[at].kind != ControlKind::RadioButton) return false;
    size_t first = at, last = at;
    while (first > 0 && defs[first - 1].kind == ControlKind::RadioButton) --first;
    while (last + 1 < n && defs[last + 1].kind == ControlKind::RadioButton) ++last;
    const size_t next = forward ? (at == last ? first : at + 1) : (at == first ? last : at - 1);
    HWND h = GetDlgItem(form, defs[next].id);
    SetFocus(h);
    SendMessageA(h, BM_CLICK, 0, 0);
    return true;
}

// Tab and Shift+Tab: the next or the previous tab stop; an edit box
// reached so gets its whole text selected.
void walk_tab_order(HWND window, bool back) {
    if (HWND next = GetNextDlgTabItem(window, GetFocus(), back)) {
        SetFocus(next);
        char cls[16] = "";
        GetClassNameA(next, cls, sizeof cls);
        if (_stricmp(cls, "Edit") == 0) SendMessageA(next, EM_SETSEL, 0, -1);
    }
}

bool on_key_down(HWND form, std::span<const ControlDef> controls, WPARAM key) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    switch (key) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) < 0) return false;
            walk_tab_order(form, shift);
            return true;
        case VK_ESCAPE: {
            HWND cancel = GetDlgItem(form, IDCANCEL);
            if (!cancel) return false;
            SendMessageA(cancel, BM_CLICK, 0, 0);
            return true;
        }
        case VK_RETURN: {
            // Enter presses a focused push button; a check box keeps its state.
            HWND f = GetFocus();
            if (!f || !is_push_button(f)) return false;
            SendMessageA(f, BM_CLICK, 0, 0);
            return true;
        }
        case VK_UP:
        case VK_LEFT:
            return step_radio(form, controls, false);
        case VK_DOWN:
        case VK_RIGHT:
            return step_radio(form, controls, true);
        default:
            return false;
    }
}

bool on_alt_letter(HWND form, std::span<const ControlDef> controls, WPARAM letter) {
    const char want = upper_char(static_cast<char>(letter & 0xFF));
    const ControlDef* defs = controls.data();
    for (size_t i = 0; i < controls.size(); ++i) {
        HWND c = GetDlgItem(form, defs[i].id);
        if (!c || !IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
        if (mnemonic_of(defs[i].caption) != want) continue;
        // A button acts where the focus is (Find leaves it in the Edit box);
        // a check box or a radio item takes the focus and is clicked.
        if (defs[i].kind == ControlKind::Button || defs[i].kind == ControlKind::ImageButton)
            press(form, c);
        else if (defs[i].kind == ControlKind::CheckBox || defs[i].kind == ControlKind::RadioButton)
            SendMessageA(c, BM_CLICK, 0, 0);
        else
            SetFocus(c);
        return true;
    }
    return false;
}

}  // namespace

bool route_dialog_key(HWND form, std::span<const ControlDef> controls, const MSG& msg) {
    if (!form || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN) return on_key_down(form, controls, msg.wParam);
    if (msg.message == WM_SYSCHAR) return on_alt_letter(form, controls, msg.wParam);
    return false;
}

}  // namespace vq
