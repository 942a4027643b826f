#include "gui/template_window.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include "gui/template_command.h"
#include "support/control_text.h"
#include "support/messages.h"
#include "window/anchors.h"
#include "window/dialog_keys.h"

namespace vq {

namespace {

constexpr int kClientWidth = 497, kClientHeight = 63;

constexpr int mrOk = 1, mrCancel = 2;

// The controls' design places (96 DPI) and the window edges they keep to.
struct Placement {
    int id;
    Rect design;
    unsigned anchors;
};
const Placement kPlacements[] = {
    {ID_Edit_What, {4, 4, 489, 21}, kAnchorLeft | kAnchorTop | kAnchorRight},
    {ID_BitBtn_File, {4, 32, 89, 25}, kAnchorLeft | kAnchorTop},
    {ID_Label1, {100, 32, 313, 25}, kAnchorLeft | kAnchorTop | kAnchorRight},
    {ID_BitBtn_Cancel, {419, 33, 75, 25}, kAnchorRight | kAnchorBottom},
};

// Two curved green arrows that together form a circle.
const char* const kFileRows[] = {
    "....................................",  //
    "......gggggg............aaaaaa......",  //
    "....gggggggggg........aaaaaaaaaa....",  //
    "...ggg......ggg......aaawwwwwwaaa...",  //
    "..ggg.....ggggggg...aaaww...aaaaaaa.",  //
    "..gg.......ggggg....aaww.....aaaaaww",  //
    ".ggg........ggg....aaaw.......aaaww.",  //
    ".gg..........g.....aaww........aww..",  //
    ".gg................aaw..........w...",  //
    "...............gg...ww...........aa.",  //
    "....g..........gg.....a..........aaw",  //
    "...ggg........ggg....aaa........aaaw",  //
    "..ggggg.......gg....aaaaa.......aaww",  //
    ".ggggggg.....ggg...aaaaaaa.....aaaw.",  //
    "...ggg......ggg.....waaawww...aaaww.",  //
    "....gggggggggg........aaaaaaaaaaww..",  //
    "......gggggg...........waaaaaawww...",  //
    ".........................wwwwww.....",  //
};
const Glyph kFileGlyph{18, 18, kFileRows};

}  // namespace

TformGui::TformGui() : font_(11, "MS Sans Serif"), file_image_(kFileGlyph, GlyphSide::Left) {}

bool TformGui::create(HINSTANCE instance) {
    instance_ = instance;
    // The controls come at the first showing (create_controls_once): only
    // the -gui: road needs them.
    return create_window(instance, {"TformGui", "formGui", WS_OVERLAPPEDWINDOW, kClientWidth, kClientHeight});
}

bool TformGui::create_controls_once() {
    if (item(ID_Edit_What)) return true;
    font_.make(dpi());
    const HFONT font = font_.get();
    constexpr DWORD shown = WS_VISIBLE | WS_TABSTOP;
    if (!create_controls(
            instance_,
            {{ID_Edit_What, "EDIT", "Edit_what", shown | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 4, 4, 489, 21,
              font},
             {ID_BitBtn_File, "BUTTON", "Get % &file", shown | BS_OWNERDRAW, 0, 4, 32, 89, 25, font},
             {ID_Label1, "STATIC",
              "Click \"Get % file\" and select a file to process; then in the next screen either click OK to "
              "execute the result, or cancel.",
              WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 100, 32, 313, 25, font},
             {ID_BitBtn_Cancel, "BUTTON", "Cancel", shown | BS_PUSHBUTTON, 0, 419, 33, 75, 25, font}})) {
        for (const Placement& p : kPlacements)
            if (HWND h = item(p.id)) DestroyWindow(h);
        return false;
    }
    file_image_.attach(item(ID_BitBtn_File));
    SetWindowSubclass(item(ID_Edit_What), EditWhatProc, 0, reinterpret_cast<DWORD_PTR>(this));
    layout();
    return true;
}

int TformGui::show_modal(const std::string& file_template, HWND owner) {
    if (!create_controls_once()) {
        errorf("couldn't create %s", {"the file-template window's controls"});
        return mrCancel;
    }
    template_ = file_template;
    modalresult = 0;
    FormShow();
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
    SetFocus(item(ID_Edit_What));
    SendMessageA(item(ID_Edit_What), EM_SETSEL, 0, -1);
    MSG msg;
    while (modalresult == 0) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the loop outside sees the quit too.
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            modalresult = mrCancel;
            break;
        }
        if (preview_key(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (owner) EnableWindow(owner, TRUE);
    ShowWindow(handle(), SW_HIDE);
    return modalresult;
}

std::string TformGui::command() const {
    return control_text(item(ID_Edit_What));
}

LRESULT TformGui::handle_message(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND hwnd = handle();
    switch (message) {
        HANDLE_MSG(hwnd, WM_SIZE, OnSize);
        HANDLE_MSG(hwnd, WM_HSCROLL, OnHScroll);
        HANDLE_MSG(hwnd, WM_VSCROLL, OnVScroll);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_CLOSE, OnClose);
    }
    return SecondaryWindow::handle_message(message, wParam, lParam);
}

// Edit_What and Label1 stretch with the width; Cancel keeps to the bottom
// right corner.  A window smaller than designed scrolls.
void TformGui::layout() {
    const HWND hwnd = handle();
    const AutoScroll::Area area = scroll_.fit(hwnd, scale_px(kClientWidth, dpi()), scale_px(kClientHeight, dpi()));
    for (const Placement& p : kPlacements) {
        const Rect r = anchor_rect(p.design, p.anchors, kClientWidth, kClientHeight, area.width, area.height, dpi());
        SetWindowPos(item(p.id), nullptr, r.left - area.x, r.top - area.y, r.width, r.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TformGui::dpi_changed(int) {
    font_.make(dpi());
    for (const Placement& p : kPlacements)
        SendMessageA(item(p.id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    layout();
}

void TformGui::OnSize(HWND, UINT, int, int) {
    layout();
}

void TformGui::OnHScroll(HWND hwnd, HWND, UINT code, int) {
    if (scroll_.scroll(hwnd, SB_HORZ, static_cast<int>(code), scale_px(8, dpi()))) layout();
}

void TformGui::OnVScroll(HWND hwnd, HWND, UINT code, int) {
    if (scroll_.scroll(hwnd, SB_VERT, static_cast<int>(code), scale_px(8, dpi()))) layout();
}

void TformGui::OnCommand(HWND, int id, HWND, UINT code) {
    if (code != BN_CLICKED) return;
    if (id == ID_BitBtn_File) BitBtn_FileClick();
    if (id == ID_BitBtn_Cancel) modalresult = mrCancel;
}

void TformGui::OnDrawItem(HWND, const DRAWITEMSTRUCT* item) {
    draw_image_button(*item);
}

// Closing the window cancels.
void TformGui::OnClose(HWND) {
    if (modalresult == 0) modalresult = mrCancel;
}

void TformGui::FormShow() {
    if (template_shown) return;
    template_shown = true;
    SetWindowTextA(item(ID_Edit_What), template_.c_str());
}

// The file dialog; the chosen file's name goes into the template (not into
// what Edit_What holds now), and the command is the result.  A cancelled
// dialog leaves everything as it was, and so does a missing dialog library,
// after a box that names it.
void TformGui::BitBtn_FileClick() {
    auto* open_dialog = comdlg32_.function<decltype(GetOpenFileNameA)>("GetOpenFileNameA");
    if (!open_dialog) {
        errorf("couldn't load %s", {comdlg32_.file()});
        return;
    }
    char name[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = handle();
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (!open_dialog(&ofn)) return;
    SetWindowTextA(item(ID_Edit_What), template_command(template_, name).c_str());
    modalresult = mrOk;
}

bool TformGui::Edit_WhatKeyPress(WPARAM ch) {
    if (ch != '\r') return true;
    modalresult = mrOk;
    return false;
}

LRESULT CALLBACK TformGui::EditWhatProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, EditWhatProc, id);
    if (message == WM_CHAR && !reinterpret_cast<TformGui*>(self)->Edit_WhatKeyPress(wParam)) return 0;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// Escape presses Cancel; Tab, Enter on a button and Alt+F as in a dialog.
bool TformGui::preview_key(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
        (msg.hwnd == handle() || IsChild(handle(), msg.hwnd))) {
        modalresult = mrCancel;
        return true;
    }
    return route_window_key(handle(), msg);
}

}  // namespace vq
