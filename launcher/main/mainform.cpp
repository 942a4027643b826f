// The main window: creation from the form table, anchors on resize, the
// routing of messages to the handlers, and the message loop.
#include "main/mainform.h"

#include <cstring>
#include <stdexcept>

#include "main/close_path.h"
#include "main/form.h"
#include "options/options.h"
#include "support/messages.h"

TForm1* Form1 = nullptr;
unsigned char listorder = 1;
bool listkeydown = false;
bool ctrlq = false;

namespace {

constexpr UINT WM_APP_STARTUP = WM_APP + 1;
WNDPROC g_edit_proc = nullptr;
WNDPROC g_list_proc = nullptr;

// Failures that no handler caught end that handler and are shown here.
void report_failure(const char* what) {
    errorf("%s", {std::string(what)});
}

LRESULT CALLBACK form_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        static_cast<TForm1*>(cs->lpCreateParams)->handle = h;
    }
    auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    if (!form) return DefWindowProcA(h, msg, wp, lp);
    try {
        return form->wndproc(msg, wp, lp);
    } catch (const std::exception& e) {
        report_failure(e.what());
    }
    return 0;
}

LRESULT CALLBACK edit_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        // Alt combinations arrive as system keys; Enter and Down act whatever
        // modifier keys are held, so they pass the same handler.
        if (Form1 && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && !Form1->EditKeyDown(wp)) return 0;
        if (Form1 && msg == WM_CHAR && !Form1->EditKeyPress(wp)) return 0;
    } catch (const std::exception& e) {
        report_failure(e.what());
        return 0;
    }
    return CallWindowProcA(g_edit_proc, h, msg, wp, lp);
}

LRESULT CALLBACK list_proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    try {
        if (Form1 && (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && !Form1->ListBoxKeyDown(wp)) return 0;
        if (Form1 && (msg == WM_KEYUP || msg == WM_SYSKEYUP)) Form1->ListBoxKeyUp();
        if (msg == WM_CHAR && wp == '\r') return 0;
    } catch (const std::exception& e) {
        report_failure(e.what());
        return 0;
    }
    return CallWindowProcA(g_list_proc, h, msg, wp, lp);
}

HFONT make_font(int pixels, const char* face) {
    return CreateFontA(-pixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

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

}  // namespace

bool TForm1::create(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = form_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "TForm1";
    if (!RegisterClassA(&wc)) return false;

    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT r{0, 0, vq::kFormClientWidth, vq::kFormClientHeight};
    AdjustWindowRectEx(&r, style, FALSE, 0);
    if (!CreateWindowExA(0, "TForm1", "Form1", style, CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left,
                         r.bottom - r.top, nullptr, nullptr, instance, this))
        return false;

    font_form_ = make_font(11, "MS Sans Serif");
    font_edit_ = make_font(13, "Courier New");
    font_list_ = make_font(11, "Courier New");
    SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_form_), FALSE);

    size_t n = 0;
    const vq::ControlDef* defs = vq::form_controls(&n);
    for (size_t i = 0; i < n; ++i) {
        const vq::ControlDef& d = defs[i];
        const char* cls = "STATIC";
        DWORD st = WS_CHILD | (d.visible ? WS_VISIBLE : 0) | (d.tab >= 0 ? WS_TABSTOP : 0);
        DWORD ex = 0;
        switch (d.kind) {
            case vq::ControlKind::Edit:
                cls = "EDIT";
                st |= ES_AUTOHSCROLL;
                ex = WS_EX_CLIENTEDGE;
                break;
            case vq::ControlKind::ListBox:
                cls = "LISTBOX";
                st |= LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_HSCROLL;
                ex = WS_EX_CLIENTEDGE;
                break;
            case vq::ControlKind::Label:
                cls = "STATIC";
                st |= SS_LEFT | SS_NOPREFIX;
                break;
            case vq::ControlKind::Button:
                cls = "BUTTON";
                st |= BS_PUSHBUTTON;
                break;
            case vq::ControlKind::CheckBox:
                cls = "BUTTON";
                st |= BS_AUTOCHECKBOX;
                break;
        }
        HWND c = CreateWindowExA(ex, cls, d.caption, st, d.left, d.top, d.width, d.height, handle,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)), instance, nullptr);
        if (!c) return false;
        HFONT f = d.font == vq::ControlFont::CourierEdit   ? font_edit_
                  : d.font == vq::ControlFont::CourierList ? font_list_
                                                           : font_form_;
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
        if (d.item_height > 0) SendMessageA(c, LB_SETITEMHEIGHT, 0, d.item_height);
        switch (d.id) {
            case vq::ID_Edit:
                Edit = c;
                break;
            case vq::ID_ListBox:
                ListBox = c;
                break;
            case vq::ID_BitBtn_cancel:
                BitBtn_cancel = c;
                break;
            case vq::ID_BitBtn_OK:
                BitBtn_OK = c;
                break;
            case vq::ID_CheckBox_DontSave:
                CheckBox_DontSave = c;
                break;
            case vq::ID_Label_stat:
                Label_stat = c;
                break;
            case vq::ID_BitBtn_Find:
                BitBtn_Find = c;
                break;
            case vq::ID_BitBtn_Back:
                BitBtn_Back = c;
                break;
            default:
                break;
        }
    }
    g_edit_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(Edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit_proc)));
    g_list_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(ListBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_proc)));
    return true;
}

void TForm1::apply_anchors() {
    // Automatic scroll bars: a client area smaller than the controls need
    // gets a scroll bar, and the controls are laid out for the needed size
    // and shifted by the scroll position.
    auto shown = [this](int id) {
        HWND c = GetDlgItem(handle, id);
        return c && (GetWindowLongA(c, GWL_STYLE) & WS_VISIBLE);
    };
    const int need_w = vq::auto_scroll_range(false, shown);
    const int need_h = vq::auto_scroll_range(true, shown);
    RECT cr;
    GetClientRect(handle, &cr);
    // Showing or hiding a bar changes the client area (and sends WM_SIZE,
    // which lays out again); the layout below reads the area afterwards.
    auto set_bar = [this](int bar, int need, int have, int& pos) {
        if (need <= have)
            pos = 0;
        else if (pos > need - have)
            pos = need - have;
        if (pos < 0) pos = 0;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        si.nMax = need > have ? need - 1 : 0;
        si.nPage = need > have ? static_cast<UINT>(have) : 0;
        si.nPos = pos;
        SetScrollInfo(handle, bar, &si, TRUE);
    };
    set_bar(SB_HORZ, need_w, cr.right, scroll_x_);
    GetClientRect(handle, &cr);
    set_bar(SB_VERT, need_h, cr.bottom, scroll_y_);
    GetClientRect(handle, &cr);
    if (scroll_x_ > need_w - cr.right) scroll_x_ = need_w > cr.right ? need_w - cr.right : 0;
    if (scroll_y_ > need_h - cr.bottom) scroll_y_ = need_h > cr.bottom ? need_h - cr.bottom : 0;
    const int lay_w = cr.right > need_w ? cr.right : need_w;
    const int lay_h = cr.bottom > need_h ? cr.bottom : need_h;

    size_t n = 0;
    const vq::ControlDef* defs = vq::form_controls(&n);
    HDWP dwp = BeginDeferWindowPos(static_cast<int>(n));
    for (size_t i = 0; i < n; ++i) {
        HWND c = GetDlgItem(handle, defs[i].id);
        if (!c) continue;
        vq::Rect r = vq::anchored_rect(defs[i], lay_w, lay_h);
        if (dwp)
            dwp = DeferWindowPos(dwp, c, nullptr, r.left - scroll_x_, r.top - scroll_y_, r.width, r.height,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (dwp) EndDeferWindowPos(dwp);
}

void TForm1::on_scroll(int bar, int code) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    if (!GetScrollInfo(handle, bar, &si)) return;
    int pos = si.nPos;
    switch (code) {
        case SB_LINEUP:
            pos -= 8;
            break;
        case SB_LINEDOWN:
            pos += 8;
            break;
        case SB_PAGEUP:
            pos -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pos += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pos = si.nTrackPos;
            break;
        case SB_TOP:
            pos = si.nMin;
            break;
        case SB_BOTTOM:
            pos = si.nMax;
            break;
        default:
            return;
    }
    (bar == SB_VERT ? scroll_y_ : scroll_x_) = pos < 0 ? 0 : pos;
    apply_anchors();
}

void TForm1::set_status(const std::string& text) {
    SetWindowTextA(Label_stat, text.c_str());
}
void TForm1::set_caption(const std::string& text) {
    SetWindowTextA(handle, text.c_str());
}

std::string TForm1::edit_text() const {
    int n = GetWindowTextLengthA(Edit);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = GetWindowTextA(Edit, s.data(), n + 1);
    s.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return s;
}

void TForm1::set_edit_text(const std::string& text) {
    SetWindowTextA(Edit, text.c_str());
}

void TForm1::set_edit_selection(int start, int length) {
    SendMessageA(Edit, EM_SETSEL, start, start + length);
}

int TForm1::edit_selstart() const {
    DWORD s = 0, e = 0;
    SendMessageA(Edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return static_cast<int>(s);
}

int TForm1::item_count() const {
    return static_cast<int>(SendMessageA(ListBox, LB_GETCOUNT, 0, 0));
}

std::string TForm1::item_text(int index) const {
    LRESULT n = SendMessageA(ListBox, LB_GETTEXTLEN, index, 0);
    if (n == LB_ERR) return {};
    std::string s(static_cast<size_t>(n) + 1, '\0');
    n = SendMessageA(ListBox, LB_GETTEXT, index, reinterpret_cast<LPARAM>(s.data()));
    s.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return s;
}

THistEntry* TForm1::item_entry(int index) const {
    LRESULT d = SendMessageA(ListBox, LB_GETITEMDATA, index, 0);
    return d == LB_ERR ? nullptr : reinterpret_cast<THistEntry*>(d);
}

std::vector<vq::ListItem> TForm1::list_items() const {
    std::vector<vq::ListItem> items;
    const int n = item_count();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        THistEntry* e = item_entry(i);
        items.push_back({item_text(i), e ? e->age : -1});
    }
    return items;
}

void TForm1::set_items(std::vector<std::pair<std::string, THistEntry*>> items) {
    SendMessageA(ListBox, WM_SETREDRAW, FALSE, 0);
    SendMessageA(ListBox, LB_RESETCONTENT, 0, 0);
    size_t bytes = 0;
    for (const auto& it : items) bytes += it.first.size() + 1;
    SendMessageA(ListBox, LB_INITSTORAGE, items.size(), bytes);
    // Thousands of items: the list's own procedure is called directly, which
    // spares the message dispatch of each call.
    for (auto& it : items) {
        LRESULT i = CallWindowProcA(g_list_proc, ListBox, LB_ADDSTRING, 0,
                                    reinterpret_cast<LPARAM>(it.first.c_str()));
        if (i == LB_ERR || i == LB_ERRSPACE) {
            delete it.second;
            continue;
        }
        CallWindowProcA(g_list_proc, ListBox, LB_SETITEMDATA, i, reinterpret_cast<LPARAM>(it.second));
    }
    SendMessageA(ListBox, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(ListBox, nullptr, TRUE);
}

void TForm1::run_request() {
    if (starting || !startup_done) {
        // Held like a close request (see close()); start-up's own result value
        // must not overwrite it.
        held_run_ = true;
        return;
    }
    modalresult = mrOk;
    close();
}

void TForm1::close() {
    if (starting || !startup_done) {
        // Start-up (and with it the history load) has not finished: the request
        // is carried out when it has, so a run never saves a list that is not
        // loaded yet.
        held_close_ = true;
        return;
    }
    if (!handle) return;
    if (closing_) {
        close_requested_during_closedown();
        return;
    }
    closing_ = true;
    bool keep_open = false;
    FormClose(keep_open);
    closing_ = false;
    if (!keep_open) DestroyWindow(handle);
}

void TForm1::FormShow() {
    if (startup_done) return;
    starting = true;
    try {
        startup();
    } catch (...) {
        finish_startup();
        throw;
    }
    finish_startup();
}

void TForm1::finish_startup() {
    starting = false;
    if (held_close_) {
        // A close (Cancel, or the end of start-up itself) wins over a run.
        held_close_ = held_run_ = false;
        close();
    } else if (held_run_) {
        held_run_ = false;
        run_request();
    }
}

// Buttons and list notifications.
void TForm1::on_command(int id, int code, HWND) {
    switch (id) {
        case vq::ID_BitBtn_OK:
            if (code == BN_CLICKED) run_request();
            break;
        case vq::ID_BitBtn_cancel:
            if (code == BN_CLICKED) {
                cancelled = true;
                modalresult = mrCancel;
                close();
            }
            break;
        case vq::ID_ListBox:
            if (code == LBN_SELCHANGE)
                ListBoxClick();
            else if (code == LBN_DBLCLK)
                ListBoxDblClick();
            break;
        case vq::ID_BitBtn_Find:
            if (code == BN_CLICKED) findentry();
            break;
        case vq::ID_BitBtn_Back:
            if (code == BN_CLICKED) goback();
            break;
        default:
            break;
    }
}

LRESULT TForm1::wndproc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_SIZE:
            apply_anchors();
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            on_scroll(msg == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wp));
            return 0;
        case WM_SHOWWINDOW:
            // Start-up runs once the window is on the screen, from the loop.
            if (wp && !startup_done) PostMessageA(handle, WM_APP_STARTUP, 0, 0);
            break;
        case WM_APP_STARTUP:
            FormShow();
            return 0;
        case WM_COMMAND:
            on_command(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_ACTIVATE:
            // Coming back (after a message box, or from another program) puts the
            // focus where it was, or into the Edit box; without this it would be
            // on the window itself and typed keys would go nowhere.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && IsChild(handle, f)) focus_before_ = f;
            } else if (!HIWORD(wp)) {
                HWND f = focus_before_;
                if (!f || !IsWindow(f) || !IsChild(handle, f) || !IsWindowVisible(f) || !IsWindowEnabled(f))
                    f = Edit;
                SetFocus(f);
                return 0;
            }
            break;
        case WM_CLOSE:
            close();
            return 0;
        case WM_DESTROY:
            handle = nullptr;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(handle, msg, wp, lp);
}

bool TForm1::pretranslate(const MSG& msg) {
    if (!handle || (msg.hwnd != handle && !IsChild(handle, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        switch (msg.wParam) {
            case VK_TAB:
                if (GetKeyState(VK_CONTROL) < 0) return false;
                if (HWND next = GetNextDlgTabItem(handle, GetFocus(), shift)) {
                    SetFocus(next);
                    if (next == Edit) SendMessageA(Edit, EM_SETSEL, 0, -1);
                }
                return true;
            case VK_ESCAPE:
                SendMessageA(BitBtn_cancel, BM_CLICK, 0, 0);
                return true;
            case VK_RETURN: {
                HWND f = GetFocus();
                char cls[16] = "";
                GetClassNameA(f, cls, sizeof cls);
                // Enter presses a focused push button; a check box keeps its state.
                const LONG type = f ? GetWindowLongA(f, GWL_STYLE) & BS_TYPEMASK : -1;
                if (f && _stricmp(cls, "Button") == 0 &&
                    (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
                    SendMessageA(f, BM_CLICK, 0, 0);
                    return true;
                }
                return false;
            }
            default:
                return false;
        }
    }
    if (msg.message == WM_SYSCHAR) {
        // Alt+letter presses the control whose caption holds that mnemonic.
        const char want = upper_char(static_cast<char>(msg.wParam & 0xFF));
        size_t n = 0;
        const vq::ControlDef* defs = vq::form_controls(&n);
        for (size_t i = 0; i < n; ++i) {
            HWND c = GetDlgItem(handle, defs[i].id);
            if (!c || !IsWindowVisible(c) || !IsWindowEnabled(c)) continue;
            if (mnemonic_of(defs[i].caption) != want) continue;
            // A button acts where the focus is (Find leaves it in the Edit box);
            // a check box takes the focus and toggles.
            if (defs[i].kind == vq::ControlKind::Button)
                on_command(defs[i].id, BN_CLICKED, c);
            else if (defs[i].kind == vq::ControlKind::CheckBox)
                SendMessageA(c, BM_CLICK, 0, 0);
            else
                SetFocus(c);
            return true;
        }
    }
    return false;
}

void process_pending_events() {
    MSG msg;
    for (;;) {
        // Everything but keyboard input; keys stay queued in their order.
        if (!PeekMessageA(&msg, nullptr, 0, WM_KEYFIRST - 1, PM_REMOVE) &&
            !PeekMessageA(&msg, nullptr, WM_KEYLAST + 1, 0xFFFFFFFF, PM_REMOVE))
            break;
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

int run_message_loop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (Form1 && Form1->pretranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
