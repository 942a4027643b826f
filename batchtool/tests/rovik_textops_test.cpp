// Text rewriting of -p, -math, -blr, -xct and the rules around -g.
#include "textops.h"

#include <gtest/gtest.h>

#include <climits>

#include "lineinput.h"

using namespace rovik;

TEST(ParseInt, ReadsLikeBatchNumbers) {
    EXPECT_EQ(parseInt("42"), 42);
    EXPECT_EQ(parseInt("  -17xyz"), -17);
    EXPECT_EQ(parseInt("\t+8"), 8);
    EXPECT_EQ(parseInt("x1"), 0);
    EXPECT_EQ(parseInt(""), 0);
    EXPECT_EQ(parseInt("-"), 0);
    EXPECT_EQ(parseInt("12 34"), 12);
    EXPECT_EQ(parseInt("2147483647"), INT_MAX);
    EXPECT_EQ(parseInt("-2147483648"), INT_MIN);
    EXPECT_EQ(parseInt("4294967296"), 0);  // wraps like the arithmetic
}

TEST(WrapArithmetic, WrapsAtThirtyTwoBits) {
    EXPECT_EQ(wrapAdd(INT_MAX, 1), INT_MIN);
    EXPECT_EQ(wrapSub(INT_MIN, 1), INT_MAX);
    EXPECT_EQ(wrapMul(65536, 65536), 0);
    EXPECT_EQ(wrapMul(-3, 7), -21);
}

TEST(SelectPart, UnderscoresBecomeBlanks) {
    EXPECT_EQ(selectPart("a_b_c", std::nullopt, std::nullopt), "a b c");
}

TEST(SelectPart, StartIndexCountsFromOne) {
    EXPECT_EQ(selectPart("abcdef", "2", "3"), "bcd");
    EXPECT_EQ(selectPart("abc", "0", "2"), "ab");
    EXPECT_EQ(selectPart("abc", "1", "2"), "ab");
    EXPECT_EQ(selectPart("abcdef", "4", std::nullopt), "def");
}

TEST(SelectPart, OutOfRangeStartGivesEmpty) {
    EXPECT_EQ(selectPart("abc", "9", std::nullopt), "");
    EXPECT_EQ(selectPart("abc", "4", std::nullopt), "");
    EXPECT_EQ(selectPart("abc", "-2", std::nullopt), "");
}

TEST(SelectPart, CountRules) {
    EXPECT_EQ(selectPart("abc", "1", "0"), "");
    EXPECT_EQ(selectPart("abc", "1", "-1"), "abc");  // negative cuts nothing
    EXPECT_EQ(selectPart("abc", "2", "10"), "bc");
    EXPECT_EQ(selectPart(std::string(2500, 'x'), std::nullopt, std::nullopt), std::string(2000, 'x'));
}

TEST(SelectPart, EmptyIndexOrCountCountsAsAbsent) {
    EXPECT_EQ(selectPart("abcdef", "", ""), "abcdef");
    EXPECT_EQ(selectPart("abcdef", "3", ""), "cdef");
}

TEST(Calculate, FourOperators) {
    EXPECT_EQ(calculate("+", "2", "3").value, 5);
    EXPECT_EQ(calculate("-", "2", "7").value, -5);
    EXPECT_EQ(calculate("*", "-4", "6").value, -24);
    EXPECT_EQ(calculate("/", "7", "2").value, 3);
    EXPECT_EQ(calculate("/", "-7", "2").value, -3);    // toward zero
    EXPECT_EQ(calculate("+plus", "1", "1").value, 2);  // only the first character counts
    EXPECT_EQ(calculate("+", "x", "4").value, 4);
}

TEST(Calculate, OverflowWraps) {
    EXPECT_EQ(calculate("+", "2147483647", "1").value, INT_MIN);
    EXPECT_EQ(calculate("*", "100000", "100000").value, 1410065408);
    MathResult r = calculate("/", "-2147483648", "-1");
    EXPECT_EQ(r.status, MathStatus::Ok);
    EXPECT_EQ(r.value, INT_MIN);
}

TEST(Calculate, BadOperatorAndDivisionByZeroAreReported) {
    EXPECT_EQ(calculate("%", "1", "2").status, MathStatus::BadOperator);
    EXPECT_EQ(calculate("", "1", "2").status, MathStatus::BadOperator);
    EXPECT_EQ(calculate("/", "1", "0").status, MathStatus::DivideByZero);
    EXPECT_EQ(calculate("/", "0", "abc").status, MathStatus::DivideByZero);
}

TEST(BlankTranslate, UnderscoresAndBackslashes) {
    EXPECT_EQ(blankTranslate("A_msg_w_B\\_L\\\\Rs"), "A msg w B_L\\Rs");
    EXPECT_EQ(blankTranslate("ab\\"), "ab");
    EXPECT_EQ(blankTranslate("\\\\\\"), "\\");
    EXPECT_EQ(blankTranslate("\\x_"), "x ");
    EXPECT_EQ(blankTranslate(""), "");
}

TEST(StarFragment, TakesWhatStandsForTheStar) {
    EXPECT_EQ(starFragment("c:\\is_*_drive_c", "is_HOSTNAME_drive_c"), "HOSTNAME");
    EXPECT_EQ(starFragment("is_*_drive_c", "is_box_DRIVE_C"), "box");
    EXPECT_EQ(starFragment("d:x*.txt", "xabc.TXT"), "abc");
    EXPECT_EQ(starFragment("dir/sub\\pre*.log", "preNAME.log"), "NAME");
    EXPECT_EQ(starFragment("*.txt", "readme.txt"), "readme");
    EXPECT_EQ(starFragment("a*b", "ab"), "");
}

TEST(StarFragment, NothingWithoutStarTailOrOccurrence) {
    EXPECT_EQ(starFragment("c:\\file.txt", "file.txt"), std::nullopt);
    EXPECT_EQ(starFragment("c:\\abc*", "abcdef"), std::nullopt);
    EXPECT_EQ(starFragment("ab*.txt", "abc.doc"), std::nullopt);
    EXPECT_EQ(starFragment("abcdef*x", "abx"), std::nullopt);
}

TEST(StarFragment, TailInsideTheHeadPartIsPassedOver) {
    // "b" occurs at 1, inside the "ab" the head accounts for; the search
    // starts behind it.
    EXPECT_EQ(starFragment("ab*b", "abxb"), "x");
    EXPECT_EQ(starFragment("x_*_", "x_a_"), "a");
}

TEST(LineInputRules, PromptWordsAndDefaultSource) {
    PromptWords p = splitPromptWords({"Your", "^first", "name?", "^c:\\last.txt"});
    EXPECT_EQ(p.shown, "Your name? ");
    EXPECT_EQ(p.defaultSource, "c:\\last.txt");
    EXPECT_EQ(splitPromptWords({}).shown, "");
    EXPECT_FALSE(splitPromptWords({"a"}).defaultSource);
    EXPECT_TRUE(sourceIsVariable(*splitPromptWords({"^:"}).defaultSource));
    EXPECT_FALSE(sourceIsVariable(*splitPromptWords({"^x:"}).defaultSource));
}

TEST(LineInputRules, FieldLength) {
    EXPECT_EQ(capFieldLength(200), 78);
    EXPECT_EQ(capFieldLength(10), 10);
    EXPECT_EQ(widenToLastColumn(10, 12), 66);  // from column 12 to 78
    EXPECT_EQ(widenToLastColumn(70, 12), 70);
    EXPECT_EQ(widenToLastColumn(5, 80), 5);
}

TEST(LineInputRules, StartTexts) {
    EXPECT_EQ(startFromVariable("abcdefgh", 8), "abcde");
    EXPECT_EQ(startFromVariable("abc", 2), "");
    EXPECT_EQ(startFromFile("first line\nsecond\n", 78), "first line");
    EXPECT_EQ(startFromFile("abcdef", 4), "abcd");
    EXPECT_EQ(startFromFile("abc", 0), "");
}
