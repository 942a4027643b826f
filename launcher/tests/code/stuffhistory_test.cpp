// The -stuff import: captured lines appended to the history file, and the
// captured file deleted only when everything arrived.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "code/stuffhistory.h"
#include "history/history_lock.h"
#include "options/options.h"
#include "support/system_error.h"
#include "../support/box_texts.h"
#include "testsupport.h"

using namespace vq;

namespace {

class StuffHistory : public ::testing::Test {
  protected:
    void SetUp() override {
        options_.stuff = dir_.file("captured.txt");
        options_.history = dir_.file("vq.txt");
    }

    std::string import() { return vq::stuffhistory(options_.stuff, options_.history, options_.bug); }

    testsupport::TempDir dir_;
    Options options_;
    BoxTexts boxes_;
};

TEST_F(StuffHistory, AppendsTheLinesAndDeletesTheCapturedFile) {
    testsupport::writeFile(options_.history, "old\r\n");
    const std::string longLine(1200, 'q');
    testsupport::writeFile(options_.stuff, "dir /w\r\n;comment\r\n\r\n  indented\n\r" + longLine + "\rlast");
    EXPECT_EQ(import(), "");
    EXPECT_EQ(testsupport::readFile(options_.history),
              "old\r\ndir /w\r\n  indented\r\n" + std::string(500, 'q') + "\r\n" + std::string(500, 'q') +
                  "\r\n" + std::string(200, 'q') + "\r\nlast\r\n");
    EXPECT_FALSE(testsupport::fileExists(options_.stuff));
    EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(StuffHistory, CreatesAMissingHistoryAndKeepsTheCapturedFileWithBug) {
    testsupport::writeFile(options_.stuff, "make\r\n");
    options_.bug = true;
    EXPECT_EQ(import(), "");
    EXPECT_EQ(testsupport::readFile(options_.history), "make\r\n");
    EXPECT_TRUE(testsupport::fileExists(options_.stuff));
}

// Z:\dev\full takes no byte: every write fails as on a full disk.
TEST_F(StuffHistory, LinesThatWereNotWrittenStayInTheCapturedFile) {
    testsupport::writeFile(options_.stuff, "one\r\ntwo\r\n");
    options_.history = "Z:\\dev\\full";
    EXPECT_EQ(import(), "");
    EXPECT_EQ(boxes_.texts, (std::vector<std::string>{"Couldn't add the lines of \"" + options_.stuff +
                                                      "\" to \"Z:\\dev\\full\": " +
                                                      vq::system_error_text(ERROR_DISK_FULL) +
                                                      ".\r\nNothing was added; \"" + options_.stuff +
                                                      "\" is kept for the next try."}));
    EXPECT_EQ(testsupport::readFile(options_.stuff), "one\r\ntwo\r\n");
}

std::string utf16(const std::u16string& text, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : text) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        bytes += big_endian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return bytes;
}

// What real machines hand the import: a PowerShell redirect (UTF-16 with a
// mark), a UTF-8 file with a mark, LF line ends, a history whose last line
// an editor left open, zero bytes.  Every command arrives once, on a line
// of its own, in the ANSI code page, and no zero byte is written.
TEST_F(StuffHistory, CapturedFilesOfEveryKindKeepEveryCommand) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs ANSI 1252";
    using namespace std::string_literals;
    const struct {
        const char* what;
        std::string history;
        std::string captured;
        std::string after;
    } cases[] = {
        {"UTF-16 LE", "old\r\n", utf16(u"dir /w\r\ntype caf\u00E9.txt\r\nmake\r\n", false),
         "old\r\ndir /w\r\ntype caf\xE9.txt\r\nmake\r\n"},
        {"UTF-16 BE", "", utf16(u"one\ntwo", true), "one\r\ntwo\r\n"},
        {"UTF-8", "old\r\n", "\xEF\xBB\xBFna\xC3\xAFve\r\n", "old\r\nna\xEFve\r\n"},
        {"LF only", "old\r\n", "one\ntwo\nthree\n", "old\r\none\r\ntwo\r\nthree\r\n"},
        {"open last line", "old\r\nhand edited", "one\r\ntwo\r\n", "old\r\nhand edited\r\none\r\ntwo\r\n"},
        {"zero bytes", "old\r\n", "one\0\0\0two\r\n"s, "old\r\none\r\ntwo\r\n"},
    };
    for (const auto& c : cases) {
        testsupport::writeFile(options_.history, c.history);
        testsupport::writeFile(options_.stuff, c.captured);
        EXPECT_EQ(import(), "") << c.what;
        EXPECT_EQ(testsupport::readFile(options_.history), c.after) << c.what;
        EXPECT_FALSE(testsupport::fileExists(options_.stuff)) << c.what;
    }
    EXPECT_TRUE(boxes_.texts.empty());
}

// A line with a letter the ANSI code page lacks is not imported: a box
// says how many and shows the first as written; the captured file keeps
// those lines alone, in big-endian UTF-16 with its mark as it came.  With
// -bug it stays whole.
TEST_F(StuffHistory, LinesTheAnsiCodePageCannotHoldStayInTheCapturedFile) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs ANSI 1252";
    testsupport::writeFile(options_.history, "old\r\n");
    const std::string captured = utf16(u"dir\r\necho \u043B\u0435\r\nmake\r\n;\u65E5\r\ncd \u65E5\r\n", true);
    testsupport::writeFile(options_.stuff, captured);
    // The box waits for the user with the lock let go.
    bool lock_free = false;
    vq::set_message_box_hook([&](const std::string& text, const std::string&, unsigned) {
        lock_free = vq::HistoryLock(options_.history, 0).held();
        boxes_.texts.push_back(text);
        return IDOK;
    });
    EXPECT_EQ(import(), "");
    EXPECT_TRUE(lock_free);
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\ndir\r\nmake\r\n");
    EXPECT_EQ(testsupport::readFile(options_.stuff), utf16(u"echo \u043B\u0435\r\ncd \u65E5\r\n", true));
    ASSERT_EQ(boxes_.texts.size(), 1u);
    EXPECT_EQ(boxes_.texts[0].rfind("2 lines of \"" + options_.stuff + "\"", 0), 0u) << boxes_.texts[0];
    EXPECT_NE(boxes_.texts[0].find("\r\necho \xD0\xBB\xD0\xB5"), std::string::npos) << boxes_.texts[0];

    testsupport::writeFile(options_.stuff, captured);
    options_.bug = true;
    EXPECT_EQ(import(), "");
    EXPECT_EQ(testsupport::readFile(options_.stuff), captured);
}

// doskey wrote the captured file in the console's code page (OEM 437 here,
// e acute 0x82); the history is ANSI (1252, e acute 0xE9).
TEST_F(StuffHistory, CapturedLinesAreTurnedIntoTheAnsiCodePage) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs ANSI 1252 and OEM 437";
    testsupport::writeFile(options_.history, "old\r\n");
    testsupport::writeFile(options_.stuff, "type caf\x82.txt\r\ncd \\ \x8e\x99\x9a\r\nplain\r\n");
    EXPECT_EQ(import(), "");
    EXPECT_EQ(testsupport::readFile(options_.history),
              "old\r\ntype caf\xe9.txt\r\ncd \\ \xc4\xd6\xdc\r\nplain\r\n");
}

// A launcher that saves holds the history lock from its read to its move;
// the import waits for it instead of appending in between.
TEST_F(StuffHistory, TheImportWaitsForASaveInProgress) {
    testsupport::writeFile(options_.history, "old\r\n");
    testsupport::writeFile(options_.stuff, "make all\r\n");
    auto* lock = new vq::HistoryLock(options_.history);
    ASSERT_TRUE(lock->held());
    auto pending = std::async(std::launch::async, [this] { return import(); });
    Sleep(300);
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\n");
    EXPECT_EQ(pending.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    delete lock;
    ASSERT_EQ(pending.wait_for(std::chrono::milliseconds(testsupport::kPatienceMs)), std::future_status::ready);
    EXPECT_EQ(pending.get(), "");
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\nmake all\r\n");
    EXPECT_FALSE(testsupport::fileExists(vq::history_lock_path(options_.history)));
}

TEST_F(StuffHistory, FilesThatCannotBeOpenedAreReported) {
    EXPECT_EQ(import(), "Couldn't open \"" + options_.stuff + "\" for read");
    testsupport::writeFile(options_.stuff, "make\r\n");
    options_.history = dir_.mkdir("a directory");
    EXPECT_EQ(import(), "Couldn't open \"" + options_.history + "\" for append or create");
    EXPECT_TRUE(testsupport::fileExists(options_.stuff));
}

}  // namespace
