// Loading the history into the list at start-up and writing it back once
// per run, with progress in the status label.
#include <stdexcept>

#include "main/history_file.h"
#include "main/history_lists.h"
#include "main/history_store.h"
#include "main/locale_key.h"
#include "main/mainform.h"
#include "options/options.h"
#include "support/files.h"
#include "support/format.h"

namespace {

bool saved_once = false;
// Set when the file existed but could not be read: the list does not hold
// the history then, and writing it back would destroy the file.
bool load_failed = false;

}  // namespace

bool showprogress(std::string_view format, const Args& args) {
    Form1->set_status(sformat(format, args));
    process_pending_events();
    if (Form1->handle) UpdateWindow(Form1->handle);
    return cancelled;
}

void loadhistory() {
    TForm1& f = *Form1;
    listorder = 1;
    f.loadcount = 0;
    const std::string& path = options.history;

    std::string bytes;
    std::vector<std::string_view> lines;
    if (file_exists(path)) {
        try {
            bytes = vq::read_history_bytes(path);
        } catch (...) {
            load_failed = true;
            throw;
        }
        lines = vq::split_history_views(bytes);
        f.set_caption(sformat("(%s/%s/%s:%s) %s", {"1", "14", "2015", "bfb", path}));
    } else {
        f.set_caption(sformat("(%s) %s (empty)", {"aa0", path}));
    }
    ShowWindow(f.CheckBox_DontSave, SW_SHOWNA);
    f.apply_anchors();  // the box counts for the scroll range now

    vq::LoadSettings s;
    s.max = options.max;
    s.length = options.length;
    s.leave_short = options.leave_short;
    s.leave_1 = options.leave_1;
    const std::vector<std::string> none;
    std::vector<vq::HistEntryData> entries =
        vq::build_history(lines, deletes ? *deletes : none, s, vq::locale_text_key_into,
                          [](int32_t count) { return showprogress("adding %d", {count}); });
    f.loadcount = static_cast<int32_t>(entries.size());

    std::vector<std::pair<std::string, THistEntry*>> items;
    items.reserve(entries.size());
    for (auto& e : entries) items.emplace_back(std::move(e.text), new THistEntry(e.age));
    // The window may have gone while the progress points let events run.
    if (!f.handle) {
        for (auto& it : items) delete it.second;
        return;
    }
    f.set_items(std::move(items));
    showprogress("%d entries", {f.item_count()});
}

void savehistory() {
    if (saved_once || !options.gui.empty()) return;
    saved_once = true;
    if (load_failed) return;
    TForm1& f = *Form1;
    const std::string bytes =
        vq::join_history_lines(vq::history_save_lines(f.list_items(), listorder, f.edit_text()));
    for (int attempt = 1; attempt <= 2; ++attempt) {
        if (vq::replace_history_file(options.history, bytes)) return;
        f.set_status(sformat("save of \"%s\" failed; waiting, trying again", {options.history}));
        if (f.handle) UpdateWindow(f.handle);
        Sleep(1000);
    }
}
