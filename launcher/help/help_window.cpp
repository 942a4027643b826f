#include "help/help_window.h"

#include <commctrl.h>
#include <richedit.h>
#include <windowsx.h>

#include "support/control_text.h"
#include "support/files.h"
#include "support/format.h"
#include "support/messages.h"
#include "window/dialog_keys.h"
#include "window/dpi_scale.h"

namespace vq {

namespace {

constexpr int kClientWidth = 514, kClientHeight = 410;
constexpr int kPanelHeight = 33;  // the bottom panel with the search box
// On the panel: the search box (stretching with the width) and the button.
constexpr int kEditLeft = 112, kEditTop = 8, kEditWidth = 399, kEditHeight = 16;
constexpr int kButtonLeft = 24, kButtonTop = 8, kButtonWidth = 75, kButtonHeight = 17;

// Posted by the showing: the focus goes to the search box once the window
// is on the screen.
constexpr UINT WM_APP_FOCUS = WM_APP + 1;

// A search shows up to this many characters of the text after the match.
constexpr int kLookAhead = 200;

}  // namespace

Thelpf::Thelpf() : search_font_(8, "Terminal", OEM_CHARSET), view_font_(13, "Courier New") {}

bool Thelpf::create(HINSTANCE instance) {
    instance_ = instance;
    // The controls come at the first showing (create_panel, create_views).
    return create_window(instance,
                         {"Thelpf", "helpf", WS_OVERLAPPEDWINDOW, kClientWidth, kClientHeight, 327, 168});
}

// The search panel and the tab control, made at the first showing like
// the views: the first screen does not need them.
bool Thelpf::create_panel() {
    if (item(ID_PageControl1)) return true;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    search_font_.make(dpi());
    view_font_.make(dpi());
    const int panel = kClientHeight - kPanelHeight;
    const HFONT search = search_font_.get();
    if (!create_controls(instance_, {{ID_Edit1, "EDIT", "", WS_VISIBLE | ES_AUTOHSCROLL | WS_TABSTOP,
                                      WS_EX_CLIENTEDGE, 112, panel + 8, 399, 16, search},
                                     {ID_Button_Search, "BUTTON", "&Search",
                                      WS_VISIBLE | WS_DISABLED | BS_PUSHBUTTON | WS_TABSTOP, 0, 24, panel + 8,
                                      75, 17, search},
                                     {ID_PageControl1, WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                                      0, kClientWidth, panel, search}})) {
        for (int id : {ID_Edit1, ID_Button_Search, ID_PageControl1})
            if (HWND h = item(id)) DestroyWindow(h);
        return false;
    }
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>("vq");
    SendMessageA(item(ID_PageControl1), TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&tab));
    return true;
}

// The rich-text views and their library, which the first screen does not
// need either: made when the window is first shown.  False when the
// library or a view could not be made.
bool Thelpf::create_views() {
    if (item(ID_RichEdit_TeciFake)) return true;
    if (!richedit_.load()) return false;
    const DWORD view_style = WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_TABSTOP;
    const HFONT view = view_font_.get();
    if (!create_controls(instance_, {{ID_RichEdit_TeciFake, "RichEdit20A", "RichEdit_TeciFake",
                                      WS_VISIBLE | view_style, WS_EX_CLIENTEDGE, 0, 0, 0, 0, view},
                                     {ID_RichEdit_teci, "RichEdit20A", "RichEdit_teci",
                                      WS_DISABLED | view_style, WS_EX_CLIENTEDGE, 0, 0, 0, 0, view}})) {
        for (int id : {ID_RichEdit_TeciFake, ID_RichEdit_teci})
            if (HWND h = item(id)) DestroyWindow(h);
        return false;
    }
    // The views lie above the tab control and before the search box in the
    // order of the Tab key, as if made first.
    for (int id : {ID_RichEdit_teci, ID_RichEdit_TeciFake}) {
        SendMessageA(item(id), EM_EXLIMITTEXT, 0, 0x7FFFFFF0);
        SetWindowPos(item(id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    layout();
    return true;
}

void Thelpf::show() {
    if (!create_panel()) {
        errorf("couldn't create %s", {"the help window's controls"});
        return;
    }
    if (!create_views()) {
        errorf("couldn't load %s", {richedit_.file()});
        return;
    }
    if (!showing)
        ShowWindow(handle(), SW_SHOW);
    else if (IsIconic(handle()))
        ShowWindow(handle(), SW_RESTORE);
    SetForegroundWindow(handle());
}

LRESULT Thelpf::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = handle();
    switch (message) {
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(hwnd, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_SHOWWINDOW, OnShowWindow);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
        case WM_APP_FOCUS:
            SetFocus(item(ID_Edit1));
            return 0;
    }
    return SecondaryWindow::handle_message(message, wParam, lParam);
}

// The tab control and its views fill the window above the bottom panel;
// the search box stretches with the width.  A window smaller than designed
// keeps the designed layout and scrolls.
void Thelpf::layout() {
    const HWND hwnd = handle();
    const int d = dpi();
    const AutoScroll::Area area = scroll_.fit(hwnd, scale_px(kClientWidth, d), scale_px(kClientHeight, d));
    const int cx = area.width, x = -area.x, y = -area.y;
    const int panel = area.height - scale_px(kPanelHeight, d);
    SetWindowPos(item(ID_PageControl1), nullptr, x, y, cx, panel, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT page{0, 0, cx, panel};
    TabCtrl_AdjustRect(item(ID_PageControl1), FALSE, &page);
    for (int id : {ID_RichEdit_TeciFake, ID_RichEdit_teci})
        SetWindowPos(item(id), nullptr, x + page.left, y + page.top, page.right - page.left,
                     page.bottom - page.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const int edit_left = scale_px(kEditLeft, d);
    const int edit_right_gap = scale_px(kClientWidth, d) - scale_px(kEditLeft + kEditWidth, d);
    SetWindowPos(item(ID_Edit1), nullptr, x + edit_left, y + panel + scale_px(kEditTop, d),
                 cx - edit_left - edit_right_gap, scale_px(kEditTop + kEditHeight, d) - scale_px(kEditTop, d),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    const int button_left = scale_px(kButtonLeft, d), button_top = scale_px(kButtonTop, d);
    SetWindowPos(item(ID_Button_Search), nullptr, x + button_left, y + panel + button_top,
                 scale_px(kButtonLeft + kButtonWidth, d) - button_left,
                 scale_px(kButtonTop + kButtonHeight, d) - button_top, SWP_NOZORDER | SWP_NOACTIVATE);
    panel_ = {x, y + panel, x + cx, y + area.height};
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Thelpf::dpi_changed(int) {
    search_font_.make(dpi());
    view_font_.make(dpi());
    for (int id : {ID_RichEdit_TeciFake, ID_RichEdit_teci})
        SendMessageA(item(id), WM_SETFONT, reinterpret_cast<WPARAM>(view_font_.get()), TRUE);
    for (int id : {ID_Edit1, ID_Button_Search, ID_PageControl1})
        SendMessageA(item(id), WM_SETFONT, reinterpret_cast<WPARAM>(search_font_.get()), TRUE);
    layout();
}

void Thelpf::OnSize(HWND, UINT, int, int) {
    layout();
}

// The window's own scroll bars; the views' bars are theirs.
void Thelpf::OnHScroll(HWND hwnd, HWND control, UINT code, int) {
    if (!control && scroll_.scroll(hwnd, SB_HORZ, static_cast<int>(code), scale_px(8, dpi()))) layout();
}

void Thelpf::OnVScroll(HWND hwnd, HWND control, UINT code, int) {
    if (!control && scroll_.scroll(hwnd, SB_VERT, static_cast<int>(code), scale_px(8, dpi()))) layout();
}

// The bottom panel's raised edge.
void Thelpf::OnPaint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r = panel_;
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    EndPaint(hwnd, &ps);
}

void Thelpf::OnShowWindow(HWND hwnd, BOOL show, UINT status) {
    if (show) FormShow();
    FORWARD_WM_SHOWWINDOW(hwnd, show, status, DefWindowProcA);
}

void Thelpf::OnCommand(HWND, int id, HWND, UINT code) {
    if (id == ID_Edit1 && code == EN_CHANGE) Edit1Change();
    if (id == ID_Button_Search && code == BN_CLICKED) find_next();
}

void Thelpf::OnClose(HWND hwnd) {
    FormClose();
    SecondaryWindow::OnClose(hwnd);
}

// Every showing starts afresh: the first page, the search from the top, the
// file as it is on disk now.
void Thelpf::FormShow() {
    // Made by show() already, unless shown some other way.
    create_panel();
    create_views();
    TabCtrl_SetCurSel(item(ID_PageControl1), 0);
    search_pos = 0;
    load_help(item(ID_RichEdit_TeciFake), program_file("vqhelp.txt"));
    showing = true;
    PostMessageA(handle(), WM_APP_FOCUS, 0, 0);
}

void Thelpf::FormClose() {
    SetWindowTextA(item(ID_RichEdit_TeciFake), "");
    SetWindowTextA(item(ID_RichEdit_teci), "");
    showing = false;
}

void Thelpf::Edit1Change() {
    EnableWindow(item(ID_Button_Search), GetWindowTextLengthA(item(ID_Edit1)) > 0);
}

void Thelpf::load_help(HWND view, const std::string& path) {
    SetWindowTextA(view, sformat("couldn't load %s", {path}).c_str());
    std::string text;
    if (read_whole_file(path, text) != ReadResult::ok) return;
    SetWindowTextA(view, text.c_str());
}

// The next occurrence of Edit1's text at or after `search_pos`, letter case
// ignored, also inside words.  A match is selected after the text up to 200
// characters past it has been scrolled into view, and the next search
// begins one character after its start; without a match the next search
// begins at the top again and nothing else changes.  The view gets the
// focus either way.
void Thelpf::find_next() {
    HWND view = item(ID_RichEdit_TeciFake);
    HWND edit = item(ID_Edit1);
    const std::string needle = control_text(edit);
    FINDTEXTEXA find{};
    find.chrg.cpMin = search_pos;
    find.chrg.cpMax = -1;
    find.lpstrText = needle.c_str();
    const LRESULT p = SendMessageA(view, EM_FINDTEXTEX, FR_DOWN, reinterpret_cast<LPARAM>(&find));
    if (p >= 0) {
        const LONG at = static_cast<LONG>(p);
        // A place past the end of the text is taken as the end.
        CHARRANGE ahead{at + kLookAhead, at + kLookAhead + 1};
        SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&ahead));
        SendMessageA(view, EM_SCROLLCARET, 0, 0);
        CHARRANGE match{at, at + static_cast<LONG>(needle.size())};
        SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&match));
        SendMessageA(view, EM_SCROLLCARET, 0, 0);
        search_pos = at + 1;
    } else {
        search_pos = 0;
    }
    SetFocus(view);
}

bool Thelpf::preview_key(const MSG& msg) {
    if (!handle() || (msg.hwnd != handle() && !IsChild(handle(), msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN &&
        (msg.wParam == VK_F3 || (msg.wParam == VK_RETURN && msg.hwnd == item(ID_Edit1)))) {
        find_next();
        return true;
    }
    return route_window_key(handle(), msg);
}

}  // namespace vq
