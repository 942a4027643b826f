// The file-template window TformGui: started with -gui: and a command
// template, the launcher first shows this small window, in which the user
// picks a file whose name takes the place of "%1" in the template.  The
// resulting command goes back to the main window for a last look.
#pragma once

#include <windows.h>

#include <string>

#include "support/system_library.h"
#include "window/auto_scroll.h"
#include "window/font.h"
#include "window/image_button.h"
#include "window/window.h"

namespace vq {

// Control IDs of the file-template window.
enum TemplateControlId : int {
    ID_BitBtn_Cancel = IDCANCEL,
    ID_Edit_What = 100,
    ID_BitBtn_File = 101,
    ID_Label1 = 102,
};

class TformGui : public SecondaryWindow {
  public:
    TformGui();
    bool create(HINSTANCE instance);

    // Shows the window modally over `owner` (which is disabled meanwhile)
    // until the user chooses a file (the result is 1, OK), presses Enter in
    // Edit_What (1) or cancels (2).  The first showing puts the template
    // into Edit_What.  The first showing also makes the controls; when they
    // cannot be made, a box says so and the result is 2.
    int show_modal(const std::string& file_template, HWND owner);
    // Edit_What's text: the command after OK.
    std::string command() const;

  private:
    LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpi_changed(int old_dpi) override;
    // Places the controls for the client area at the window's DPI, with
    // scroll bars when the area is smaller than the designed one.
    void layout();
    void OnSize(HWND hwnd, UINT state, int cx, int cy);
    void OnHScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnVScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    void OnClose(HWND hwnd);

    bool create_controls_once();
    void FormShow();
    void BitBtn_FileClick();
    // Enter in Edit_What; false when the character is swallowed.
    bool Edit_WhatKeyPress(WPARAM ch);
    static LRESULT CALLBACK EditWhatProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    // Keys seen before the control that has the focus; true when used.
    bool preview_key(const MSG& msg);

    Font font_;
    ImageButton file_image_;
    AutoScroll scroll_;
    SystemLibrary comdlg32_{"comdlg32.dll"};  // the file dialog, loaded at its first opening
    HINSTANCE instance_ = nullptr;
    std::string template_;        // the text after -gui:
    bool template_shown = false;  // Edit_What got the template (once per run)
    int modalresult = 0;          // 0 while the window is up
};

}  // namespace vq
