#include "main/history_list.h"

#include "history/history_build.h"
#include "history/history_lock.h"
#include "history/history_store.h"
#include "history/locale_key.h"
#include "main/form.h"
#include "support/atomic_file.h"
#include "support/files.h"
#include "support/messages.h"

namespace vq {

void HistoryList::loadhistory(TForm1& form, const Options& options, const TextList& deletes) {
    const std::string& path = options.history;

    std::string& bytes = loaded_bytes_;
    if (file_exists(path)) {
        try {
            bytes = read_history_bytes(path);
        } catch (...) {
            load_failed_ = true;
            throw;
        }
        form.set_caption(sformat("(%s/%s/%s:%s) %s", {"1", "14", "2015", "bfb", path}));
    } else {
        form.set_caption(sformat("(%s) %s (empty)", {"aa0", path}));
    }
    form.show_control(ID_CheckBox_DontSave);

    LoadSettings s;
    s.max = options.max;
    s.length = options.length;
    s.leave_short = options.leave_short;
    s.leave_1 = options.leave_1;
    // The texts are views into the bytes read, which this list keeps.
    const std::vector<std::string_view> texts = build_history_views(
        bytes, deletes, s, locale_text_key_into,
        [&form](int32_t count) { return form.showprogress("adding %d", {count}); }, &unreached_);
    // The window may have gone while the progress points let events run.
    if (!form.handle()) return;
    form.show_history(texts);
    form.showprogress("%d entries", {static_cast<int>(form.history().size())});
}

void HistoryList::savehistory(TForm1& form, const Options& options) {
    if (saved_once_ || !options.gui.empty()) return;
    saved_once_ = true;
    if (load_failed_) return;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        if (save_merged(form, options)) {
            // Said once the lock is free: the file keeps no such line now.
            if (lacking_lines_ > 0)
                infof("%d lines of \"%s\" hold letters that the ANSI code page lacks; the list could not show "
                      "them, and they are not written back.  The file as it was is kept in \"%s\".",
                      {lacking_lines_, options.history, unicode_copy_});
            return;
        }
        form.show_status(sformat("save of \"%s\" failed; waiting, trying again", {options.history}));
        Sleep(1000);
    }
}

bool HistoryList::save_merged(TForm1& form, const Options& options) {
    // Another launcher's or an import's change between the read and the
    // move would be lost: they wait for one another here.  For the
    // lock they wait as long as it takes, saying so; only where no lock
    // can be had at all does the save go on without one.
    HistoryLock lock(options.history, HistoryLock::forever,
                     [&] { form.show_status(history_lock_wait_text(options.history)); });
    if (lock.held()) remove_stale_temps(options.history);
    std::vector<std::string> added;
    if (file_exists(options.history)) {
        try {
            added = lines_added_since(loaded_bytes_, read_history_bytes(options.history, &lacking_lines_));
        } catch (...) {
            // What others added cannot be known: writing the list alone
            // would drop it.  This attempt failed.
            return false;
        }
    }
    // Lines the list cannot hold are kept in a copy of the file as it is
    // (once, whatever the attempt).
    if (lacking_lines_ > 0 && unicode_copy_.empty()) {
        unicode_copy_ = keep_unicode_copy(options.history);
        if (unicode_copy_.empty()) return false;
    }
    // A command that the ANSI code page cannot hold is not stored with other
    // letters: an empty line stands in for it, as for an empty Edit box.
    const AnsiText edit = form.edit_text_checked();
    const std::string bytes = join_history_lines(history_save_lines(
        split_history_views(unreached_), form.history().items(), form.listorder(), added, edit.text));
    return replace_file(options.history, bytes);
}

}  // namespace vq
