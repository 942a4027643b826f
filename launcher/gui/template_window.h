// The file-template window TformGui: started with -gui: and a command
// template, the launcher first shows this small window, in which the user
// picks a file whose name takes the place of "%1" in the template.  The
// resulting command goes back to the main window for a last look.
#pragma once

#include <windows.h>

#include <string>

#include "gui/template_form.h"
#include "support/system_library.h"
#include "window/form_window.h"
#include "window/image_button.h"

namespace vq {

class TformGui : public SecondaryWindow {
  public:
    TformGui();
    bool create(HINSTANCE instance);

    // Shows the window modally over `owner` (which is disabled meanwhile)
    // until the user chooses a file (the result is mrOk), presses Enter in
    // Edit_What (mrOk) or cancels (mrCancel).  The first showing puts the template
    // into Edit_What.  The first showing also makes the controls; when they
    // cannot be made, a box says so and the result is 2.
    int show_modal(const std::string& file_template, HWND owner);
    // Edit_What's text: the command after OK.
    std::string command() const;

  private:
    void OnCommand(HWND hwnd, int id, HWND control, UINT code) override;
    void OnClose(HWND hwnd) override;

    bool create_controls_once();
    void FormShow();
    void BitBtn_FileClick();
    // Enter in Edit_What; false when the character is swallowed.
    bool Edit_WhatKeyPress(WPARAM ch);
    static LRESULT CALLBACK EditWhatProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    // Escape cancels; the other keys as in a dialog.
    bool preview_key(const MSG& msg) override;

    ImageButton file_image_;
    SystemLibrary comdlg32_{"comdlg32.dll"};  // the file dialog, loaded at its first opening
    HINSTANCE instance_ = nullptr;
    std::string template_;        // the text after -gui:
    bool template_shown = false;  // Edit_What got the template (once per run)
    int modalresult = 0;          // 0 while the window is up
};

}  // namespace vq
