// The driver's pure pieces: argument pre-processing, the argument file and
// the option table's matching order.
#include <gtest/gtest.h>

#include <cstdio>

#include "argfile.h"
#include "args.h"
#include "driver.h"
#include "optiontable.h"

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
    EXPECT_TRUE(needsResplit("rovik -w: \"c:\\dir name\\\""));
    EXPECT_FALSE(needsResplit("rovik -w: \"c:\\dir name\""));
    EXPECT_FALSE(needsResplit("rovik \"\\x\""));  // quote then backslash is fine
}

TEST(Resplit, QuotedItemsKeepTrailingBackslash) {
    std::vector<std::string> want{"rovik.exe", "-w:", "c:\\dir name\\", "next"};
    EXPECT_EQ(resplit("rovik.exe -w: \"c:\\dir name\\\" next"), want);
}

TEST(Resplit, BlanksQuotesAndUnterminatedItems) {
    EXPECT_EQ(resplit("\"c:\\prog\"   \"  x\" y\"z \"tail end"),
              (std::vector<std::string>{"c:\\prog", "  x", "y\"z", "tail end"}));
    EXPECT_EQ(resplit("\"a\"b c"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(resplit("   "), std::vector<std::string>{});
    EXPECT_EQ(resplit("a  b "), (std::vector<std::string>{"a", "b"}));
}

TEST(Resplit, ReplacesTranslatedListUntranslated) {
    std::vector<std::string> runtime{"rovik", "^^^x", "c:\\d\" next"};
    auto args = preprocessArgs(runtime, "rovik ^^^x \"c:\\d\\\" next");
    EXPECT_EQ(args, (std::vector<std::string>{"rovik", "^^^x", "c:\\d\\", "next"}));
    auto plain = preprocessArgs({"rovik", "^^^x"}, "rovik ^^^x");
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

TEST(OptionTable, EveryOperationHasAHandler) {
    for (const OptionRow* row = optionTable; row->text; ++row) {
        if (row->kind == Kind::Operation)
            EXPECT_NE(row->operation, nullptr) << row->text;
        else
            EXPECT_NE(row->setting, Setting::None) << row->text;
    }
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
