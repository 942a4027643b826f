// The help text shipped beside vq.exe: text with CR LF line ends, like
// every other text file of the launcher.
#include <gtest/gtest.h>

#include "testsupport.h"

TEST(VqHelpText, EveryLineEndsInCrLf) {
    const std::string text = testsupport::readFile(testsupport::siblingExe("vqhelp.txt"));
    ASSERT_GT(text.size(), 1000u);
    ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
    size_t lines = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lines;
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
        } else if (text[i] == '\r') {
            EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_GT(lines, 100u);
}
