// The -stuff import: captured lines appended to the history file, and the
// captured file deleted only when everything arrived.
#include <windows.h>

#include <gtest/gtest.h>

#include "code/stuffhistory.h"
#include "box_texts.h"
#include "testsupport.h"

using namespace vq;

namespace {

class StuffHistory : public ::testing::Test {
  protected:
    void SetUp() override {
        options_.stuff = dir_.file("captured.txt");
        options_.history = dir_.file("vq.txt");
    }

    testsupport::TempDir dir_;
    Options options_;
    BoxTexts boxes_;
};

TEST_F(StuffHistory, AppendsTheLinesAndDeletesTheCapturedFile) {
    testsupport::writeFile(options_.history, "old\r\n");
    const std::string longLine(1200, 'q');
    testsupport::writeFile(options_.stuff, "dir /w\r\n;comment\r\n\r\n  indented\n\r" + longLine + "\rlast");
    EXPECT_EQ(vq::stuffhistory(options_), "");
    EXPECT_EQ(testsupport::readFile(options_.history),
              "old\r\ndir /w\r\n  indented\r\n" + std::string(500, 'q') + "\r\n" + std::string(500, 'q') +
                  "\r\n" + std::string(200, 'q') + "\r\nlast\r\n");
    EXPECT_FALSE(testsupport::fileExists(options_.stuff));
    EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(StuffHistory, CreatesAMissingHistoryAndKeepsTheCapturedFileWithBug) {
    testsupport::writeFile(options_.stuff, "make\r\n");
    options_.bug = true;
    EXPECT_EQ(vq::stuffhistory(options_), "");
    EXPECT_EQ(testsupport::readFile(options_.history), "make\r\n");
    EXPECT_TRUE(testsupport::fileExists(options_.stuff));
}

// Z:\dev\full takes no byte: every write fails as on a full disk.
TEST_F(StuffHistory, LinesThatWereNotWrittenStayInTheCapturedFile) {
    testsupport::writeFile(options_.stuff, "one\r\ntwo\r\n");
    options_.history = "Z:\\dev\\full";
    EXPECT_EQ(vq::stuffhistory(options_), "");
    EXPECT_EQ(boxes_.texts, (std::vector<std::string>(2, "hprintf result<>count failure")));
    EXPECT_EQ(testsupport::readFile(options_.stuff), "one\r\ntwo\r\n");
}

TEST_F(StuffHistory, FilesThatCannotBeOpenedAreReported) {
    EXPECT_EQ(vq::stuffhistory(options_), "Couldn't open \"" + options_.stuff + "\" for read");
    testsupport::writeFile(options_.stuff, "make\r\n");
    options_.history = dir_.mkdir("a directory");
    EXPECT_EQ(vq::stuffhistory(options_), "Couldn't open \"" + options_.history + "\" for append or create");
    EXPECT_TRUE(testsupport::fileExists(options_.stuff));
}

}  // namespace
