// The main window TForm1: the command box, the history list, the status
// label and the buttons, created from the form table (form.h); a control is
// found by its ID with item().  The window owns the history model that its
// list box shows (history_model.h), the gate of its run and close requests
// (request_gate.h) and the state its handlers share.  The program that owns
// the window runs the start-up sequence at its first showing and the close
// path at its close requests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_format.h"
#include "main/form.h"
#include "main/history_model.h"
#include "main/request_gate.h"
#include "options/options.h"
#include "support/codepage.h"
#include "support/format.h"
#include "support/status_display.h"
#include "support/textlist.h"
#include "window/control_wrappers.h"
#include "window/form_window.h"
#include "window/image_button.h"

namespace vq {

class TForm1 : public FormWindow, public StatusDisplay {
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

    // A close request: runs the close handler, which may keep the window
    // open.  While start-up runs, the request waits until it has finished.
    void close();
    // A run request (Enter in the Edit box, OK, a double click in a list):
    // result value 1, then close.
    void run_request();
    // The run and close requests and the close path's state.
    RequestGate& requests() { return requests_; }

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
    // The text exactly, or the letters the ANSI code page lacks: what is
    // run or stored.
    AnsiText edit_text_checked() const;
    void set_edit_text(const std::string& text);
    void set_edit_text(const std::wstring& text);
    // `exectext` from the text after -exec on the raw command line, with a
    // blank on each side, into the Edit box, the caret before it; the
    // restore-exec button is shown.
    void getexectext();
    // Where Back starts: before the newest entry in the -exec mode (-1),
    // at it otherwise.
    void start_back(bool exec_mode) { backpos = exec_mode ? -1 : 0; }

    // History list: the model, and the list box showing it.
    const HistoryModel& history() const { return history_; }
    // The history as loaded, newest first, into the model and the list box.
    void show_history(const std::vector<std::string_view>& texts);
    // The entry leaves the model and the list box.
    void removeentry(int index);
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
    int listorder() const { return history_.listorder(); }

    // The favorites into their list; the Favorites button shows when there
    // are any.  The list stays the caller's, for the whole run: a chosen
    // favorite is read from it.
    void set_favorites(const TextList& favorites);

    // The reduced window of the -gui: road (the command built from the
    // file template, without the history list).
    void show_reduced();

  private:

    void dpi_changed(int old_dpi) override;
    void OnShowWindow(HWND hwnd, BOOL show, UINT status) override;
    void OnActivate(HWND hwnd, UINT state, HWND other, BOOL minimized) override;
    void OnCommand(HWND hwnd, int id, HWND control, UINT code) override;
    void OnTimer(HWND hwnd, UINT id) override;
    void OnClose(HWND hwnd) override;
    void OnDestroy(HWND hwnd) override;
    void OnPosted(HWND hwnd, UINT message) override;

    void FormShow();
    void FormClose();
    void finish_startup();

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

    // The list box shows the model again, redrawn once at the end; an
    // entry the list box refuses (out of memory) leaves the model too.
    void fill_list();

    Owner& owner_;
    Options& options_;
    HistoryModel history_;  // the entries the list box shows
    RequestGate requests_;
    // The controls the handlers speak to.
    ListBox list_;
    Edit edit_;
    ImageButton favorites_image_;  // the picture of BitBtn_Favorites
    ImageButton ok_image_{StockGlyph::Ok};
    ImageButton cancel_image_{StockGlyph::Cancel};
    ImageButton help_image_{StockGlyph::Help};
    bool listkeydown = false;  // a key other than Enter is down in the list
    bool ctrlq = false;        // Ctrl+Q waits for Ctrl+D or Ctrl+S
    std::wstring exectext;     // the -exec text, with a blank on each side
    int32_t backpos = 0;       // list position reached with Back
    const TextList* favorites_ = nullptr;  // what the favorites list shows, in its order
    bool favdbl = false;       // a favorite was double-clicked: its tick runs it; never cleared
    int32_t savedwidth = 0;   // the width before widening; 0 while not widened
    int32_t ontopcount = -1;  // on-top ticks left; negative before the first
    bool in_dontsave_click_ = false;
    bool in_savejunk_click_ = false;
    HWND focus_before_ = nullptr;  // the control that had the focus when the window lost it
};

}  // namespace vq
