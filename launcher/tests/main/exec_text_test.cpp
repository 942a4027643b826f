// The command text that -exec hands to the Edit box, taken from the raw
// command line.
#include <gtest/gtest.h>

#include "main/exec_text.h"

namespace {

using vq::exec_text_of;

TEST(ExecText, TextAfterTheFirstExecTrimmed) {
    EXPECT_EQ(exec_text_of("\"c:\\tools\\vq.exe\" -exec make all  "), "make all");
    EXPECT_EQ(exec_text_of("vq.exe -exec"), "");
    EXPECT_EQ(exec_text_of("vq.exe -exec\t \"a b\" -exec c"), "\"a b\" -exec c");
    EXPECT_EQ(exec_text_of("vq.exe -execute"), "ute");  // no word boundary is looked for
    // The wide command line holds the letters the ANSI one lacks.
    EXPECT_EQ(exec_text_of(std::wstring(L"vq.exe -exec  del \u6F22\u5B57.txt ")), L"del \u6F22\u5B57.txt");
}

TEST(ExecText, TheProgramsOwnPathIsPassedOver) {
    EXPECT_EQ(exec_text_of("\"c:\\my -exec tools\\vq.exe\" -exec make"), "make");
    EXPECT_EQ(exec_text_of("c:\\run-exec\\vq.exe -exec make"), "make");
}

TEST(ExecText, CaseMattersAndNothingFoundGivesNothing) {
    EXPECT_EQ(exec_text_of("vq.exe -EXEC make"), "");
    EXPECT_EQ(exec_text_of(""), "");
}

TEST(ExecText, CutAt5000CharactersBeforeTrimming) {
    const std::string tail(6000, 'm');
    EXPECT_EQ(exec_text_of("vq -exec " + tail), std::string(4999, 'm'));
    EXPECT_EQ(exec_text_of("vq -exec" + tail).size(), 5000u);
}

}  // namespace
