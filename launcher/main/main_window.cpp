#include "main/main_window.h"

#include <commctrl.h>

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
    : FormWindow(form_table()),
      owner_(owner),
      options_(options),
      favorites_image_(kFavoritesGlyph, GlyphSide::Right) {}

bool TForm1::create(HINSTANCE instance) {
    if (!create_window(instance, {"TForm1", "Form1", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kFormClientWidth,
                                  kFormClientHeight, CW_USEDEFAULT, CW_USEDEFAULT, IDI_VQ}))
        return false;
    if (!create_controls(instance, form_controls())) return false;
    SetWindowSubclass(item(ID_Edit), SubclassProc<&TForm1::EditMessage>, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(item(ID_ListBox), SubclassProc<&TForm1::ListBoxMessage>, 0,
                      reinterpret_cast<DWORD_PTR>(this));
    list_ = ListBox(item(ID_ListBox));
    edit_ = Edit(item(ID_Edit));
    set_checked(ID_RadioGroup_Sort_time, true);
    favorites_image_.attach(item(ID_BitBtn_Favorites));
    ok_image_.attach(item(ID_BitBtn_OK));
    cancel_image_.attach(item(ID_BitBtn_cancel));
    help_image_.attach(item(ID_BitBtn_Help));
    layout();
    return true;
}

// On a monitor of another scale: the fonts and list items at the new DPI,
// and a width saved before widening in the new pixels.  The layout follows
// with the size Windows suggests.
void TForm1::dpi_changed(int old_dpi) {
    if (savedwidth != 0) savedwidth = rescale_px(savedwidth, old_dpi, dpi());
    FormWindow::dpi_changed(old_dpi);
    InvalidateRect(handle(), nullptr, TRUE);
}

// ---- messages of the window ------------------------------------------------

void TForm1::OnShowWindow(HWND hwnd, BOOL show, UINT status) {
    if (show && !requests_.startup_begun()) PostMessageA(hwnd, WM_APP_STARTUP, 0, 0);
    FormWindow::OnShowWindow(hwnd, show, status);
}

void TForm1::OnPosted(HWND, UINT message) {
    if (message == WM_APP_STARTUP) FormShow();
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
    FormWindow::OnActivate(hwnd, state, other, minimized);
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
                set_checked(ID_RadioGroup_Sort_time, id == ID_RadioGroup_Sort_time);
                set_checked(ID_RadioGroup_Sort_alpha, id == ID_RadioGroup_Sort_alpha);
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

void TForm1::OnTimer(HWND, UINT id) {
    if (id == ID_Timer_OnTop) Timer_OnTopTimer();
    if (id == ID_Timer_favorites) Timer_favoritesTimer();
}

void TForm1::OnClose(HWND) {
    close();
}

void TForm1::OnDestroy(HWND) {
    PostQuitMessage(0);
}

// ---- start-up and close ----------------------------------------------------

void TForm1::FormShow() {
    if (!requests_.begin_startup()) return;
    try {
        owner_.on_first_show();
    } catch (...) {
        finish_startup();
        throw;
    }
    finish_startup();
}

// What arrived while start-up ran: a close (Cancel, or the end of start-up
// itself) wins over a run.
void TForm1::finish_startup() {
    switch (requests_.startup_done()) {
        case RequestGate::Held::close:
            close();
            break;
        case RequestGate::Held::run:
            run_request();
            break;
        case RequestGate::Held::none:
            break;
    }
}

void TForm1::run_request() {
    if (requests_.run()) FormClose();
}

void TForm1::close() {
    if (requests_.close()) FormClose();
}

// The close handler.  A close request that arrives while the close path
// runs (during one of its questions) only ends its run loop.
void TForm1::FormClose() {
    // Nothing pulls the window in front of what the run starts.
    if (!handle()) return;
    disable_ontop_timer();
    if (!requests_.enter_close_path()) return;
    const bool closes = owner_.on_close();
    requests_.leave_close_path();
    if (closes) DestroyWindow(handle());
}

// ---- buttons ---------------------------------------------------------------

void TForm1::BitBtn_OKClick() {
    run_request();
}

void TForm1::BitBtn_cancelClick() {
    if (requests_.cancel()) FormClose();
}

// Find: asks about each item that holds the Edit box's text, in turn,
// until the user says yes.
void TForm1::BitBtn_FindClick() {
    const std::string what = edit_text();
    for (int i = history_.find_from(what, 0); i >= 0; i = history_.find_from(what, static_cast<size_t>(i) + 1)) {
        list_.SetCaretIndex(i);
        list_.SetSel(true, i);
        // The question may let a Delete run: the entry is read before it.
        if (yesnof("is \"%s\" it?", {history_[static_cast<size_t>(i)].text})) break;
    }
}

// Back: one entry further back in the list (with Shift, one forward), into
// the Edit box.
void TForm1::BitBtn_BackClick() {
    list_.SetSel(false, -1);
    backpos = next_backpos(backpos, GetKeyState(VK_SHIFT) < 0);
    if (backpos >= 0 && static_cast<size_t>(backpos) < history_.size()) list_.SetCaretIndex(backpos);
    ListBoxClick();
}

// Delete: the selected entries leave the list, after a question; the file
// changes only if the list is saved later.
void TForm1::BitBtn_DeleteClick() {
    const int selected = list_.GetSelCount();
    if (selected <= 0 || !yesnof("Delete %d entries", {selected})) return;
    requests_.mark_changed();
    // The selection as it is after the question, last to first.
    const std::vector<int> chosen = list_.GetSelItems();
    for (auto i = chosen.rbegin(); i != chosen.rend(); ++i) removeentry(*i);
}

// Restore exec: the -exec text back into the Edit box, the caret before it.
void TForm1::BitBtn_restoreexecClick() {
    edit_.SetFocus();
    set_edit_text(exectext);
    edit_.SetSel(0, 0);
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
        const int start = edit_.GetSel().first;
        edit_.SetSel(0, 0);
        edit_.SetSel(start, start);
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
    const auto [s, e] = edit_.GetSel();
    edit_.SetFocus();
    edit_.SetSel(s, e);
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

// The one place where Enter in the Edit box acts: a run request
// (run_request, then the close path, app.cpp, runs the command,
// run_command.cpp, which starts it, code/process_runner.cpp).
bool TForm1::EditKeyDown(WPARAM& key) {
    const auto [s, e] = edit_.GetSel();
    const EditBoxState box{s, e - s, edit_.GetTextLength()};
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
        SetFocus(list_.handle());
        return false;
    }
    if (a.clear_text) {
        edit_.SetText("");
        edit_.SetSel(0, 0);
    }
    if (a.caret >= 0) edit_.SetSel(a.caret, a.caret);
    if (a.key == 0) return false;
    key = static_cast<WPARAM>(a.key);
    return true;
}

// Enter's character is kept from the edit control (Enter itself acted at
// its key-down).
bool TForm1::EditKeyPress(WPARAM& ch) {
    if (ch == '\r') return false;
    if (ch == 1) {
        // Ctrl+A selects the whole text.  The character itself is kept from
        // the edit control, which has no use for it.
        edit_.SetSel(0, edit_.GetTextLength());
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

// ---- favorites -------------------------------------------------------------

namespace {

// A click and the second click of a double click arrive within this time.
constexpr UINT kFavoritesTickMs = 250;

}  // namespace

void TForm1::set_favorites(const TextList& favorites) {
    favorites_ = &favorites;
    const ListBox list(item(ID_ListBox_Favorites));
    list.ResetContent();
    for (const std::string& f : favorites) list.AddString(f);
    if (favorites.empty())
        ShowWindow(item(ID_BitBtn_Favorites), SW_HIDE);
    else
        show_control(ID_BitBtn_Favorites);
}

// Opens the list with no favorite chosen yet (so a click on any of them
// counts), or closes it.
void TForm1::togglefavorites() {
    HWND list = item(ID_ListBox_Favorites);
    if (IsWindowVisible(list)) {
        ShowWindow(list, SW_HIDE);
        favorites_image_.set_side(GlyphSide::Right);
    } else {
        ListBox(list).SetCurSel(-1);
        ShowWindow(list, SW_SHOW);
        favorites_image_.set_side(GlyphSide::Left);
    }
}

void TForm1::BitBtn_FavoritesClick() {
    togglefavorites();
}

void TForm1::ListBox_FavoritesClick() {
    SetTimer(handle(), ID_Timer_favorites, kFavoritesTickMs, nullptr);
}

void TForm1::ListBox_FavoritesDblClick() {
    favdbl = true;
}

// A tick after a click: the chosen favorite into the Edit box; after a
// double click it runs, otherwise the list closes.
void TForm1::Timer_favoritesTimer() {
    KillTimer(handle(), ID_Timer_favorites);
    const int cur = ListBox(item(ID_ListBox_Favorites)).GetCurSel();
    if (cur == LB_ERR || !favorites_ || static_cast<size_t>(cur) >= favorites_->size()) return;
    set_edit_text((*favorites_)[static_cast<size_t>(cur)]);
    if (favdbl) {
        run_request();
        return;
    }
    togglefavorites();
    edit_.SetFocus();
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

// The model is sorted and the list box shows it again, which clears the
// list's selection.
void TForm1::setorder(int order) {
    if (history_.setorder(order)) fill_list();
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
    layout();
}

bool TForm1::selectfirst() {
    if (history_.empty()) return false;
    int cur = list_.GetCaretIndex();
    if (cur < 0 || static_cast<size_t>(cur) >= history_.size()) {
        cur = 0;
        list_.SetCaretIndex(0);
    }
    list_.SetSel(true, cur);
    return true;
}

void TForm1::takeselection() {
    if (selectfirst()) {
        const int cur = list_.GetCaretIndex();
        if (cur >= 0 && static_cast<size_t>(cur) < history_.size()) edit_.SetText(history_[static_cast<size_t>(cur)].text);
    }
    edit_.SetFocus();
    edit_.SetSel(0, 1000);
}

void TForm1::getexectext() {
    // The wide command line: the ANSI one has the nearest letters in place
    // of those the code page lacks.
    exectext = L" " + exec_text_of(std::wstring(GetCommandLineW())) + L" ";
    set_edit_text(exectext);
    edit_.SetSel(0, 0);
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
    return requests_.is_cancelled();
}

bool TForm1::pause_answering(unsigned ms) {
    requests_.begin_wait();
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (!requests_.wait_given_up() && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            owner_.dispatch(msg);
        }
        const DWORD waited = GetTickCount() - start;
        if (requests_.wait_given_up()) return false;
        if (waited >= ms) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - waited, QS_ALLINPUT);
    }
}

void TForm1::set_caption(const std::string& text) {
    set_control_text(handle(), text);
}

void TForm1::show_control(int id) {
    ShowWindow(item(id), SW_SHOWNA);
    layout();  // a visible control counts for the scroll range
}

bool TForm1::checked(int id) const {
    return Button(item(id)).GetCheck();
}

void TForm1::set_checked(int id, bool on) {
    Button(item(id)).SetCheck(on);
}

std::string TForm1::edit_text() const {
    return edit_.GetText();
}

AnsiText TForm1::edit_text_checked() const {
    return control_text_checked(item(ID_Edit));
}

void TForm1::set_edit_text(const std::string& text) {
    edit_.SetText(text);
}

void TForm1::set_edit_text(const std::wstring& text) {
    set_control_text(item(ID_Edit), text);
}

void TForm1::show_history(const std::vector<std::string_view>& texts) {
    history_.load(texts);
    fill_list();
}

void TForm1::removeentry(int index) {
    if (index < 0 || static_cast<size_t>(index) >= history_.size()) return;
    history_.remove(static_cast<size_t>(index));
    list_.DeleteString(index);
}

// The list box keeps its texts in UTF-16, and every ANSI item message costs
// a conversion into a fresh buffer: the texts go in converted the same way
// (the ANSI code page) through one reused buffer, straight to the list
// box's own procedure (the subclass never acts on item messages).
void TForm1::fill_list() {
    const HWND list = list_.handle();
    const auto proc = reinterpret_cast<WNDPROC>(GetClassLongPtrW(list, GCLP_WNDPROC));
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return CallWindowProcW(proc, list, message, wParam, lParam);
    };
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    send(LB_RESETCONTENT, 0, 0);
    size_t chars = 0;
    for (const ListItem& it : history_.items()) chars += it.text.size() + 1;
    send(LB_INITSTORAGE, history_.size(), chars * sizeof(wchar_t));
    std::vector<wchar_t> wide(256);
    std::vector<size_t> refused;
    for (size_t at = 0; at < history_.size(); ++at) {
        const std::string& t = history_[at].text;
        if (wide.size() < t.size() + 1) wide.resize(t.size() + 1);
        const int n = t.empty() ? 0
                                : MultiByteToWideChar(CP_ACP, 0, t.data(), static_cast<int>(t.size()),
                                                      wide.data(), static_cast<int>(wide.size() - 1));
        wide[static_cast<size_t>(n > 0 ? n : 0)] = L'\0';
        const LRESULT i = send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.data()));
        if (i == LB_ERR || i == LB_ERRSPACE) refused.push_back(at);
    }
    for (auto at = refused.rbegin(); at != refused.rend(); ++at) history_.remove(*at);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace vq
