#include "gui/template_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include "gui/template_command.h"
#include "support/control_text.h"
#include "support/messages.h"

namespace vq {

namespace {

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

TformGui::TformGui() : SecondaryWindow(template_form()), file_image_(kFileGlyph, GlyphSide::Left) {}

bool TformGui::create(HINSTANCE instance) {
    instance_ = instance;
    // The controls come at the first showing (create_controls_once): only
    // the -gui: road needs them.
    const FormTable form = template_form();
    return create_window(instance,
                         {"TformGui", "formGui", WS_OVERLAPPEDWINDOW, form.client_width, form.client_height});
}

bool TformGui::create_controls_once() {
    if (item(ID_Edit_What)) return true;
    if (!create_controls(instance_, template_form().controls)) return false;
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

void TformGui::OnCommand(HWND, int id, HWND, UINT code) {
    if (code != BN_CLICKED) return;
    if (id == ID_BitBtn_File) BitBtn_FileClick();
    if (id == ID_BitBtn_Cancel) modalresult = mrCancel;
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

// Escape cancels; Tab, Enter on a button and Alt+F as in a dialog.
bool TformGui::preview_key(const MSG& msg) {
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
        (msg.hwnd == handle() || IsChild(handle(), msg.hwnd))) {
        modalresult = mrCancel;
        return true;
    }
    return SecondaryWindow::preview_key(msg);
}

}  // namespace vq
