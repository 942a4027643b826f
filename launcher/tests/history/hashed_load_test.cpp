// The load hashes texts by their locale sort key and does all its steps in
// one pass from the newest line back.  This checks it against the one
// reference of the cleaning, step by step as users describe it with every
// comparison the locale's own, over tricky texts: the list, the ages and
// the progress points must be the same.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "history/locale_key.h"
#include "history_load.h"
#include "support/textlist.h"
#include "support/textops.h"

using namespace vq;

using Lines = std::vector<std::string>;

namespace {

std::string key_of(const std::string& text) {
    std::string key;
    vq::locale_text_key_into(text, key);
    return key;
}

// The cleaning done the slow way, one step after the other over the whole
// list: every "contains" a scan with the locale's case-insensitive
// comparison.
struct Reference {
    static bool contains_before(const Lines& l, const std::string& t, size_t limit, size_t* at) {
        for (size_t i = 0; i < limit; ++i)
            if (same_text(l[i], t)) {
                *at = i;
                return true;
            }
        return false;
    }

    static std::vector<vqtest::LoadedEntry> load(Lines lines, const Lines& deletes, const vq::LoadSettings& s,
                                               std::vector<int>& prog) {
        auto drop = [](Lines& l, long long n) {
            if (n >= static_cast<long long>(l.size()))
                l.clear();
            else if (n > 0)
                l.erase(l.begin(), l.begin() + n);
        };
        drop(lines, static_cast<long long>(lines.size()) - 4LL * s.max);
        for (const auto& w : deletes)
            for (size_t i = 0; i < lines.size();)
                if (same_text(lines[i], w))
                    lines.erase(lines.begin() + i);
                else
                    ++i;
        for (size_t k = 0; k < lines.size(); ++k) {
            const std::string t = lines[lines.size() - 1 - k];
            size_t at;
            while (contains_before(lines, t, lines.size() - 1 - k, &at)) lines.erase(lines.begin() + at);
        }
        for (size_t i = 0; i < lines.size();) {
            std::string t = vq::trim_blanks(lines[i]);
            if (t.empty())
                lines.erase(lines.begin() + i);
            else if (static_cast<long long>(lines.size() - i) > s.leave_short &&
                     static_cast<long long>(t.size()) < s.length)
                lines.erase(lines.begin() + i);
            else if (!s.leave_1 && t.size() == 1)
                lines.erase(lines.begin() + i);
            else
                lines[i++] = t;
        }
        drop(lines, static_cast<long long>(lines.size()) - s.max);
        std::vector<vqtest::LoadedEntry> entries;
        Lines seen;
        int32_t loadcount = 0;
        for (size_t i = lines.size(); i-- > 0;) {
            size_t at;
            if (contains_before(seen, lines[i], seen.size(), &at)) continue;
            if (loadcount % 256 == 0) prog.push_back(loadcount);
            ++loadcount;
            entries.push_back({lines[i], loadcount - 1});
            seen.push_back(lines[i]);
            if (loadcount == s.max) break;
        }
        return entries;
    }
};

const Lines kTricky = {
    "dir",
    "DIR",
    "Dir",
    " dir",
    "dir ",
    "\tdir",
    "co-op",
    "coop",
    "co_op",
    "CO-OP",
    "it's",
    "its",
    "stra\xdf"
    "e",
    "strasse",
    "STRASSE",
    "r\xe9sum\xe9",
    "resume",
    "R\xc9SUM\xc9",
    "na\xefve",
    "naive",
    "a b",
    "a  b",
    "a\tb",
    "\xe6",
    "ae",
    "AE",
    "x",
    "X",
    "vq",
    "VQ",
    "a\x01"
    "b",
    "ab",
    "\xa0",
    "1.txt",
    "01.txt",
    "",
    "  ",
    "q",
    "long enough line",
    "LONG ENOUGH LINE",
    "long-enough line",
    "\xc5ngstr\xf6m",
    "angstrom",
    "o\xf6",
    "\xdf",
    "ss",
    "SS",
    "\x7f",
};

}  // namespace

TEST(HashedLoad, SortKeyEqualityMatchesTheLocaleComparison) {
    for (const auto& a : kTricky)
        for (const auto& b : kTricky)
            EXPECT_EQ(key_of(a) == key_of(b), same_text(a, b)) << "[" << a << "] vs [" << b << "]";
}

TEST(HashedLoad, SameListAgesAndProgressAsThePairwiseLoad) {
    std::mt19937 rng(20150114);
    for (int round = 0; round < 60; ++round) {
        Lines lines;
        const int n = 20 + static_cast<int>(rng() % 400);
        for (int i = 0; i < n; ++i) {
            std::string t = kTricky[rng() % kTricky.size()];
            if (rng() % 3) t += " " + kTricky[rng() % kTricky.size()];
            if (rng() % 4 == 0) t += std::to_string(rng() % 50);
            lines.push_back(t);
        }
        vq::LoadSettings s;
        s.max = static_cast<int>(rng() % 310) - 10;  // some rounds with max 0 or below
        s.length = static_cast<int>(rng() % 12);
        s.leave_short = static_cast<int>(rng() % 8);
        s.leave_1 = rng() % 2;
        const Lines deletes = round % 2 ? Lines{"x", "vq"} : Lines{"DIR", "", "co-op"};

        std::vector<int> ref_prog, fast_prog;
        auto ref = Reference::load(lines, deletes, s, ref_prog);
        auto fast = vqtest::load_lines(lines, deletes, s, [&](int32_t c) {
            fast_prog.push_back(c);
            return false;
        });
        ASSERT_EQ(fast.size(), ref.size()) << "round " << round;
        for (size_t i = 0; i < ref.size(); ++i) {
            EXPECT_EQ(fast[i].text, ref[i].text) << "round " << round << " item " << i;
            EXPECT_EQ(fast[i].age, ref[i].age);
        }
        EXPECT_EQ(fast_prog, ref_prog);
    }
}

TEST(HashedLoad, ManyDistinctLinesKeepProgressPoints) {
    Lines lines;
    for (int i = 0; i < 1500; ++i) lines.push_back("Command Line " + std::to_string(i % 700));
    vq::LoadSettings s;
    s.max = 1000;
    std::vector<int> ref_prog, fast_prog;
    auto ref = Reference::load(lines, {"x", "vq"}, s, ref_prog);
    auto fast = vqtest::load_lines(lines, {"x", "vq"}, s, [&](int32_t c) {
        fast_prog.push_back(c);
        return false;
    });
    ASSERT_EQ(fast.size(), 700u);
    ASSERT_EQ(ref.size(), 700u);
    for (size_t i = 0; i < ref.size(); ++i) EXPECT_EQ(fast[i].text, ref[i].text);
    EXPECT_EQ(fast_prog, (std::vector<int>{0, 256, 512}));
    EXPECT_EQ(fast_prog, ref_prog);
}
