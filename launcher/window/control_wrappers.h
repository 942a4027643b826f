// Thin typed wrappers of the controls the main window speaks to: one
// message each, named after what it asks or does.  They own nothing; the
// window owns the controls.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/control_text.h"

namespace vq {

class ListBox {
  public:
    explicit ListBox(HWND h = nullptr) : h_(h) {}
    HWND handle() const { return h_; }
    int GetCount() const { return static_cast<int>(SendMessageA(h_, LB_GETCOUNT, 0, 0)); }
    int GetCurSel() const { return static_cast<int>(SendMessageA(h_, LB_GETCURSEL, 0, 0)); }
    void SetCurSel(int index) const { SendMessageA(h_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    int GetCaretIndex() const { return static_cast<int>(SendMessageA(h_, LB_GETCARETINDEX, 0, 0)); }
    void SetCaretIndex(int index) const { SendMessageA(h_, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE); }
    // `index` -1: every item.
    void SetSel(bool select, int index) const { SendMessageA(h_, LB_SETSEL, select, index); }
    int GetSelCount() const { return static_cast<int>(SendMessageA(h_, LB_GETSELCOUNT, 0, 0)); }
    // The indexes of the selected items, in ascending order.
    std::vector<int> GetSelItems() const {
        std::vector<int> items(static_cast<size_t>(std::max(GetSelCount(), 0)));
        if (!items.empty())
            SendMessageA(h_, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
        return items;
    }
    void DeleteString(int index) const { SendMessageA(h_, LB_DELETESTRING, static_cast<WPARAM>(index), 0); }
    void ResetContent() const { SendMessageA(h_, LB_RESETCONTENT, 0, 0); }
    void AddString(const std::string& text) const {
        SendMessageA(h_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }

  private:
    HWND h_;
};

class Edit {
  public:
    explicit Edit(HWND h = nullptr) : h_(h) {}
    HWND handle() const { return h_; }
    std::string GetText() const { return control_text(h_); }
    void SetText(std::string_view text) const { set_control_text(h_, text); }
    int GetTextLength() const { return GetWindowTextLengthA(h_); }
    // Selection start and end.
    std::pair<int, int> GetSel() const {
        DWORD s = 0, e = 0;
        SendMessageA(h_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
        return {static_cast<int>(s), static_cast<int>(e)};
    }
    void SetSel(int start, int end) const { SendMessageA(h_, EM_SETSEL, start, end); }
    void SetFocus() const { ::SetFocus(h_); }

  private:
    HWND h_;
};

class Button {
  public:
    explicit Button(HWND h = nullptr) : h_(h) {}
    HWND handle() const { return h_; }
    bool GetCheck() const { return SendMessageA(h_, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetCheck(bool on) const { SendMessageA(h_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    void SetText(std::string_view text) const { set_control_text(h_, text); }

  private:
    HWND h_;
};

}  // namespace vq
