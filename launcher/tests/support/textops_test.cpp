// Text helpers: the lenient number parser, quoting, positions and bounds.
#include <gtest/gtest.h>

#include "support/textlist.h"
#include "support/textops.h"

using namespace vq;

namespace {

TEST(ParseInt, SkipsBlanksAndStopsAtOtherCharacters) {
    EXPECT_EQ(parse_int(" 12"), 12);
    EXPECT_EQ(parse_int("1 2"), 12);
    EXPECT_EQ(parse_int("5x7"), 5);
    EXPECT_EQ(parse_int("x5"), 0);
    EXPECT_EQ(parse_int(""), 0);
}

TEST(ParseInt, AMinusAnywhereNegates) {
    EXPECT_EQ(parse_int("-5"), -5);
    EXPECT_EQ(parse_int("5-"), -5);
    EXPECT_EQ(parse_int("--5"), -5);
}

TEST(ParseInt, WrapsAs32Bits) {
    EXPECT_EQ(parse_int("4294967297"), 1);
    EXPECT_EQ(parse_int("2147483648"), INT32_MIN);
}

TEST(Unquote, RemovesOuterQuotesIndependently) {
    EXPECT_EQ(unquote("\"c:\\my dir\""), "c:\\my dir");
    EXPECT_EQ(unquote("\"open"), "open");
    EXPECT_EQ(unquote("close\""), "close");
    EXPECT_EQ(unquote("none"), "none");
    EXPECT_EQ(unquote(""), "");
    EXPECT_EQ(unquote("\""), "");
}

TEST(Unquote, CollapsesRunsOfQuotes) {
    EXPECT_EQ(unquote("\"\"\"\""), "\"");
    EXPECT_EQ(unquote("\"say \"\"hi\"\"\""), "say \"hi\"");
    EXPECT_EQ(unquote("a\"\"\"b"), "a\"b");
}

TEST(Unquote, DroppingTheOpeningQuoteKeeps10000Characters) {
    std::string text = "\"" + std::string(10005, 'a');
    EXPECT_EQ(unquote(text).size(), 10000u);
}

TEST(QuoteArg, OnlyIfNeededLeavesPlainWordsAlone) {
    EXPECT_EQ(quote_arg("c:\\tools\\make.exe", true), "c:\\tools\\make.exe");
    EXPECT_EQ(quote_arg("c:\\my tools\\make.exe", true), "\"c:\\my tools\\make.exe\"");
    EXPECT_EQ(quote_arg("\"x", true), "\"\"\"x\"");
    EXPECT_EQ(quote_arg("a\tb", true), "a\tb");  // only the blank counts as a space
}

TEST(QuoteArg, WithoutTheFlagEveryTextIsEnclosed) {
    EXPECT_EQ(quote_arg("make", false), "\"make\"");
    EXPECT_EQ(quote_arg("", false), "\"\"");
    EXPECT_EQ(quote_arg("say \"hi\"", false), "\"say \"\"hi\"\"\"");
}

TEST(Backslashes, AddAndStripOneTrailingBackslash) {
    std::string s = "c:\\dir\\";
    add_backslash(s);
    EXPECT_EQ(s, "c:\\dir\\");
    s = "c:\\dir";
    add_backslash(s);
    EXPECT_EQ(s, "c:\\dir\\");
    s = "c:\\dir\\\\";
    add_backslash(s);
    EXPECT_EQ(s, "c:\\dir\\\\");
    s = "";
    add_backslash(s);
    EXPECT_EQ(s, "\\");
    s = "x\\";
    strip_backslash(s);
    EXPECT_EQ(s, "x");
}

TEST(Backslashes, DirectoryOfCutsAfterTheLastBackslashOrColon) {
    EXPECT_EQ(directory_of("c:\\tools\\vq.exe"), "c:\\tools\\");
    EXPECT_EQ(directory_of("c:vq.exe"), "c:\\");
    EXPECT_TRUE(is_bare_name("vq.ini"));
    EXPECT_FALSE(is_bare_name("sub\\vq.ini"));
    EXPECT_FALSE(is_bare_name("c:vq.ini"));
    EXPECT_FALSE(is_bare_name(""));
}

TEST(Positions, CharAtAndCharFromEndGiveNulOutside) {
    EXPECT_EQ(char_at("abc", 1), 'a');
    EXPECT_EQ(char_at("abc", 3), 'c');
    EXPECT_EQ(char_at("abc", 0), '\0');
    EXPECT_EQ(char_at("abc", 4), '\0');
    EXPECT_EQ(char_from_end("abc", 1), "c");
    EXPECT_EQ(char_from_end("abc", 3), "a");
    EXPECT_EQ(char_from_end("abc", 4), std::string(1, '\0'));
    // Counts at the ends of the integer range lie before the start or after
    // the end, without overflowing on the way.
    EXPECT_EQ(char_from_end("abc", INT32_MIN), std::string(1, '\0'));
    EXPECT_EQ(char_from_end("abc", INT32_MAX), std::string(1, '\0'));
}

TEST(Positions, PosFromLooksWithin255Characters) {
    EXPECT_EQ(pos_from("b", 1, "abcb"), 2);
    EXPECT_EQ(pos_from("b", 3, "abcb"), 4);
    EXPECT_EQ(pos_from("z", 1, "abc"), 0);
    std::string far = std::string(300, 'a') + "x";
    EXPECT_EQ(pos_from("x", 1, far), 0);
    EXPECT_EQ(pos_from("x", 100, far), 301);
    EXPECT_EQ(pos_from("ax", 46, far), 0);  // would reach past the window
    EXPECT_EQ(pos_from("ax", 47, far), 300);
}

TEST(Positions, DeleteCharKeeps255CharactersAfterIt) {
    std::string s = "abc";
    delete_char(s, 2);
    EXPECT_EQ(s, "ac");
    s = "x" + std::string(300, 'y');
    delete_char(s, 1);
    EXPECT_EQ(s, std::string(255, 'y'));
    s = "abc";
    delete_char(s, 9);
    EXPECT_EQ(s, "abc");
}

TEST(Positions, InsertCharKeeps10000CharactersFromThePosition) {
    std::string s = "ac";
    insert_char(s, 2, 'b');
    EXPECT_EQ(s, "abc");
    insert_char(s, 4, 'd');
    EXPECT_EQ(s, "abcd");
    s = std::string(10005, 'z');
    insert_char(s, 1, 'a');
    EXPECT_EQ(s.size(), 10001u);
}

TEST(SmallHelpers, DoubleAmpClampTrimLower) {
    EXPECT_EQ(double_amp("a&b&&c"), "a&&b&&&&c");
    std::int32_t v = 150;
    clamp(0, 100, v);
    EXPECT_EQ(v, 100);
    v = -3;
    clamp(0, 100, v);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(trim_blanks(" \t dir /w \r\n"), "dir /w");
    EXPECT_EQ(ascii_lower("Dir TYPE"), "dir type");
}

TEST(SortList, FoldsOnlyAsciiLetters) {
    TextList list{"beta", "Alpha", "_under", "alp", "Zed"};
    sort_list(list, false, false);
    EXPECT_EQ(list, (TextList{"alp", "Alpha", "beta", "Zed", "_under"}));
    sort_list(list, true, false);
    EXPECT_EQ(list, (TextList{"_under", "Zed", "beta", "Alpha", "alp"}));
    sort_list(list, false, true);
    EXPECT_EQ(list, (TextList{"Alpha", "Zed", "_under", "alp", "beta"}));
}

TEST(TextLists, LookupIgnoresCaseWithTheLocale) {
    auto list = new_list();
    EXPECT_TRUE(list->empty());
    list->push_back("dir");
    list->push_back("x");
    list->push_back("x");
    EXPECT_EQ(list_index_of(*list, "DIR"), 0);
    EXPECT_EQ(list_index_of(*list, "X"), 1);
    EXPECT_FALSE(list_contains(*list, "di"));
}

}  // namespace
