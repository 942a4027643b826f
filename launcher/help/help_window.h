// The help window Thelpf: the launcher's help text, the file vqhelp.txt
// beside the program, in a read-only view with a search box underneath.
// Each showing reloads the file and starts the search from the top; closing
// the window hides it and empties its views.
#pragma once

#include <windows.h>

#include <string>

#include "help/help_form.h"
#include "support/system_library.h"
#include "window/form_window.h"

namespace vq {

class Thelpf : public SecondaryWindow {
  public:
    Thelpf();
    bool create(HINSTANCE instance);

    // Shows the window, or brings it to the front when it is showing.  The
    // first showing makes the controls and the views; without the rich-text library a box
    // says "couldn't load" and the library's name, and the window stays
    // hidden.
    void show();
    // The window's keys, seen before its controls: F3 searches again from
    // anywhere in the window, Enter in the search box searches, and Tab,
    // Enter on a button and Alt+S work as in a dialog.
    bool preview_key(const MSG& msg) override;

  private:
    void OnShowWindow(HWND hwnd, BOOL show, UINT status) override;
    void OnCommand(HWND hwnd, int id, HWND control, UINT code) override;
    void OnClose(HWND hwnd) override;
    void OnPosted(HWND hwnd, UINT message) override;

    bool create_panel();
    bool create_views();
    void FormShow();
    void FormClose();
    void Edit1Change();
    // Puts the file at `path` into the view; a file that cannot be read
    // leaves "couldn't load" and the path there.
    void load_help(HWND view, const std::string& path);
    // One search step for Edit1's text from `search_pos` on; see
    // help_window.cpp.
    void find_next();

    SystemLibrary richedit_{"riched20.dll"};  // the views' window class
    HINSTANCE instance_ = nullptr;
    int search_pos = 0;    // where the next search begins, in the view's counting
    bool showing = false;  // shown and not closed since
};

}  // namespace vq
