#include "help/help_window.h"

#include <commctrl.h>
#include <richedit.h>

#include "support/control_text.h"
#include "support/files.h"
#include "support/format.h"
#include "support/messages.h"

namespace vq {

namespace {

// Posted by the showing: the focus goes to the search box once the window
// is on the screen.
constexpr UINT WM_APP_FOCUS = WM_APP + 1;

// A search shows up to this many characters of the text after the match.
constexpr int kLookAhead = 200;

}  // namespace

Thelpf::Thelpf() : SecondaryWindow(help_form()) {}

bool Thelpf::create(HINSTANCE instance) {
    instance_ = instance;
    // The controls come at the first showing (create_panel, create_views).
    const FormTable form = help_form();
    return create_window(
        instance, {"Thelpf", "helpf", WS_OVERLAPPEDWINDOW, form.client_width, form.client_height, 327, 168});
}

// The search panel and the tab control, made at the first showing like
// the views: the first screen does not need them.
bool Thelpf::create_panel() {
    if (item(ID_PageControl1)) return true;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);
    if (!create_controls(instance_, help_form().controls.first(kHelpFirstView))) return false;
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
    if (!create_controls(instance_, help_form().controls.subspan(kHelpFirstView))) return false;
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

void Thelpf::OnShowWindow(HWND hwnd, BOOL show, UINT status) {
    if (show) FormShow();
    SecondaryWindow::OnShowWindow(hwnd, show, status);
}

void Thelpf::OnCommand(HWND, int id, HWND, UINT code) {
    if (id == ID_Edit1 && code == EN_CHANGE) Edit1Change();
    if (id == ID_Button_Search && code == BN_CLICKED) find_next();
}

void Thelpf::OnClose(HWND hwnd) {
    FormClose();
    SecondaryWindow::OnClose(hwnd);
}

void Thelpf::OnPosted(HWND, UINT message) {
    if (message == WM_APP_FOCUS) SetFocus(item(ID_Edit1));
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
    return SecondaryWindow::preview_key(msg);
}

}  // namespace vq
