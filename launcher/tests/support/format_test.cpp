// sformat: the directives, and the failure text that replaces a broken message.
#include <gtest/gtest.h>

#include "support/format.h"

using namespace vq;

namespace {

std::string failure(const std::string& complaint, const std::string& format) {
    return "Format() error in program!\r\nError:\r\n" + complaint + "\r\nFormat:\r\n" + format;
}

TEST(Sformat, FillsTextsIntegersAndPercentSigns) {
    EXPECT_EQ(sformat("plain"), "plain");
    EXPECT_EQ(sformat("bad option: %s", {"-x"}), "bad option: -x");
    EXPECT_EQ(sformat("%d entries", {600}), "600 entries");
    EXPECT_EQ(sformat("%d/%d", {-5, 0}), "-5/0");
    EXPECT_EQ(sformat("%d", {INT32_MIN}), "-2147483648");
    EXPECT_EQ(sformat("100%%"), "100%");
    EXPECT_EQ(sformat("%s=%d%%", {std::string("beep"), 50}), "beep=50%");
    EXPECT_EQ(sformat("%s", {""}), "");
}

TEST(Sformat, DoubledPercentsOfTheRepeatLoopScriptBecomeBatchParameters) {
    EXPECT_EQ(sformat("%%1 %%2 %%3 %%4 %%5 %%6 %%7 %%8 %%9\r\n"), "%1 %2 %3 %4 %5 %6 %7 %8 %9\r\n");
}

TEST(Sformat, ArgumentTextsAreNotReadAsDirectives) {
    EXPECT_EQ(sformat("[%s]", {"50% %d %s"}), "[50% %d %s]");
}

TEST(Sformat, WidthAndPrecisionFollowPrintf) {
    EXPECT_EQ(sformat("[%5d]", {42}), "[   42]");
    EXPECT_EQ(sformat("[%-4s]", {"ab"}), "[ab  ]");
    // A value longer than its field is neither cut nor padded.
    EXPECT_EQ(sformat("[%-4s]", {"abcdef"}), "[abcdef]");
    EXPECT_EQ(sformat("[%3d]", {-12345}), "[-12345]");
    EXPECT_EQ(sformat("[%.2s]", {"abcdef"}), "[ab]");
    EXPECT_EQ(sformat("[%.3d]", {-7}), "[-007]");
}

TEST(Sformat, WrongKindGivesTheFiveLineFailureText) {
    EXPECT_EQ(sformat("%d", {"text"}), failure("Format '%d' invalid or incompatible with argument", "%d"));
    EXPECT_EQ(sformat("n=%s", {3}), failure("Format '%s' invalid or incompatible with argument", "n=%s"));
}

TEST(Sformat, MissingArgumentNamesTheDirective) {
    EXPECT_EQ(sformat("%s %s", {"one"}), failure("No argument for format '%s'", "%s %s"));
    EXPECT_EQ(sformat("%-8d"), failure("No argument for format '%-8d'", "%-8d"));
}

TEST(Sformat, MalformedDirectivesAreFaults) {
    EXPECT_EQ(sformat("50%", {}), failure("Format '%' invalid or incompatible with argument", "50%"));
    EXPECT_EQ(sformat("%x", {1}), failure("Format '%x' invalid or incompatible with argument", "%x"));
    EXPECT_EQ(sformat("%5", {1}), failure("Format '%5' invalid or incompatible with argument", "%5"));
}

TEST(Sformat, ComplaintCutsTheDirectiveTo31Characters) {
    std::string directive = "%" + std::string(40, '1') + "q";
    std::string text = sformat(directive, {1});
    EXPECT_NE(text.find("Format '" + directive.substr(0, 31) + "' invalid"), std::string::npos);
    EXPECT_EQ(text.find(directive.substr(0, 32) + "'"), std::string::npos);
}

TEST(Sformat, ExtraArgumentsAreIgnored) {
    EXPECT_EQ(sformat("%s", {"a", "b", 3}), "a");
}

}  // namespace
