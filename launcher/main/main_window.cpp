#include "main/main_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <exception>

#include "main/edit_keys.h"
#include "main/exec_text.h"
#include "main/favorites.h"
#include "main/find_back.h"
#include "main/form.h"
#include "main/list_order.h"
#include "main/resource.h"
#include "main/wide_window.h"
#include "support/control_text.h"
#include "support/keys.h"
#include "support/messages.h"
#include "window/dpi_scale.h"

namespace vq {

namespace {

// Posted when the window is first shown: start-up runs from the message
// loop, once the window is on the screen.
constexpr UINT WM_APP_STARTUP = WM_APP + 1;

unsigned held_mods() {
    unsigned m = 0;
    if (GetKeyState(VK_SHIFT) < 0) m |= kModShift;
    if (GetKeyState(VK_CONTROL) < 0) m |= kModCtrl;
    if (GetKeyState(VK_MENU) < 0) m |= kModAlt;
    return m;
}

// Lets waiting window events run, except keyboard input, which stays
// queued until start-up has finished (keys typed ahead then reach the
// filled-in window in order).
void process_pending_events() {
    MSG msg;
    for (;;) {
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

}  // namespace

TForm1::TForm1(Owner& owner, Options& options)
    : owner_(owner), options_(options), favorites_image_(kFavoritesGlyph, GlyphSide::Right) {}

bool TForm1::create(HINSTANCE instance) {
    if (!create_window(instance, {"TForm1", "Form1", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFormClientWidth,
                                  kFormClientHeight, CW_USEDEFAULT, CW_USEDEFAULT, IDI_VQ}))
        return false;
    fonts_.make(dpi(), form_controls());
    if (!create_form_controls(handle(), instance, form_controls(), fonts_, dpi())) return false;
    SetWindowSubclass(item(ID_Edit), SubclassProc<&TForm1::EditMessage>, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(item(ID_ListBox), SubclassProc<&TForm1::ListBoxMessage>, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    list_ = item(ID_ListBox);
    list_proc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrA(list_, GCLP_WNDPROC));
    SendMessageA(item(ID_RadioGroup_Sort_time), BM_SETCHECK, BST_CHECKED, 0);
    favorites_image_.attach(item(ID_BitBtn_Favorites));
    ok_image_.attach(item(ID_BitBtn_OK));
    cancel_image_.attach(item(ID_BitBtn_cancel));
    help_image_.attach(item(ID_BitBtn_Help));
    apply_anchors();
    return true;
}

// On a monitor of another scale: the fonts and list items at the new DPI,
// and a width saved before widening in the new pixels.  The layout follows
// with the size Windows suggests.
void TForm1::dpi_changed(int old_dpi) {
    fonts_.make(dpi(), form_controls());
    apply_form_fonts(handle(), form_controls(), fonts_, dpi(), true);
    if (savedwidth != 0) savedwidth = rescale_px(savedwidth, old_dpi, dpi());
    apply_anchors();
    InvalidateRect(handle(), nullptr, TRUE);
}

// The list holds thousands of items, and every message that passes the
// subclass costs a lookup of its data: item messages, which the subclass
// never acts on, go to the list box's own procedure directly.
LRESULT TForm1::list_send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcA(list_proc_, list_, message, wParam, lParam);
}

// ---- messages of the window ------------------------------------------------

LRESULT TForm1::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = handle();
    switch (message) {
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(hwnd, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(hwnd, WM_SHOWWINDOW, OnShowWindow);
        HANDLE_MSG(hwnd, WM_ACTIVATE, OnActivate);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_TIMER, OnTimer);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
        case WM_APP_STARTUP:
            FormShow();
            return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void TForm1::OnSize(HWND, UINT, int, int) {
    apply_anchors();
}

void TForm1::OnHScroll(HWND hwnd, HWND, UINT code, int) {
    layout_.scroll(hwnd, SB_HORZ, static_cast<int>(code), dpi());
}

void TForm1::OnVScroll(HWND hwnd, HWND, UINT code, int) {
    layout_.scroll(hwnd, SB_VERT, static_cast<int>(code), dpi());
}

void TForm1::OnShowWindow(HWND hwnd, BOOL show, UINT status) {
    if (show && !startup_done_) PostMessageA(hwnd, WM_APP_STARTUP, 0, 0);
    FORWARD_WM_SHOWWINDOW(hwnd, show, status, DefWindowProcA);
}

void TForm1::OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized) {
    // Coming back (after a message box, or from another program) puts the
    // focus where it was, or into the Edit box; without this it would be on
    // the window itself and typed keys would go nowhere.
    if (state == WA_INACTIVE) {
        HWND f = GetFocus();
        if (f && IsChild(hwnd, f)) focus_before_ = f;
    } else if (!minimized) {
        HWND f = focus_before_;
        if (!f || !IsWindow(f) || !IsChild(hwnd, f) || !IsWindowVisible(f) || !IsWindowEnabled(f))
            f = item(ID_Edit);
        SetFocus(f);
        return;
    }
    FORWARD_WM_ACTIVATE(hwnd, state, other, minimized, DefWindowProcA);
}

// The controls' notifications, to the handler of each control.
void TForm1::OnCommand(HWND, int id, HWND, UINT code) {
    switch (id) {
        case ID_BitBtn_OK:
            if (code == BN_CLICKED) BitBtn_OKClick();
            break;
        case ID_BitBtn_cancel:
            if (code == BN_CLICKED) BitBtn_cancelClick();
            break;
        case ID_BitBtn_Find:
            if (code == BN_CLICKED) BitBtn_FindClick();
            break;
        case ID_BitBtn_Back:
            if (code == BN_CLICKED) BitBtn_BackClick();
            break;
        case ID_ListBox:
            if (code == LBN_SELCHANGE) ListBoxClick();
            if (code == LBN_DBLCLK) ListBoxDblClick();
            break;
        case ID_BitBtn_Delete:
            if (code == BN_CLICKED) BitBtn_DeleteClick();
            break;
        case ID_BitBtn_restoreexec:
            if (code == BN_CLICKED) BitBtn_restoreexecClick();
            break;
        case ID_BitBtn_Help:
            if (code == BN_CLICKED) BitBtn_HelpClick();
            break;
        case ID_button_wide:
            if (code == BN_CLICKED) button_wideClick();
            break;
        case ID_Checkbox_Debug:
            if (code == BN_CLICKED) Checkbox_DebugClick();
            break;
        case ID_CheckBox_DontSave:
            if (code == BN_CLICKED) CheckBox_DontSaveClick();
            break;
        case ID_CheckBox_SaveJunk:
            if (code == BN_CLICKED) CheckBox_SaveJunkClick();
            break;
        case ID_CheckBox_WaitExec:
            if (code == BN_CLICKED) CheckBox_WaitExecClick();
            break;
        case ID_RadioGroup_Sort_time:
        case ID_RadioGroup_Sort_alpha:
            if (code == BN_CLICKED) {
                SendMessageA(item(ID_RadioGroup_Sort_time), BM_SETCHECK, id == ID_RadioGroup_Sort_time, 0);
                SendMessageA(item(ID_RadioGroup_Sort_alpha), BM_SETCHECK, id == ID_RadioGroup_Sort_alpha, 0);
                Sort_click();
            }
            break;
        case ID_CheckBox_Reverse:
            if (code == BN_CLICKED) Sort_click();
            break;
        case ID_BitBtn_Favorites:
            if (code == BN_CLICKED) BitBtn_FavoritesClick();
            break;
        case ID_ListBox_Favorites:
            if (code == LBN_SELCHANGE) ListBox_FavoritesClick();
            if (code == LBN_DBLCLK) ListBox_FavoritesDblClick();
            break;
        default:
            break;
    }
}

void TForm1::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    draw_image_button(*item);
}

void TForm1::OnTimer(HWND, UINT id) {
    if (id == ID_Timer_OnTop) Timer_OnTopTimer();
    if (id == ID_Timer_favorites) Timer_favoritesTimer();
}

void TForm1::OnClose(HWND) {
    given_up_ = true;
    close();
}

void TForm1::OnDestroy(HWND) {
    PostQuitMessage(0);
}

// ---- start-up and close ----------------------------------------------------

void TForm1::FormShow() {
    if (startup_done_) return;
    startup_done_ = true;
    starting_ = true;
    try {
        owner_.on_first_show();
    } catch (...) {
        finish_startup();
        throw;
    }
    finish_startup();
}

void TForm1::finish_startup() {
    starting_ = false;
    if (held_close_) {
        // A close (Cancel, or the end of start-up itself) wins over a run.
        held_close_ = held_run_ = false;
        close();
    } else if (held_run_) {
        held_run_ = false;
        run_request();
    }
}

void TForm1::run_request() {
    if (held(held_run_)) return;
    modalresult = mrOk;
    close();
}

void TForm1::close() {
    if (held(held_close_)) return;
    if (handle()) FormClose();
}

// Until start-up (and with it the history load) has finished, a run or
// close request only leaves its mark and is carried out afterwards, so a
// run never saves a list that is not loaded yet; start-up's own result
// value does not overwrite a held run.
bool TForm1::held(bool& request) {
    if (startup_done_ && !starting_) return false;
    request = true;
    return true;
}

// The close handler.  A close request that arrives while the close path
// runs (during one of its questions) only ends its run loop.
void TForm1::FormClose() {
    // Nothing pulls the window in front of what the run starts.
    disable_ontop_timer();
    if (closing_) {
        stoprun = true;
        return;
    }
    closing_ = true;
    stoprun = false;
    const bool closes = owner_.on_close();
    closing_ = false;
    if (closes) DestroyWindow(handle());
}

// ---- buttons ---------------------------------------------------------------

void TForm1::BitBtn_OKClick() {
    run_request();
}

void TForm1::BitBtn_cancelClick() {
    given_up_ = true;
    cancelled = true;
    modalresult = mrCancel;
    close();
}

// Find: asks about each item that holds the Edit box's text, in turn,
// until the user says yes.
void TForm1::BitBtn_FindClick() {
    const std::string what = edit_text();
    const int n = item_count();
    for (int i = 0; i < n; ++i) {
        const std::string text = item_text(i);
        if (!find_matches(what.c_str(), text.c_str())) continue;
        list_send(LB_SETCARETINDEX, i, FALSE);
        list_send(LB_SETSEL, TRUE, i);
        if (yesnof("is \"%s\" it?", {text})) break;
    }
}

// Back: one entry further back in the list (with Shift, one forward), into
// the Edit box.
void TForm1::BitBtn_BackClick() {
    list_send(LB_SETSEL, FALSE, -1);
    backpos = next_backpos(backpos, GetKeyState(VK_SHIFT) < 0);
    if (backpos >= 0 && backpos < item_count()) list_send(LB_SETCARETINDEX, backpos, FALSE);
    ListBoxClick();
}

// Delete: the selected entries leave the list, after a question; the file
// changes only if the list is saved later.
void TForm1::BitBtn_DeleteClick() {
    const int selected = static_cast<int>(list_send(LB_GETSELCOUNT, 0, 0));
    if (selected <= 0 || !yesnof("Delete %d entries", {selected})) return;
    changed = true;
    for (int i = item_count() - 1; i >= 0; --i)
        if (list_send(LB_GETSEL, i, 0) > 0) removeentry(i, true);
}

// Restore exec: the -exec text back into the Edit box, the caret before it.
void TForm1::BitBtn_restoreexecClick() {
    SetFocus(item(ID_Edit));
    set_edit_text(exectext);
    set_edit_selection(0, 0);
}

void TForm1::BitBtn_HelpClick() {
    owner_.on_help();
}

// Wide: the window takes `widepercent` of the screen width (only if that is
// wider); unwide gives it its width back.
void TForm1::button_wideClick() {
    HWND hwnd = handle();
    RECT r;
    GetWindowRect(hwnd, &r);
    const int height = r.bottom - r.top;
    if (savedwidth == 0) {
        const WindowSpan now{r.left, r.right - r.left};
        const auto wide = widened(GetSystemMetrics(SM_CXSCREEN), options_.widepercent, now);
        if (!wide) return;
        savedwidth = now.width;
        SetWindowPos(hwnd, nullptr, wide->left, r.top, wide->width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowTextA(item(ID_button_wide), "unw&ide");
        refocusedit();
        // The caret where the selection began, and the box scrolled back
        // toward the start of the text.
        DWORD start = 0;
        SendMessageA(item(ID_Edit), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        set_edit_selection(0, 0);
        set_edit_selection(static_cast<int>(start), 0);
    } else {
        SetWindowPos(hwnd, nullptr, 0, 0, savedwidth, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        savedwidth = 0;
        SetWindowTextA(item(ID_button_wide), "w&ide");
    }
}

void TForm1::Checkbox_DebugClick() {
    options_.bug = checked(ID_Checkbox_Debug);
}

void TForm1::CheckBox_DontSaveClick() {
    exclude_check(ID_CheckBox_DontSave, ID_CheckBox_SaveJunk, in_dontsave_click_);
}

void TForm1::CheckBox_SaveJunkClick() {
    exclude_check(ID_CheckBox_SaveJunk, ID_CheckBox_DontSave, in_savejunk_click_);
}

void TForm1::exclude_check(int clicked, int other, bool& guard) {
    if (guard) return;
    guard = true;
    if (checked(clicked)) set_checked(other, false);
    guard = false;
}

void TForm1::CheckBox_WaitExecClick() {
    refocusedit();
}

// The first tick takes the count from `ontoptime`; the last one stops the
// timer.  While a message box of the launcher is open the window stays
// where it is, so that the box is not hidden behind it.
void TForm1::Timer_OnTopTimer() {
    if (ontopcount < 0) ontopcount = options_.ontoptime;
    if (--ontopcount <= 0) disable_ontop_timer();
    if (IsWindowEnabled(handle())) SetForegroundWindow(handle());
}

void TForm1::enable_ontop_timer() {
    SetTimer(handle(), ID_Timer_OnTop, 100, nullptr);
}

void TForm1::disable_ontop_timer() {
    if (handle()) KillTimer(handle(), ID_Timer_OnTop);
}

void TForm1::refocusedit() {
    HWND edit = item(ID_Edit);
    DWORD s = 0, e = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    SetFocus(edit);
    set_edit_selection(static_cast<int>(s), static_cast<int>(e - s));
}

// ---- the history list and the Edit box --------------------------------------

// A click, or a selection moved with the keyboard: only a click (or Enter)
// takes the entry into the Edit box.
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
    HWND edit = item(ID_Edit);
    DWORD s = 0, e = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    const EditBoxState box{static_cast<int>(s), static_cast<int>(e - s), GetWindowTextLengthA(edit)};
    const int k = static_cast<int>(key);
    const unsigned mods = held_mods();
    const bool special = k == VK_RETURN || k == VK_DOWN;
    const bool is_char = !special && (mods == 0 || mods == kModShift) && is_char_key(k);
    const EditKeyAction a = edit_key_down(k, mods, is_char, box, ctrlq);
    if (a.run) {
        run_request();
        return false;
    }
    if (a.focus_list) {
        SetFocus(item(ID_ListBox));
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
        // Ctrl+A selects the whole text.  The character itself is kept from
        // the edit control, which has no use for it.
        set_edit_selection(0, GetWindowTextLengthA(item(ID_Edit)));
        return false;
    }
    return true;
}

// The Edit box's keys go to its key handlers first.  Alt combinations
// arrive as system keys; Enter and Down act whatever modifier keys are
// held, so they pass the same handler.
bool TForm1::EditMessage(UINT message, WPARAM& wParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return !EditKeyDown(wParam);
        case WM_CHAR:
            return !EditKeyPress(wParam);
        default:
            return false;
    }
}

bool TForm1::ListBoxMessage(UINT message, WPARAM& wParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            return !ListBoxKeyDown(wParam);
        case WM_KEYUP:
        case WM_SYSKEYUP:
            ListBoxKeyUp();
            return false;
        case WM_CHAR:
            return wParam == '\r';
        default:
            return false;
    }
}

template <bool (TForm1::*Filter)(UINT, WPARAM&)>
LRESULT CALLBACK TForm1::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, SubclassProc<Filter>, id);
    try {
        if ((reinterpret_cast<TForm1*>(self)->*Filter)(message, wParam)) return 0;
    } catch (const std::exception& e) {
        report_failure(e.what());
        return 0;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// ---- sorting ---------------------------------------------------------------

// The radio group and Reverse: the order they ask for.
void TForm1::Sort_click() {
    const bool alpha = checked(ID_RadioGroup_Sort_alpha);
    // Tab reaches the group at its checked item.
    for (int id : {ID_RadioGroup_Sort_time, ID_RadioGroup_Sort_alpha}) {
        HWND radio = item(id);
        const LONG style = GetWindowLongA(radio, GWL_STYLE);
        SetWindowLongA(radio, GWL_STYLE, checked(id) ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    }
    setorder(order_for(alpha, checked(ID_CheckBox_Reverse)));
}

// Sorting clears the list's selection.  When the sort fails, `listorder_`
// keeps naming the order the list is shown in, so that a save still knows
// whether the list is oldest first.
void TForm1::setorder(int order) {
    if (order == listorder_) return;
    const int n = item_count();
    OrderItems items;
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) items.emplace_back(item_text(i), item_entry(i));
    try {
        sort_items(items, order);
    } catch (const std::exception& e) {
        errorf("sort error: %s", {std::string(e.what())});
        return;
    }
    set_items(std::move(items));
    listorder_ = static_cast<unsigned char>(order);
}

// The -gui: road's last look at the command built from the file template:
// the Edit box, OK and Cancel and a few check boxes, without the history
// list and the controls that work on it; 150 pixels high (at 96 DPI) and
// twice as wide, with Repeat key checked.
void TForm1::show_reduced() {
    for (int id : {ID_ListBox, ID_RadioGroup_Sort, ID_RadioGroup_Sort_time, ID_RadioGroup_Sort_alpha,
                   ID_CheckBox_Reverse, ID_BitBtn_Delete, ID_BitBtn_Find, ID_BitBtn_Favorites,
                   ID_CheckBox_DontSave, ID_CheckBox_SaveJunk, ID_BitBtn_Help})
        ShowWindow(item(id), SW_HIDE);
    move_control(ID_Checkbox_Debug, 64);
    set_checked(ID_CheckBox_WaitExec, true);
    RECT r;
    GetWindowRect(handle(), &r);
    SetWindowPos(handle(), nullptr, 0, 0, 2 * (r.right - r.left), scale_px(150, dpi()),
                 SWP_NOMOVE | SWP_NOZORDER);
    apply_anchors();
}

bool TForm1::selectfirst() {
    if (item_count() == 0) return false;
    int cur = static_cast<int>(list_send(LB_GETCARETINDEX, 0, 0));
    if (cur < 0 || cur >= item_count()) {
        cur = 0;
        list_send(LB_SETCARETINDEX, 0, FALSE);
    }
    list_send(LB_SETSEL, TRUE, cur);
    return true;
}

void TForm1::takeselection() {
    if (selectfirst()) {
        const int cur = static_cast<int>(list_send(LB_GETCARETINDEX, 0, 0));
        set_edit_text(item_text(cur));
    }
    SetFocus(item(ID_Edit));
    set_edit_selection(0, 1000);
}

void TForm1::getexectext() {
    exectext = exec_text_of(GetCommandLineA());
    set_edit_text(exectext);
    show_control(ID_BitBtn_restoreexec);
}

// ---- control access --------------------------------------------------------

void TForm1::show_status(const std::string& text) {
    HWND label = item(ID_Label_stat);
    set_control_text(label, text);
    UpdateWindow(label);
}

bool TForm1::showprogress(std::string_view format, const Args& args) {
    set_control_text(item(ID_Label_stat), sformat(format, args));
    process_pending_events();
    if (handle()) UpdateWindow(handle());
    return cancelled;
}

bool TForm1::pause_answering(unsigned ms) {
    given_up_ = false;
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (!given_up_ && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            owner_.dispatch(msg);
        }
        const DWORD waited = GetTickCount() - start;
        if (given_up_ || waited >= ms) return !given_up_;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - waited, QS_ALLINPUT);
    }
}

void TForm1::set_caption(const std::string& text) {
    set_control_text(handle(), text);
}

void TForm1::show_control(int id) {
    ShowWindow(item(id), SW_SHOWNA);
    apply_anchors();  // a visible control counts for the scroll range
}

bool TForm1::checked(int id) const {
    return SendMessageA(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm1::set_checked(int id, bool on) {
    SendMessageA(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

std::string TForm1::edit_text() const {
    return control_text(item(ID_Edit));
}

void TForm1::set_edit_text(const std::string& text) {
    set_control_text(item(ID_Edit), text);
}

void TForm1::set_edit_selection(int start, int length) {
    SendMessageA(item(ID_Edit), EM_SETSEL, start, start + length);
}

int TForm1::item_count() const {
    return static_cast<int>(list_send(LB_GETCOUNT, 0, 0));
}

std::string TForm1::item_text(int index) const {
    return list_item_text(list_, index);
}

THistEntry* TForm1::item_entry(int index) const {
    LRESULT d = list_send(LB_GETITEMDATA, index, 0);
    return d == LB_ERR ? nullptr : reinterpret_cast<THistEntry*>(d);
}

std::vector<ListItem> TForm1::list_items() const {
    std::vector<ListItem> items;
    const int n = item_count();
    items.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        THistEntry* e = item_entry(i);
        items.push_back({item_text(i), e ? e->age : -1});
    }
    return items;
}

void TForm1::set_items(std::vector<std::pair<std::string, THistEntry*>> items) {
    std::vector<std::string_view> texts;
    texts.reserve(items.size());
    for (const auto& it : items) texts.emplace_back(it.first);
    fill_list(texts, [&items](size_t at, bool added) -> THistEntry* {
        if (added) return items[at].second;
        delete items[at].second;
        return nullptr;
    });
}

void TForm1::set_items(const std::vector<std::string_view>& texts) {
    listorder_ = kOrderNewestFirst;
    fill_list(texts, [](size_t at, bool added) {
        return added ? new THistEntry(static_cast<int32_t>(at)) : nullptr;
    });
}

// The list box keeps its texts in UTF-16, and every ANSI item message costs
// a conversion into a fresh buffer: the texts go in converted the same way
// (the ANSI code page) through one reused buffer.
void TForm1::fill_list(const std::vector<std::string_view>& texts,
                       const std::function<THistEntry*(size_t at, bool added)>& entry) {
    const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list_, GCLP_WNDPROC));
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(proc, list_, message, wParam, lParam);
    };
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    send(LB_RESETCONTENT, 0, 0);
    size_t chars = 0;
    for (std::string_view t : texts) chars += t.size() + 1;
    send(LB_INITSTORAGE, texts.size(), chars * sizeof(wchar_t));
    std::vector<wchar_t> wide(256);
    for (size_t at = 0; at < texts.size(); ++at) {
        const std::string_view t = texts[at];
        if (wide.size() < t.size() + 1) wide.resize(t.size() + 1);
        const int n = t.empty() ? 0
                                : MultiByteToWideChar(CP_ACP, 0, t.data(), static_cast<int>(t.size()),
                                                      wide.data(), static_cast<int>(wide.size() - 1));
        wide[static_cast<size_t>(n > 0 ? n : 0)] = L'\0';
        const LRESULT i = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.data()));
        const bool added = i != LB_ERR && i != LB_ERRSPACE;
        THistEntry* e = entry(at, added);
        if (added) send(LB_SETITEMDATA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(e));
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void TForm1::free_entries() {
    const int n = item_count();
    for (int i = 0; i < n; ++i) removeentry(i, false);
}

void TForm1::removeentry(int index, bool remove) {
    delete item_entry(index);
    list_send(LB_SETITEMDATA, index, 0);
    if (remove) list_send(LB_DELETESTRING, index, 0);
}

}  // namespace vq
