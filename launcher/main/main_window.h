// The main window TForm1: the command box, the history list, the status
// label and the buttons, created from the form table (form.h); a control is
// found by its ID with item().  The window owns the state its handlers
// share.  The program that owns the window runs the start-up sequence at
// its first showing and the close path at its close requests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "history/history_format.h"
#include "main/form.h"
#include "main/hist_entry.h"
#include "options/options.h"
#include "support/format.h"
#include "support/status_display.h"
#include "support/textlist.h"
#include "window/form_controls.h"
#include "window/image_button.h"
#include "window/window.h"

namespace vq {

// Window result values.
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TForm1 : public Window, public StatusDisplay {
  public:
    // What the window leaves to the program that owns it.
    class Owner {
      public:
        // The start-up sequence; the window calls it at its first showing.
        virtual void on_first_show() = 0;
        // The close path, at every close request; false keeps the window
        // open.
        virtual bool on_close() = 0;
        // The Help button: shows the help window, or brings it to the
        // front when it is open.
        virtual void on_help() = 0;
        // One message of the thread's queue, handled as the message loop
        // handles it (with the keys that work across the windows).
        virtual void dispatch(const MSG& msg) = 0;

      protected:
        ~Owner() = default;
    };

    // The options record: the debug box sets `bug`, the wide button reads
    // `widepercent`, the on-top timer `ontoptime`.
    TForm1(Owner& owner, Options& options);

    // Creates the window and its controls; nothing is shown yet.
    bool create(HINSTANCE instance);
    // The control with this ID (form.h).
    HWND item(int id) const { return GetDlgItem(handle(), id); }

    // A close request: runs the close handler, which may keep the window
    // open.  While start-up runs, the request waits until it has finished.
    void close();
    // A run request: result value 1, then close.
    void run_request();

    // Status label: shown and painted at once.
    void show_status(const std::string& text) override;
    // Shows the status text, lets waiting window events run (so Cancel
    // takes effect), repaints the window and returns `cancelled`.
    bool showprogress(std::string_view format, const Args& args = {});
    // Passes `ms` milliseconds with the window answering (its messages
    // handled as by the message loop): for a save or an import that waits.
    // False as soon as the user gives the wait up, with Cancel (or Escape)
    // or a request to close the window.
    bool pause_answering(unsigned ms);
    void set_caption(const std::string& text);
    void show_control(int id);
    bool checked(int id) const;
    void set_checked(int id, bool on);

    // The on-top timer: pulls the window to the front `ontoptime` times,
    // 100 ms apart.  Disabled before anything is started or closed.
    void enable_ontop_timer();
    void disable_ontop_timer();

    // Edit box.
    std::string edit_text() const;
    void set_edit_text(const std::string& text);
    void set_edit_selection(int start, int length);
    // `exectext` and the Edit box from the text after -exec on the raw
    // command line; the restore-exec button is shown.
    void getexectext();

    // History list.
    int item_count() const;
    std::string item_text(int index) const;
    THistEntry* item_entry(int index) const;
    std::vector<ListItem> list_items() const;
    // Replaces the items; the list takes over the entry objects.
    void set_items(std::vector<std::pair<std::string, THistEntry*>> items);
    // Replaces the items by copies of `texts` (the history as loaded), each
    // with a new entry whose age is its position: newest first.
    void set_items(const std::vector<std::string_view>& texts);
    // Frees the item's entry object; with `remove` the item goes too.
    void removeentry(int index, bool remove);
    // Frees every item's entry object (the items stay, without one).
    void free_entries();
    // Makes the first item current when none is, and selects the current
    // item; false when the list is empty.
    bool selectfirst();
    // The current item into the Edit box, which gets the focus with its
    // whole text selected.
    void takeselection();

    // Puts the list into an order (list_order.h); an order that cannot be
    // made is reported and the list stays as it was.
    void setorder(int order);
    // The order the list is in: 0 alphabetical, 1 newest first (as
    // loaded), 2 alphabetical reversed, 3 oldest first.
    int listorder() const { return listorder_; }

    // The favorites into their list; the Favorites button shows when there
    // are any.
    void set_favorites(const TextList& favorites);

    // Lays the controls out again (after one was shown or hidden).
    void apply_anchors() { layout_.apply(handle(), dpi()); }
    // The reduced window of the -gui: road (the command built from the
    // file template, without the history list).
    void show_reduced();
    // Moves a control to another top edge for the rest of the run.
    void move_control(int id, int top) {
        layout_.move_top(id, top);
        apply_anchors();
    }

    // State the handlers share.
    bool cancelled = false;       // Cancel pressed, or start-up failed; never cleared
    int modalresult = 0;          // mrOk runs the command at close, mrCancel does not
    std::string exectext;         // the -exec text, with a blank on each side
    int32_t loadcount = 0;        // entries the history load added
    bool changed = false;         // the list was changed by hand
    int32_t backpos = 0;          // list position reached with Back
    bool stoprun = false;         // a close request arrived during the close path
    bool favdbl = false;          // a favorite was double-clicked: its tick runs it; never cleared

  private:
    unsigned char listorder_ = 1;  // see listorder()

    LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void dpi_changed(int old_dpi) override;
    void OnSize(HWND hwnd, UINT state, int cx, int cy);
    void OnHScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnVScroll(HWND hwnd, HWND control, UINT code, int pos);
    void OnShowWindow(HWND hwnd, BOOL show, UINT status);
    void OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void OnCommand(HWND hwnd, int id, HWND control, UINT code);
    void OnDrawItem(HWND hwnd, const DRAWITEMSTRUCT* item);
    void OnTimer(HWND hwnd, UINT id);
    void OnClose(HWND hwnd);
    void OnDestroy(HWND hwnd);

    void FormShow();
    void FormClose();
    void finish_startup();
    bool held(bool& request);

    void BitBtn_OKClick();
    void BitBtn_cancelClick();
    void BitBtn_FindClick();
    void BitBtn_BackClick();
    void BitBtn_DeleteClick();
    void BitBtn_restoreexecClick();
    void BitBtn_HelpClick();
    void button_wideClick();
    void Checkbox_DebugClick();
    void CheckBox_DontSaveClick();
    void CheckBox_SaveJunkClick();
    void CheckBox_WaitExecClick();
    void Timer_OnTopTimer();
    // Checking one of the two save boxes clears the other.  `guard` turns
    // away a call that arrives while the handler runs (clearing with
    // BM_SETCHECK sends no click, so today none does).
    void exclude_check(int clicked, int other, bool& guard);
    // The Edit box gets the focus back with its selection as it was.
    void refocusedit();
    void ListBoxClick();
    void ListBoxDblClick();
    void Sort_click();
    void togglefavorites();
    void BitBtn_FavoritesClick();
    void ListBox_FavoritesClick();
    void ListBox_FavoritesDblClick();
    void Timer_favoritesTimer();
    // Key handlers of the controls: false when the key is swallowed; they
    // may change the key.
    bool EditKeyDown(WPARAM& key);
    bool EditKeyPress(WPARAM& ch);
    bool ListBoxKeyDown(WPARAM key);
    void ListBoxKeyUp();

    // The messages of the Edit box and the list that their handlers see
    // before the control does; true when the control must not see it.
    bool EditMessage(UINT message, WPARAM& wParam);
    bool ListBoxMessage(UINT message, WPARAM& wParam);
    // The subclass procedure of a control, with the form as its reference
    // data.
    template <bool (TForm1::*Filter)(UINT, WPARAM&)>
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);

    // Messages to the history list that only reach its items.
    LRESULT list_send(UINT message, WPARAM wParam, LPARAM lParam) const;
    // Fills the emptied list box with `texts`, redrawn once at the end;
    // `entry(at, added)` gives the entry object of text `at` when the list
    // box took it, and disposes of what belongs to a text it refused.
    void fill_list(const std::vector<std::string_view>& texts,
                   const std::function<THistEntry*(size_t at, bool added)>& entry);

    Owner& owner_;
    Options& options_;
    FormFonts fonts_;
    // The history list and its own window procedure, for item messages.
    HWND list_ = nullptr;
    WNDPROC list_proc_ = nullptr;
    FormLayout layout_{form_table()};
    ImageButton favorites_image_;  // the picture of BitBtn_Favorites
    ImageButton ok_image_{StockGlyph::Ok};
    ImageButton cancel_image_{StockGlyph::Cancel};
    ImageButton help_image_{StockGlyph::Help};
    bool listkeydown = false;  // a key other than Enter is down in the list
    bool ctrlq = false;        // Ctrl+Q waits for Ctrl+D or Ctrl+S
    bool startup_done_ = false;
    bool starting_ = false;  // run and close requests wait meanwhile
    bool held_close_ = false;
    bool held_run_ = false;
    bool closing_ = false;     // the close path runs
    bool given_up_ = false;    // Cancel or a close request during pause_answering
    int32_t savedwidth = 0;   // the width before widening; 0 while not widened
    int32_t ontopcount = -1;  // on-top ticks left; negative before the first
    bool in_dontsave_click_ = false;
    bool in_savejunk_click_ = false;
    HWND focus_before_ = nullptr;  // the control that had the focus when the window lost it
};

}  // namespace vq
