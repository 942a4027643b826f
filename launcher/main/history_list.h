// The history list: loaded from the history file into the main window's
// list once at start-up, and written back at most once per run.
#pragma once

#include "main/main_window.h"
#include "options/options.h"
#include "support/textlist.h"

namespace vq {

// How a save went.
struct SaveOutcome {
    enum Kind {
        saved,
        not_asked,  // saved before in this run, or the -gui: mode: nothing to do
        failed,     // two attempts failed; `reason` says why
        given_up,   // the user gave up the wait (Cancel, or closing the window)
    };
    Kind kind = not_asked;
    std::string reason;
};

class HistoryList {
  public:
    // Reads the history file, cleans its lines (options max, length,
    // leave_short, leave_1 and the delete words) and fills the list newest
    // first, with progress in the status label; Cancel stops it.  A file
    // that exists but cannot be read throws, and the history is then never
    // saved in this run.
    void loadhistory(TForm1& form, const Options& options, const TextList& deletes);
    // Writes the list oldest first with the Edit box text (as it is when
    // the save begins) as the newest line; two attempts, 1000 ms apart,
    // the status label saying so.  Lines that another launcher or an
    // import added to the file since the load are kept, older than the
    // Edit text, and so are the lines of a cancelled load's unreached
    // part, oldest of all; each attempt reads and writes under the history
    // lock, waiting for it as long as another launcher holds it.  Every
    // wait lets the window answer, and Cancel or closing the window ends
    // it.  Works once per run, never in the -gui: mode.  Lines of a file
    // with a byte-order mark that the ANSI code page cannot hold are not
    // written back: the file as it was is first copied beside it, and a
    // box says where.  An Edit text that the ANSI code page cannot hold is
    // not stored.  The caller tells the user what was not saved.
    SaveOutcome savehistory(TForm1& form, const Options& options);

  private:
    // One attempt: under the history lock, the file read again, what others
    // added kept, and the whole moved into place.
    SaveOutcome save_merged(TForm1& form, const Options& options, const std::string& newest);

    bool saved_once_ = false;
    // The file as the load read it, to tell what others added since.
    std::string loaded_bytes_;
    // The older part of it that a cancelled load never reached: the save
    // keeps its lines.
    std::string_view unreached_;
    // The file existed but could not be read: the list does not hold the
    // history, and writing it back would destroy the file.
    bool load_failed_ = false;
    // Lines of the file that the ANSI code page cannot hold (the list never
    // shows them), and the copy of the file as it was that keeps them.
    int lacking_lines_ = 0;
    std::string unicode_copy_;
};

}  // namespace vq
