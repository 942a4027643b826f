// The cleaning of the history file's lines into the list, rule by rule, on
// the histories users actually produce (repeats, junk, short commands).
// Lines are given oldest first; the list comes out newest first.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "history_load.h"

namespace {

using Lines = std::vector<std::string>;

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
    std::vector<vqtest::LoadedEntry> entries;
    std::vector<int> progress;
    Lines texts() const {
        Lines t;
        for (const auto& e : entries) t.push_back(e.text);
        return t;
    }
};

Load load(const Lines& lines, vq::LoadSettings s = {}, const Lines& deletes = {"x", "vq"},
          int cancel_at = -1) {
    Load r;
    r.entries = vqtest::load_lines(lines, deletes, s, [&](int32_t n) {
        r.progress.push_back(n);
        return n == cancel_at;
    });
    // Every line end the file may use gives the same list and progress.
    for (const char* end : {"\n", "\r"}) {
        std::vector<int> progress;
        const auto other = vqtest::load_lines(
            lines, deletes, s,
            [&](int32_t n) {
                progress.push_back(n);
                return n == cancel_at;
            },
            end);
        Lines texts;
        for (const auto& e : other) texts.push_back(e.text);
        EXPECT_EQ(texts, r.texts());
        EXPECT_EQ(progress, r.progress);
    }
    return r;
}

// n distinct commands, long enough for the length rule, oldest first.
Lines numbered(const std::string& prefix, int n) {
    Lines l;
    for (int i = 0; i < n; ++i) l.push_back(prefix + std::to_string(i));
    return l;
}

vq::LoadSettings no_length_rule() {
    vq::LoadSettings s;
    s.length = 0;
    return s;
}

TEST(HistoryBuild, TypicalHistory) {
    Load r = load(split("notepad readme.txt;x;cd \\projects\\alpha;NOTEPAD README.TXT;dir"));
    EXPECT_EQ(r.texts(), split("dir;NOTEPAD README.TXT;cd \\projects\\alpha"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(r.entries[i].age, i);
    EXPECT_EQ(r.progress, std::vector<int>{0});
}

TEST(HistoryBuild, DeleteWordsRemoveWholeLinesIgnoringCase) {
    vq::LoadSettings s = no_length_rule();
    s.leave_1 = true;
    // "vq " is not the word (it is compared before trimming); "x y" holds it
    // only as a part.
    Load r = load(split("x;x y;VQ;dir;X;vq ;y"), s);
    EXPECT_EQ(r.texts(), split("y;vq;dir;x y"));
}

TEST(HistoryBuild, RepeatsKeepTheNewestOccurrenceInItsOwnCase) {
    Load r = load(split("Dir /w;make;dir /W;make;cls"), no_length_rule());
    EXPECT_EQ(r.texts(), split("cls;make;dir /W"));
}

TEST(HistoryBuild, ShortLinesGoUnlessAmongTheNewest) {
    // length 10, 5 exempt: cls and dir fall out, ver / cd .. / tree stay.
    Load r = load(split("cls;edit config.sys;dir;ping localhost;ver;cd ..;tree;git status"));
    EXPECT_EQ(r.texts(), split("git status;tree;cd ..;ver;ping localhost;edit config.sys"));
}

TEST(HistoryBuild, LinesAreTrimmedAndBlankLinesGo) {
    Load r = load({"  \t ", " dir ", "\tnotepad readme.txt  ", ""});
    EXPECT_EQ(r.texts(), (Lines{"notepad readme.txt", "dir"}));
    vq::LoadSettings s;
    s.length = 1;
    // Bytes above ASCII are not blanks.
    EXPECT_EQ(load({"\xe9t\xe9 longer text\xa0"}, s).texts(), Lines{"\xe9t\xe9 longer text\xa0"});
}

TEST(HistoryBuild, TrimmingMakesRepeatsTheNewerWins) {
    Load r = load(split("  dir;long command one;dir "));
    EXPECT_EQ(r.texts(), split("dir;long command one"));
}

TEST(HistoryBuild, OneCharacterLinesGoUnlessKeptOnPurpose) {
    vq::LoadSettings s;
    s.leave_short = 1;
    EXPECT_EQ(load(split("a;long enough command;b"), s).texts(), split("long enough command"));
    s.leave_1 = true;
    EXPECT_EQ(load(split("a;long enough command;b"), s).texts(), split("b;long enough command"));
    // An old one-character line still meets the length rule.
    vq::LoadSettings d;
    d.leave_1 = true;
    Load r = load(split("q;long command a;long command b;long command c;long command d;"
                        "long command e;z"),
                  d);
    EXPECT_EQ(r.texts().front(), "z");
    EXPECT_EQ(r.texts().back(), "long command a");
}

TEST(HistoryBuild, MaxLimitsTheList) {
    const Lines ten = numbered("long command number ", 10);
    vq::LoadSettings s;
    s.max = 2;
    Load r = load(ten, s);
    EXPECT_EQ(r.texts(), (Lines{"long command number 9", "long command number 8"}));
    EXPECT_EQ(r.progress, std::vector<int>{0});

    s.max = 0;
    EXPECT_TRUE(load(ten, s).entries.empty());
    s.max = -4;
    EXPECT_TRUE(load(ten, s).entries.empty());
}

TEST(HistoryBuild, OnlyTheNewestFourTimesMaxLinesTakePart) {
    // max 3: the newest 12 lines are one older command and eleven repeats,
    // which leave two entries; the line before them must not fill the gap.
    Lines l = {"old command outside", "inside command one"};
    for (int i = 0; i < 11; ++i) l.push_back("long command repeated");
    vq::LoadSettings s;
    s.max = 3;
    EXPECT_EQ(load(l, s).texts(), (Lines{"long command repeated", "inside command one"}));
}

TEST(HistoryBuild, HugeMaxKeepsEverything) {
    // Four times the largest max does not fit in 32 bits; it must not wrap
    // into a cut that empties the history.
    vq::LoadSettings s;
    s.max = 2147483647;
    Load r = load(split("long command one;long command two"), s);
    EXPECT_EQ(r.texts(), split("long command two;long command one"));
}

TEST(HistoryBuild, ProgressEvery256AndCancel) {
    const Lines l = numbered("distinct long command ", 600);
    vq::LoadSettings s;
    s.max = 1000;
    Load r = load(l, s);
    EXPECT_EQ(r.progress, (std::vector<int>{0, 256, 512}));
    EXPECT_EQ(r.entries.size(), 600u);
    EXPECT_EQ(r.entries.back().age, 599);

    Load c = load(l, s, {"x", "vq"}, 256);
    EXPECT_EQ(c.entries.size(), 256u);  // the entry at the cancelled point is not added
}

}  // namespace
