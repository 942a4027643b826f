// The main window TForm1: the command box, the history list, the status
// label and the buttons, created from the form table; its handlers and the
// program-wide state that the history list and the keys share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "main/history_file.h"
#include "support/format.h"

// Entry object of one history item: its age, 0 for the newest command.
class THistEntry {
  public:
    explicit THistEntry(int32_t a) : age(a) {}
    int32_t age;
};

// Window result values.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TForm1 {
  public:
    HWND handle = nullptr;
    HWND ListBox = nullptr;
    HWND Edit = nullptr;
    HWND BitBtn_cancel = nullptr;
    HWND BitBtn_OK = nullptr;
    HWND CheckBox_DontSave = nullptr;
    HWND Label_stat = nullptr;
    HWND BitBtn_Find = nullptr;
    HWND BitBtn_Back = nullptr;

    std::string exectext;
    int32_t loadcount = 0;
    bool changed = false;
    int32_t backpos = 0;
    std::string comspec;
    int modalresult = 0;

    // Creates the window and its controls (nothing is shown yet).
    bool create(HINSTANCE instance);

    // Close request from anywhere: runs the close handler, which may keep the
    // window open.  While start-up is running the request is held until it
    // has finished.
    void close();
    // A run request: result value 1, then close.
    void run_request();

    // Status label text.
    void set_status(const std::string& text);
    void set_caption(const std::string& text);

    // Edit box helpers.
    std::string edit_text() const;
    void set_edit_text(const std::string& text);
    void set_edit_selection(int start, int length);
    int edit_selstart() const;

    // List box helpers.
    int item_count() const;
    std::string item_text(int index) const;
    THistEntry* item_entry(int index) const;
    std::vector<vq::ListItem> list_items() const;
    void set_items(std::vector<std::pair<std::string, THistEntry*>> items);

    // Handlers of the history list and the keys.
    bool selectfirst();
    void takeselection();
    void findentry();
    void goback();
    void ListBoxClick();
    void ListBoxDblClick();
    // Edit box key handlers: return false when the key is swallowed; may
    // change the key.
    bool EditKeyDown(WPARAM& key);
    bool EditKeyPress(WPARAM& ch);
    bool ListBoxKeyDown(WPARAM key);
    void ListBoxKeyUp();

    // Pre-translation of keys for the whole window: Tab, Escape, Enter on a
    // button and Alt+letter.  True when the message was handled.
    bool pretranslate(const MSG& msg);

    void FormShow();
    LRESULT wndproc(UINT msg, WPARAM wp, LPARAM lp);

    // True while start-up runs (run and close requests are held).
    bool starting = false;
    bool startup_done = false;

    // Lays the controls out for the client area (anchors, scroll bars); run
    // again after a control is shown or hidden.
    void apply_anchors();

  private:
    void on_scroll(int bar, int code);
    void on_command(int id, int code, HWND ctl);
    void finish_startup();

    bool held_close_ = false;
    bool held_run_ = false;
    bool closing_ = false;
    HWND focus_before_ = nullptr;
    int scroll_x_ = 0, scroll_y_ = 0;  // scroll position of the client area  // the control that had the
                                       // focus when the window lost it
    HFONT font_form_ = nullptr, font_edit_ = nullptr, font_list_ = nullptr;
};

// The application's main window.
extern TForm1* Form1;

// The order the list is shown in: 0 alphabetical, 1 newest first,
// 2 alphabetical reversed, 3 oldest first.
extern unsigned char listorder;
// A key other than Enter is down in the history list.
extern bool listkeydown;
// Ctrl+Q was pressed in the Edit box and waits for Ctrl+D or Ctrl+S.
extern bool ctrlq;

// Lets waiting window events run, except keyboard input, which stays
// queued until start-up has finished (keys typed ahead then reach the
// filled-in window in order).
void process_pending_events();

// Shows the status text, lets waiting events run (so Cancel takes effect),
// repaints the window at once and returns `cancelled`.
bool showprogress(std::string_view format, const Args& args = {});

// History list: load at start-up and save once per run.
void loadhistory();
void savehistory();

// The start-up sequence: runs on the first showing of the main window.
void startup();

// The close handler; `keep_open` is set when the window must stay open.
void FormClose(bool& keep_open);

// Creates the help window and the file-template window (empty for now).
bool create_helpf(HINSTANCE instance);
bool create_formgui(HINSTANCE instance);
extern HWND helpf;
extern HWND formGui;

// The message loop with the main window's key routing.  Returns the exit
// code.
int run_message_loop();
