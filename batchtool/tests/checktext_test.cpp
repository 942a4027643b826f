// Text rules of the exit-code tests.
#include <gtest/gtest.h>

#include "checktext.h"

using namespace rovik;

TEST(ParseDecimal, LikeTheRuntimeReadsNumbers) {
    EXPECT_EQ(parseDecimal("100"), 100);
    EXPECT_EQ(parseDecimal("  -42x"), -42);
    EXPECT_EQ(parseDecimal("+7"), 7);
    EXPECT_EQ(parseDecimal("abc"), 0);
    EXPECT_EQ(parseDecimal(""), 0);
    EXPECT_EQ(parseDecimal("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseDecimal("-99999999999999999999"), INT32_MIN);
}

TEST(CharsAndSubstrings, CaseRules) {
    EXPECT_EQ(firstCharFound("zb", "abz"), 'z');  // the order of chars decides
    EXPECT_FALSE(firstCharFound("", "abc"));
    EXPECT_FALSE(firstCharFound("q", "abc"));
    EXPECT_FALSE(containsIgnoreCase("Hi", "Hii"));
    EXPECT_TRUE(containsIgnoreCase("Hello", "hello"));
}

TEST(TestedName, QuoteCarriageReturnAndSlash) {
    EXPECT_EQ(prepareTestedName("c:\\dir\""), "c:\\dir");
    EXPECT_EQ(prepareTestedName("c:\\dir\\\r\r"), "c:\\dir");
    EXPECT_EQ(prepareTestedName("c:\""), "c:\\");  // a quoted root
    EXPECT_EQ(prepareTestedName("\r"), "\r");
    EXPECT_EQ(prepareTestedName("name"), "name");
}

TEST(SameDirectory, DriveAndSlashRules) {
    EXPECT_TRUE(sameDirectory("C:\\Work", "c:\\work\\"));
    EXPECT_TRUE(sameDirectory("C:\\Work", "\\WORK"));
    EXPECT_FALSE(sameDirectory("C:\\Work", "D:\\Work"));
    EXPECT_TRUE(sameDirectory("C:\\", "\\"));
    EXPECT_TRUE(sameDirectory("C:\\", "c:\\"));
    EXPECT_FALSE(sameDirectory("C:\\Work\\sub", "\\Work"));
}
