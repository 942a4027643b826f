// The help window Thelpf: the launcher's help text, the file vqhelp.txt
// beside the program, in a read-only view with a search box underneath.
// Each showing reloads the file and starts the search from the top; closing
// the window hides it and empties its views.
#pragma once

#include <windows.h>

#include <string>

#include "support/system_library.h"
#include "window/auto_scroll.h"
#include "window/font.h"
#include "window/window.h"

namespace vq {

// Control IDs of the help window.
enum HelpControlId : int {
    ID_PageControl1 = 100,
    ID_RichEdit_TeciFake = 101,  // the view of page "vq"
    ID_RichEdit_teci = 102,      // the view of page "nada", which has no tab
    ID_Edit1 = 103,
    ID_Button_Search = 104,
};

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
    // Enter on a button and Alt+S work as in a dialog.  True when the
    // message was used; the message loop hands it every message.
    bool preview_key(const MSG& msg);

  private:
    LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpi_changed(int old_dpi) override;
    // Places the controls for the client area at the window's DPI, with
    // scroll bars when the area is smaller than the designed one.
    void layout();
    void OnSize(HWND hwnd, UINT state, int cx, int cy);
    void OnHScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnVScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnPaint(HWND hwnd);
    void OnShowWindow(HWND hwnd, BOOL show, UINT status);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    void OnClose(HWND hwnd);

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

    Font search_font_;     // the tab, Edit1 and the Search button
    Font view_font_;       // the views
    AutoScroll scroll_;
    RECT panel_{};         // the bottom panel, where OnPaint draws its edge
    SystemLibrary richedit_{"riched20.dll"};  // the views' window class
    HINSTANCE instance_ = nullptr;
    int search_pos = 0;    // where the next search begins, in the view's counting
    bool showing = false;  // shown and not closed since
};

}  // namespace vq
