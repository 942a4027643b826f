// The history load over random file bytes (NUL bytes, lone CR or LF, huge
// lines) and random options: the file's bytes split into lines, the lines
// cleaned into the list. The locale's comparison is the host stand-in that
// folds ASCII letters (fuzz/host/vq_locale.cpp). Checked:
//  - the lines hold every byte but the line ends, one line per line end
//    (CR LF and a run of NULs counting once) plus an unended last line;
//  - the list has at most max entries, ages 0, 1, 2, ... in order, no two
//    entries the same text, each trimmed, none empty, none of one
//    character unless allowed, and progress at every 256th entry;
//  - on files of up to 400 lines the list is the one the rules give when
//    applied one after the other to the whole file, comparing pairwise;
//  - saving the list (with its newest text in the Edit box) and loading
//    the saved file again gives the same list.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_build.h"
#include "history/history_format.h"
#include "history/locale_key.h"
#include "support/textlist.h"
#include "support/textops.h"

using namespace vq;

namespace {

struct Entry {
    std::string text;
    int32_t age;
};
using Entries = std::vector<Entry>;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "history load: %s\n", what);
    std::abort();
}

void checkLines(std::string_view bytes, const std::vector<std::string_view>& lines) {
    std::string kept, joined;
    size_t ends = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\n' && i > 0 && bytes[i - 1] == '\r') continue;
        if (c == '\0' && i > 0 && bytes[i - 1] == '\0') continue;
        if (c == '\r' || c == '\n' || c == '\0')
            ++ends;
        else
            kept += c;
    }
    const bool unended = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n' && bytes.back() != '\0';
    if (lines.size() != ends + (unended ? 1 : 0)) fail("wrong number of lines");
    for (auto l : lines) joined += l;
    if (joined != kept) fail("lines do not hold the file's text");
}

// The rules one after the other over the whole list, every "the same text"
// a pairwise comparison: the load as users describe it.
Entries loadStepByStep(std::vector<std::string> lines, const std::vector<std::string>& deletes,
                       const vq::LoadSettings& s) {
    const auto keepNewest = [&lines](long long n) {
        if (n < static_cast<long long>(lines.size()))
            lines.erase(lines.begin(), lines.end() - std::max(n, 0LL));
    };
    keepNewest(4LL * s.max);
    for (const auto& w : deletes)
        std::erase_if(lines, [&w](const std::string& l) { return same_text(l, w); });
    for (size_t k = 0; k < lines.size(); ++k) {
        const std::string text = lines[lines.size() - 1 - k];
        for (int at; (at = list_index_of(lines, text)) < static_cast<int>(lines.size() - 1 - k);)
            lines.erase(lines.begin() + at);
    }
    std::vector<std::string> pruned;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string t = trim_blanks(lines[i]);
        const bool exempt = static_cast<long long>(lines.size() - i) <= s.leave_short;
        if (t.empty() || (!exempt && static_cast<long long>(t.size()) < s.length) ||
            (!s.leave_1 && t.size() == 1))
            continue;
        pruned.push_back(t);
    }
    lines.swap(pruned);
    keepNewest(s.max);
    Entries entries;
    TextList seen;
    for (auto l = lines.rbegin(); l != lines.rend() && static_cast<int>(entries.size()) < s.max; ++l) {
        if (list_contains(seen, *l)) continue;
        seen.push_back(*l);
        entries.push_back({*l, static_cast<int32_t>(entries.size())});
    }
    return entries;
}

bool sameList(const Entries& a, const Entries& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const auto& x, const auto& y) { return x.text == y.text && x.age == y.age; });
}

// The load as the launcher runs it, straight from the file's bytes.
Entries load(std::string_view bytes, const std::vector<std::string>& deletes, const vq::LoadSettings& s,
             int32_t cancelAt, std::vector<int32_t>& progress) {
    const std::vector<std::string_view> texts =
        vq::build_history_views(bytes, deletes, s, vq::locale_text_key_into, [&](int32_t count) {
            progress.push_back(count);
            return count == cancelAt;
        });
    Entries entries;
    for (size_t i = 0; i < texts.size(); ++i) entries.push_back({std::string(texts[i]), static_cast<int32_t>(i)});
    return entries;
}

void checkList(const Entries& entries, const vq::LoadSettings& s, const std::vector<int32_t>& progress,
               int32_t cancelAt) {
    if (static_cast<long long>(entries.size()) > std::max(s.max, 0)) fail("more entries than max");
    TextList texts;
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string& t = entries[i].text;
        if (entries[i].age != static_cast<int32_t>(i)) fail("ages out of order");
        if (t.empty() || t != trim_blanks(t)) fail("an entry is empty or not trimmed");
        if (t.size() == 1 && !s.leave_1) fail("a one-character entry");
        if (list_contains(texts, t)) fail("the same text twice");
        texts.push_back(t);
    }
    for (size_t i = 0; i < progress.size(); ++i)
        if (progress[i] != static_cast<int32_t>(256 * i)) fail("progress not at every 256th entry");
    // One progress point before entries 0, 256, 512, ...; a cancelled load
    // has one more, at the entry it did not add.
    const size_t points = (entries.size() + 255) / 256;
    if (progress.size() != points && (cancelAt < 0 || progress.size() != points + 1))
        fail("progress not before every 256th entry");
    if (cancelAt >= 0 && static_cast<int32_t>(entries.size()) > cancelAt)
        fail("the load went on after cancel");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    vq::LoadSettings s;
    s.max = in.ConsumeIntegralInRange(-2, 300);
    s.length = in.ConsumeIntegralInRange(-2, 20);
    s.leave_short = in.ConsumeIntegralInRange(-2, 12);
    s.leave_1 = in.ConsumeBool();
    const int32_t cancelAt = in.ConsumeBool() ? 256 * in.ConsumeIntegralInRange(0, 1) : -1;
    const int listorder = in.ConsumeIntegralInRange(0, 3);
    std::vector<std::string> deletes;
    for (int n = in.ConsumeIntegralInRange(0, 3); n > 0; --n)
        deletes.push_back(in.ConsumeRandomLengthString(6));
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::vector<std::string_view> lines = vq::split_history_views(bytes);
    checkLines(bytes, lines);
    std::vector<int32_t> progress;
    const Entries entries = load(bytes, deletes, s, cancelAt, progress);
    checkList(entries, s, progress, cancelAt);

    if (cancelAt < 0 && lines.size() <= 400) {
        const Entries slow = loadStepByStep({lines.begin(), lines.end()}, deletes, s);
        if (!sameList(entries, slow)) fail("differs from the rules applied one by one");
    }

    // Save and load again: the same list, unless a delete word now matches
    // a trimmed entry (the file never held the trimmed text before).
    const bool deletable = std::any_of(entries.begin(), entries.end(), [&](const auto& e) {
        return std::any_of(deletes.begin(), deletes.end(),
                           [&](const auto& w) { return same_text(e.text, w); });
    });
    if (entries.empty() || deletable) return 0;
    std::vector<vq::ListItem> items;
    for (const auto& e : entries) items.push_back({e.text, e.age});
    if (listorder == 3) std::reverse(items.begin(), items.end());  // shown oldest first
    const std::string saved =
        vq::join_history_lines(vq::history_save_lines({}, items, listorder, {}, entries[0].text));
    std::vector<int32_t> again;
    if (!sameList(load(saved, deletes, s, -1, again), entries)) fail("saving and loading changed the list");
    return 0;
}
