// The driver's pure pieces: argument pre-processing, the argument file, the
// option table's matching order and the arguments it hands the handlers.
#include <gtest/gtest.h>

#include <cstdio>

#include "argfile.h"
#include "args.h"
#include "driver.h"
#include "optiontable.h"
#include "testsupport.h"

using namespace rovik;

TEST(Translate, BlanksCaretsAndSlashBackslash) {
    EXPECT_EQ(translateArg("a\xFA"
                           "b\xFA"),
              "a b ");
    EXPECT_EQ(translateArg("^^^x"), "^x");
    EXPECT_EQ(translateArg("/\\afile"), "^afile");
    EXPECT_EQ(translateArg("/\\/\\x"), "^x");   // two carets collapse too
    EXPECT_EQ(translateArg("//\\\\"), "/^\\");  // only the pair turns
    EXPECT_EQ(translateArg("/\\\\"), "^\\");
    EXPECT_EQ(translateArg("plain-text"), "plain-text");
}

TEST(Resplit, OnlyWhenBackslashQuote) {
    EXPECT_TRUE(needsResplit(L"rovik -w: \"c:\\dir name\\\""));
    EXPECT_FALSE(needsResplit(L"rovik -w: \"c:\\dir name\""));
    EXPECT_FALSE(needsResplit(L"rovik \"\\x\""));  // quote then backslash is fine
}

TEST(Resplit, QuotedItemsKeepTrailingBackslash) {
    std::vector<std::wstring> want{L"rovik.exe", L"-w:", L"c:\\dir name\\", L"next"};
    EXPECT_EQ(resplit(L"rovik.exe -w: \"c:\\dir name\\\" next"), want);
}

TEST(Resplit, BlanksQuotesAndUnterminatedItems) {
    EXPECT_EQ(resplit(L"\"c:\\prog\"   \"  x\" y\"z \"tail end"),
              (std::vector<std::wstring>{L"c:\\prog", L"  x", L"y\"z", L"tail end"}));
    EXPECT_EQ(resplit(L"\"a\"b c"), (std::vector<std::wstring>{L"a", L"b", L"c"}));
    EXPECT_EQ(resplit(L"   "), std::vector<std::wstring>{});
    EXPECT_EQ(resplit(L"a  b "), (std::vector<std::wstring>{L"a", L"b"}));
}

TEST(Resplit, ReplacesTranslatedListUntranslated) {
    const auto narrow = [](const std::wstring& w) { return std::string(w.begin(), w.end()); };
    auto args = preprocessWideArgs(L"rovik ^^^x \"c:\\d\\\" next", narrow);
    EXPECT_EQ(args, (std::vector<std::string>{"rovik", "^^^x", "c:\\d\\", "next"}));
    auto plain = preprocessWideArgs(L"rovik ^^^x", narrow);
    EXPECT_EQ(plain, (std::vector<std::string>{"rovik", "^x"}));
}

TEST(ArgFileLine, NumberAndValue) {
    EXPECT_EQ(argLineNumber("1      short"), 1);
    EXPECT_EQ(argLineNumber("  +12 x"), 12);
    EXPECT_EQ(argLineNumber("-3 x"), -3);
    EXPECT_EQ(argLineNumber("junk"), 0);
    EXPECT_EQ(argLineValue("1      short"), "short");
    EXPECT_EQ(argLineValue("2\t bingo  "), "bingo  ");  // trailing blanks stay
    EXPECT_EQ(argLineValue("3\xA0"
                           "value"),
              "value");  // high bytes are blanks
    EXPECT_EQ(argLineValue("4"), "");
    // An indented line: the blanks before the number are not part of the value.
    EXPECT_EQ(argLineValue("  5 x"), "x");
    EXPECT_EQ(argLineValue("\t 6\tsix "), "six ");
}

namespace {
FILE* fileWith(const std::string& content) {
    FILE* f = std::tmpfile();
    std::fputs(content.c_str(), f);
    return f;
}
}  // namespace

TEST(ArgFileRead, FirstMatchingLineOrEmpty) {
    FILE* f = fileWith("2 two\n1 one\n1 again\nword\n");
    EXPECT_EQ(readArgFrom(f, 1), "one");
    EXPECT_EQ(readArgFrom(f, 2), "two");
    EXPECT_EQ(readArgFrom(f, 3), "");
    EXPECT_EQ(readArgFrom(f, 0), "");  // "word": no digits, number 0, value after the token
    std::fclose(f);
}

TEST(ArgFileRead, LongLinesArriveInPieces) {
    // A 399-character piece ends the first read; the rest is a line of its own.
    std::string longLine = "1 " + std::string(397, 'a') + "7 seven\n";
    FILE* f = fileWith(longLine);
    EXPECT_EQ(readArgFrom(f, 1), std::string(397, 'a'));
    EXPECT_EQ(readArgFrom(f, 7), "seven");
    std::fclose(f);
}

TEST(OptionTable, RowsMatchInTestOrder) {
    auto textOf = [](const std::string& opt) {
        const OptionRow* row = findRow(opt);
        return row ? std::string(row->text) + "/" + std::to_string(static_cast<int>(row->match))
                   : std::string("none");
    };
    EXPECT_EQ(textOf("W"), "w/0");     // exact rows ignore case
    EXPECT_EQ(textOf("XCT"), "none");  // case-sensitive rows do not
    EXPECT_EQ(textOf("Xct"), "Xct/1");
    EXPECT_EQ(textOf("G10"), "none");  // 2nd-char rows are case-sensitive
    EXPECT_EQ(textOf("g10"), "g/2");
    EXPECT_EQ(textOf("g"), "g/0");
    EXPECT_EQ(textOf("w:"), "w:/0");
    EXPECT_EQ(textOf("W:name"), "w:/3");
    EXPECT_EQ(textOf("ifchars"), "ifchars/0");  // before the -i row
    EXPECT_EQ(textOf("ifoo"), "i/2");
    EXPECT_EQ(textOf("*anything"), "*/2");
    EXPECT_EQ(textOf("fdts"), "fdts/0");
    EXPECT_EQ(textOf("nc:\\x"), "n/2");
    EXPECT_EQ(textOf("FNSPLIT"), "fnsplit/0");
    EXPECT_EQ(textOf(".FNSPLIT"), "none");
    EXPECT_EQ(textOf(""), "none");
    EXPECT_EQ(textOf("unknown"), "none");
}

// The arguments the dispatcher hands a row's handler, for the option at
// position 3 after "-argv FILE" (or with no file set).
class RowArgs : public ::testing::Test {
  protected:
    testsupport::TempDir dir;
    std::string argFile = dir.write("args.txt", "1 one\n2 two\n3 three\n5 five\n");
    rovik::Run run{{"rovik", "-argv", "FILE", "-opt", "x", "", "y"}};

    std::vector<std::string> argsOf(const std::string& option) {
        const OptionRow* row = findRow(option);
        return row ? collectArgs(run, *row, 3, option).args : std::vector<std::string>{"no row"};
    }
};

// (The argument-file lines of -p, -x, -pushdd and the command-line rows are
// pinned by the runs of rovik.exe in the other tests.)
TEST_F(RowArgs, OnTheCommandLineAnEmptyWordDoesNotEndAList) {
    EXPECT_EQ(argsOf("x"), (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(argsOf("::"), (std::vector<std::string>{"x", "", "y"}));
}

TEST_F(RowArgs, AnAttachedLengthStandsAtTheOptionsOwnPosition) {
    run.settings.argFile = argFile;
    // -g10 reads its name from line 2, like -g 10 does, and its prompt words
    // up to the first empty line.
    EXPECT_EQ(argsOf("g10"), (std::vector<std::string>{"10", "two", "three"}));
    EXPECT_EQ(argsOf("g"), (std::vector<std::string>{"one", "two", "three"}));
}

TEST(Quotify, OnlyBlankTextsNotAlreadyQuoted) {
    rovik::Run run({"rovik"});
    EXPECT_EQ(run.quotify("a b"), "a b");
    run.settings.quote = true;
    EXPECT_EQ(run.quotify("a b"), "\"a b\"");
    EXPECT_EQ(run.quotify("ab"), "ab");
    EXPECT_EQ(run.quotify("\"a b\""), "\"a b\"");
    EXPECT_EQ(run.quotify(""), "");
}
