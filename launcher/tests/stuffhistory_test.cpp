// The -stuff import: captured lines appended to the history file, and the
// captured file deleted only when everything arrived.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "code/stuffhistory.h"
#include "main/history_lock.h"
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

// doskey wrote the captured file in the console's code page (OEM 437 here,
// e acute 0x82); the history is ANSI (1252, e acute 0xE9).
TEST_F(StuffHistory, CapturedLinesAreTurnedIntoTheAnsiCodePage) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs ANSI 1252 and OEM 437";
    testsupport::writeFile(options_.history, "old\r\n");
    testsupport::writeFile(options_.stuff, "type caf\x82.txt\r\ncd \\ \x8e\x99\x9a\r\nplain\r\n");
    EXPECT_EQ(vq::stuffhistory(options_), "");
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\ntype caf\xe9.txt\r\ncd \\ \xc4\xd6\xdc\r\nplain\r\n");
}

// A launcher that saves holds the history lock from its read to its move;
// the import waits for it instead of appending in between.
TEST_F(StuffHistory, TheImportWaitsForASaveInProgress) {
    testsupport::writeFile(options_.history, "old\r\n");
    testsupport::writeFile(options_.stuff, "make all\r\n");
    auto* lock = new vq::HistoryLock(options_.history);
    ASSERT_TRUE(lock->held());
    auto import = std::async(std::launch::async, [this] { return vq::stuffhistory(options_); });
    Sleep(300);
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\n");
    EXPECT_EQ(import.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    delete lock;
    ASSERT_EQ(import.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_EQ(import.get(), "");
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\nmake all\r\n");
    EXPECT_FALSE(testsupport::fileExists(vq::history_lock_path(options_.history)));
}

TEST_F(StuffHistory, FilesThatCannotBeOpenedAreReported) {
    EXPECT_EQ(vq::stuffhistory(options_), "Couldn't open \"" + options_.stuff + "\" for read");
    testsupport::writeFile(options_.stuff, "make\r\n");
    options_.history = dir_.mkdir("a directory");
    EXPECT_EQ(vq::stuffhistory(options_), "Couldn't open \"" + options_.history + "\" for append or create");
    EXPECT_TRUE(testsupport::fileExists(options_.stuff));
}

}  // namespace
