#include "main/history_list.h"

#include "history/history_build.h"
#include "history/history_lock.h"
#include "history/history_store.h"
#include "history/locale_key.h"
#include "main/form.h"
#include "support/atomic_file.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/system_error.h"

namespace vq {

void HistoryList::loadhistory(TForm1& form, const Options& options, const TextList& deletes) {
    const std::string& path = options.history;

    std::string& bytes = loaded_bytes_;
    if (directory_exists(path)) {
        // Nothing to lose: the save tries, and says why it cannot.
        form.set_caption(sformat("(%s) %s (cannot be read: a folder)", {"aa0", path}));
    } else if (file_exists(path)) {
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

SaveOutcome HistoryList::savehistory(TForm1& form, const Options& options) {
    if (saved_once_ || !options.gui.empty()) return {};
    saved_once_ = true;
    if (load_failed_) return {SaveOutcome::failed, "it could not be read when the launcher started"};
    // A command that the ANSI code page cannot hold is not stored with other
    // letters: an empty line stands in for it, as for an empty Edit box.
    const std::string newest = form.edit_text_checked().text;
    SaveOutcome outcome;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        outcome = save_merged(form, options, newest);
        if (outcome.kind == SaveOutcome::saved && lacking_lines_ > 0)
            // Said once the lock is free: the file keeps no such line now.
            infof("%d lines of \"%s\" hold letters that the ANSI code page lacks; the list could not show "
                  "them, and they are not written back.  The file as it was is kept in \"%s\".",
                  {lacking_lines_, options.history, unicode_copy_});
        if (outcome.kind != SaveOutcome::failed) return outcome;
        form.show_status(sformat("save of \"%s\" failed; waiting, trying again", {options.history}));
        if (!form.pause_answering(1000)) return {SaveOutcome::given_up, {}};
    }
    return outcome;
}

SaveOutcome HistoryList::save_merged(TForm1& form, const Options& options, const std::string& newest) {
    // Another launcher's or an import's change between the read and the
    // move would be lost: they wait for one another here.  For the
    // lock they wait as long as it takes, saying so; only where no lock
    // can be had at all does the save go on without one.
    HistoryLock lock(
        options.history, HistoryLock::forever, [&] { form.show_status(history_lock_wait_text(options.history)); },
        [&form](unsigned ms) { return form.pause_answering(ms); });
    if (lock.given_up()) return {SaveOutcome::given_up, {}};
    if (lock.held()) remove_stale_temps(options.history);
    if (directory_exists(options.history)) return {SaveOutcome::failed, "it is a folder, not a file"};
    std::vector<std::string> added;
    if (file_exists(options.history)) {
        try {
            added = lines_added_since(loaded_bytes_, read_history_bytes(options.history, &lacking_lines_));
        } catch (const std::exception& e) {
            // What others added cannot be known: writing the list alone
            // would drop it.  This attempt failed.
            const DWORD error = GetLastError();
            return {SaveOutcome::failed, error ? system_error_text(error) : std::string(e.what())};
        }
    }
    // Lines the list cannot hold are kept in a copy of the file as it is
    // (once, whatever the attempt).
    if (lacking_lines_ > 0 && unicode_copy_.empty()) {
        unicode_copy_ = keep_unicode_copy(options.history);
        if (unicode_copy_.empty())
            return {SaveOutcome::failed, "its lines that the ANSI code page lacks could not be copied aside"};
    }
    const std::string bytes = join_history_lines(history_save_lines(
        split_history_views(unreached_), form.history().items(), form.listorder(), added, newest));
    unsigned long error = 0;
    if (replace_file(options.history, bytes, &error)) return {SaveOutcome::saved, {}};
    return {SaveOutcome::failed, system_error_text(error)};
}

}  // namespace vq
