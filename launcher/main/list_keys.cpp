// Moving text between the history list and the command box: picking an
// entry, the Edit box's keys, Find and Back.
#include "main/edit_keys.h"
#include "main/mainform.h"
#include "support/keys.h"
#include "support/messages.h"

namespace {

unsigned held_mods() {
    unsigned m = 0;
    if (GetKeyState(VK_SHIFT) < 0) m |= vq::kModShift;
    if (GetKeyState(VK_CONTROL) < 0) m |= vq::kModCtrl;
    if (GetKeyState(VK_MENU) < 0) m |= vq::kModAlt;
    return m;
}

}  // namespace

bool TForm1::selectfirst() {
    if (item_count() == 0) return false;
    int cur = static_cast<int>(SendMessageA(ListBox, LB_GETCARETINDEX, 0, 0));
    if (cur < 0 || cur >= item_count()) {
        cur = 0;
        SendMessageA(ListBox, LB_SETCARETINDEX, 0, FALSE);
    }
    SendMessageA(ListBox, LB_SETSEL, TRUE, cur);
    return true;
}

void TForm1::takeselection() {
    if (selectfirst()) {
        const int cur = static_cast<int>(SendMessageA(ListBox, LB_GETCARETINDEX, 0, 0));
        set_edit_text(item_text(cur));
    }
    SetFocus(Edit);
    set_edit_selection(0, 1000);
}

void TForm1::ListBoxClick() {
    if (!listkeydown) takeselection();
}

void TForm1::ListBoxDblClick() {
    takeselection();
    run_request();
}

bool TForm1::ListBoxKeyDown(WPARAM key) {
    if (key == VK_RETURN) {
        ListBoxClick();
        return false;
    }
    listkeydown = true;
    return true;
}

void TForm1::ListBoxKeyUp() {
    listkeydown = false;
}

bool TForm1::EditKeyDown(WPARAM& key) {
    DWORD s = 0, e = 0;
    SendMessageA(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    vq::EditBoxState box{static_cast<int>(s), static_cast<int>(e - s), GetWindowTextLengthA(Edit)};
    const int k = static_cast<int>(key);
    const bool special = k == VK_RETURN || k == VK_DOWN;
    const unsigned mods = held_mods();
    const bool is_char = !special && (mods == 0 || mods == vq::kModShift) && is_char_key(k);
    vq::EditKeyAction a = vq::edit_key_down(k, mods, is_char, box, ctrlq);
    if (a.run) {
        run_request();
        return false;
    }
    if (a.focus_list) {
        SetFocus(ListBox);
        return false;
    }
    if (a.clear_text) {
        set_edit_text("");
        set_edit_selection(0, 0);
    }
    if (a.caret >= 0) set_edit_selection(a.caret, 0);
    if (a.key == 0) return false;
    key = static_cast<WPARAM>(a.key);
    return true;
}

bool TForm1::EditKeyPress(WPARAM& ch) {
    if (ch == '\r') {
        modalresult = mrOk;
        return false;
    }
    if (ch == 1) {
        // Ctrl+A selects the whole text.  The character itself is kept from the
        // edit control, which has no use for it (an old-style edit box would
        // only beep).
        set_edit_selection(0, GetWindowTextLengthA(Edit));
        return false;
    }
    return true;
}

void TForm1::findentry() {
    const std::string what = edit_text();
    const int n = item_count();
    for (int i = 0; i < n; ++i) {
        const std::string text = item_text(i);
        if (!vq::find_matches(what.c_str(), text.c_str())) continue;
        SendMessageA(ListBox, LB_SETCARETINDEX, i, FALSE);
        SendMessageA(ListBox, LB_SETSEL, TRUE, i);
        if (yesnof("is \"%s\" it?", {text})) break;
    }
}

void TForm1::goback() {
    SendMessageA(ListBox, LB_SETSEL, FALSE, -1);
    backpos = vq::next_backpos(backpos, GetKeyState(VK_SHIFT) < 0);
    if (backpos >= 0 && backpos < item_count()) SendMessageA(ListBox, LB_SETCARETINDEX, backpos, FALSE);
    ListBoxClick();
}
