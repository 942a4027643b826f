// The history list's cleaning steps and the whole load pipeline, on the
// histories users actually produce (repeats, junk, short commands).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/history_lists.h"
#include "main/locale_key.h"

using vq::HistEntryData;
using Lines = std::vector<std::string>;

namespace {

// "a;b;c" -> {"a","b","c"}
Lines split(const std::string& s) {
    Lines out;
    size_t start = 0;
    for (;;) {
        size_t semi = s.find(';', start);
        out.push_back(s.substr(start, semi - start));
        if (semi == std::string::npos) break;
        start = semi + 1;
    }
    return out;
}

struct Load {
    std::vector<HistEntryData> entries;
    std::vector<int> progress;
};

Load load(const Lines& lines, vq::LoadSettings s = {}, const Lines& deletes = {"x", "vq"},
          int cancel_at = -1) {
    Load r;
    r.entries = vq::build_history(lines, deletes, s, vq::locale_text_key_into, [&](int32_t n) {
        r.progress.push_back(n);
        return n == cancel_at;
    });
    return r;
}

Lines texts(const std::vector<HistEntryData>& e) {
    Lines t;
    for (const auto& x : e) t.push_back(x.text);
    return t;
}

}  // namespace

TEST(DropOldest, RemovesFromTheFrontOnly) {
    Lines l = split("a;b;c;d");
    vq::drop_oldest(l, 0);
    EXPECT_EQ(l, split("a;b;c;d"));
    vq::drop_oldest(l, -3);
    EXPECT_EQ(l, split("a;b;c;d"));
    vq::drop_oldest(l, 2);
    EXPECT_EQ(l, split("c;d"));
    vq::drop_oldest(l, 2);
    EXPECT_TRUE(l.empty());
    Lines m = split("a;b");
    vq::drop_oldest(m, 99);
    EXPECT_TRUE(m.empty());
}

TEST(DeleteWords, WholeLinesIgnoringCase) {
    Lines l = split("x;x y;VQ;dir;X;vq ;y");
    vq::delete_words(l, {"x", "vq"}, vq::locale_text_key);
    EXPECT_EQ(l, split("x y;dir;vq ;y"));  // "vq " has a blank: not the word
    Lines e = split("a;;b");
    vq::delete_words(e, {""}, vq::locale_text_key);
    EXPECT_EQ(e, split("a;b"));
}

TEST(DedupeKeepLast, NewestOccurrenceWinsInItsOwnCase) {
    Lines l = split("Dir /w;make;dir /W;make;cls");
    vq::dedupe_keep_last(l, vq::locale_text_key);
    EXPECT_EQ(l, split("dir /W;make;cls"));
    Lines same = split("a;a;a");
    vq::dedupe_keep_last(same, vq::locale_text_key);
    EXPECT_EQ(same, split("a"));
}

TEST(PruneShort, TrimsAndSparesTheNewest) {
    // length 10, 5 exempt: cls and dir fall out, ver / cd .. / tree stay.
    Lines l = split("cls;edit config.sys;dir;ping localhost;ver;cd ..;tree;git status");
    vq::prune_short(l, 10, 5, false);
    EXPECT_EQ(l, split("edit config.sys;ping localhost;ver;cd ..;tree;git status"));

    Lines blanks = {"  \t ", " dir ", "\tnotepad readme.txt  "};
    vq::prune_short(blanks, 10, 5, false);
    EXPECT_EQ(blanks, (Lines{"dir", "notepad readme.txt"}));

    // One-character lines go unless kept on purpose; an old one still meets
    // the length rule.
    Lines one = split("a;long enough command;b");
    vq::prune_short(one, 10, 1, false);
    EXPECT_EQ(one, split("long enough command"));
    Lines keep = split("a;long enough command;b");
    vq::prune_short(keep, 10, 1, true);
    EXPECT_EQ(keep, split("long enough command;b"));
}

TEST(PruneShort, BytesAboveAsciiAreNotBlanks) {
    Lines l = {"\xe9t\xe9 longer text\xa0"};
    vq::prune_short(l, 1, 0, false);
    EXPECT_EQ(l[0], "\xe9t\xe9 longer text\xa0");
}

TEST(LoadPipeline, TypicalHistory) {
    Load r = load(split("notepad readme.txt;x;cd \\projects\\alpha;NOTEPAD README.TXT;dir"));
    EXPECT_EQ(texts(r.entries), split("dir;NOTEPAD README.TXT;cd \\projects\\alpha"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.entries[i].age, i);
    EXPECT_EQ(r.progress, std::vector<int>{0});
}

TEST(LoadPipeline, TrimmingMakesRepeatsTheNewerWins) {
    Load r = load(split("  dir;long command one;dir "));
    EXPECT_EQ(texts(r.entries), split("dir;long command one"));
}

TEST(LoadPipeline, MaxLimitsTheList) {
    Lines ten;
    for (int i = 0; i < 10; ++i) ten.push_back("long command number " + std::to_string(i));
    vq::LoadSettings s;
    s.max = 2;
    Load r = load(ten, s);
    EXPECT_EQ(texts(r.entries), (Lines{"long command number 9", "long command number 8"}));
    EXPECT_EQ(r.progress, std::vector<int>{0});

    s.max = 0;
    EXPECT_TRUE(load(ten, s).entries.empty());
    s.max = -4;
    EXPECT_TRUE(load(ten, s).entries.empty());
}

TEST(LoadPipeline, FirstCutIsFourTimesMax) {
    // 12 lines, max 2: only the newest 8 take part, so the old repeat of the
    // newest command cannot push anything out, and lines before the cut are
    // never seen.
    Lines l;
    for (int i = 0; i < 12; ++i) l.push_back("command number " + std::to_string(i));
    vq::LoadSettings s;
    s.max = 2;
    Load r = load(l, s);
    EXPECT_EQ(texts(r.entries), (Lines{"command number 11", "command number 10"}));
}

TEST(LoadPipeline, ProgressEvery256AndCancel) {
    Lines l;
    for (int i = 0; i < 600; ++i) l.push_back("distinct long command " + std::to_string(i));
    vq::LoadSettings s;
    s.max = 1000;
    Load r = load(l, s);
    EXPECT_EQ(r.progress, (std::vector<int>{0, 256, 512}));
    EXPECT_EQ(r.entries.size(), 600u);
    EXPECT_EQ(r.entries.back().age, 599);

    Load c = load(l, s, {"x", "vq"}, 256);
    EXPECT_EQ(c.entries.size(), 256u);  // the entry at the cancelled point is not added
}

TEST(LoadPipeline, LeaveOneAmongTheNewest) {
    vq::LoadSettings s;
    s.leave_1 = true;
    Load r = load(split("q;long command a;long command b;long command c;long command d;"
                        "long command e;z"),
                  s);
    EXPECT_EQ(texts(r.entries).front(), "z");
    EXPECT_EQ(texts(r.entries).back(), "long command a");  // old "q" is too short
}

TEST(LoadPipeline, HugeMaxKeepsEverything) {
    // Four times the largest max does not fit in 32 bits; it must not wrap
    // into a cut that empties the history.
    vq::LoadSettings s;
    s.max = 2147483647;
    Load r = load(split("long command one;long command two"), s);
    EXPECT_EQ(texts(r.entries), split("long command two;long command one"));
}
