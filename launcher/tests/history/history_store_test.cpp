// The history file's bytes, the order it is saved in, and the one-step
// replacement that protects it from crashes and read-only files.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "history/history_format.h"
#include "history/history_store.h"
#include "support/atomic_file.h"
#include "support/files.h"
#include "testsupport.h"

using namespace vq;

using Lines = std::vector<std::string>;

namespace {
Lines split(const std::string& bytes) {
    const std::vector<std::string_view> views = vq::split_history_views(bytes);
    return Lines(views.begin(), views.end());
}
}  // namespace

TEST(HistoryFileText, LineEndsOfEveryKind) {
    EXPECT_EQ(split("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(split("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(split("a\n\nb\r\n\r\n"), (Lines{"a", "", "b", ""}));
    EXPECT_EQ(split("\r\n"), (Lines{""}));
    EXPECT_EQ(split("\n\r"), (Lines{"", ""}));  // LF then a lone CR
    EXPECT_TRUE(split("").empty());
}

// Zero bytes (a crash or a power loss can leave a block of them) end a line
// and are dropped: the lines after them stay lines.
TEST(HistoryFileText, ZeroBytesEndALineAndTheLinesAfterThemStay) {
    using namespace std::string_literals;
    EXPECT_EQ(split("a\r\nb\0c\r\nd"s), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(split("\0a"s), (Lines{"", "a"}));
    EXPECT_EQ(split("one\r\n"s + std::string(512, '\0') + "two\r\nthree"), (Lines{"one", "", "two", "three"}));
    EXPECT_EQ(split("x\0\0\0"s), (Lines{"x"}));
}

// Walking back from the last line gives the lines the forward split gives,
// in reverse: checked on every text of up to seven bytes made of a letter,
// CR, LF and NUL, which holds every mix of line ends at both ends.
TEST(HistoryFileText, BackwardWalkGivesTheSameLines) {
    const char alphabet[] = {'a', '\r', '\n', '\0'};
    int texts = 0;
    for (int len = 0; len <= 7; ++len) {
        std::vector<int> digit(static_cast<size_t>(len), 0);
        for (;;) {
            std::string bytes;
            for (int d : digit) bytes += alphabet[d];
            const std::vector<std::string_view> forward = vq::split_history_views(bytes);
            Lines back;
            vq::HistoryLinesBackward walk(bytes);
            for (std::string_view line; walk.prev(line);) {
                EXPECT_GE(line.data(), bytes.data());  // views into the bytes
                back.emplace_back(line);
            }
            EXPECT_FALSE(walk.prev(*std::make_unique<std::string_view>()));  // stays at the end
            EXPECT_EQ(Lines(back.rbegin(), back.rend()), Lines(forward.begin(), forward.end()))
                << "bytes of length " << len << " number " << texts;
            ++texts;
            size_t k = 0;
            while (k < digit.size() && ++digit[k] == 4) digit[k++] = 0;
            if (k == digit.size()) break;
        }
    }
    EXPECT_EQ(texts, 1 + 4 + 16 + 64 + 256 + 1024 + 4096 + 16384);
}

TEST(HistoryFileText, EveryLineEndsInCrLf) {
    EXPECT_EQ(vq::join_history_lines({"dir /w", "", "  make  "}), "dir /w\r\n\r\n  make  \r\n");
    EXPECT_EQ(vq::join_history_lines({}), "");
}

TEST(HistorySaveOrder, OldestFirstThenTheEditTextUntrimmed) {
    // Shown alphabetically: the save still goes by age, oldest first.
    std::vector<vq::ListItem> items = {{"apple", 2}, {"cherry", 0}, {"banana", 5}};
    EXPECT_EQ(vq::history_save_lines({}, items, 0, {}, " run me "),
              (Lines{"banana", "apple", "cherry", " run me "}));
    EXPECT_EQ(vq::history_save_lines({}, items, 1, {}, ""), (Lines{"banana", "apple", "cherry", ""}));
    // Order 3 is oldest first already: it is written as shown, not sorted
    // again (these ages would sort the other way).
    std::vector<vq::ListItem> shown = {{"b", 3}, {"a", 7}};
    EXPECT_EQ(vq::history_save_lines({}, shown, 3, {}, "c"), (Lines{"b", "a", "c"}));
    // What others added since the load goes between the list and the Edit
    // text.
    EXPECT_EQ(vq::history_save_lines({}, items, 1, {"theirs 1", "theirs 2"}, "mine"),
              (Lines{"banana", "apple", "cherry", "theirs 1", "theirs 2", "mine"}));
    // The older lines that a cancelled load never reached come first, as
    // they stood, without empty ones.
    EXPECT_EQ(vq::history_save_lines({"oldest", "", " older "}, items, 1, {}, "mine"),
              (Lines{"oldest", " older ", "banana", "apple", "cherry", "mine"}));
}

TEST(HistoryAddedSinceLoad, OnlyLinesTheLoadDidNotSee) {
    const std::string loaded = "old one\r\n  dropped  \r\ndeleted by me\r\nkept\r\n";
    // Unchanged file: nothing was added.
    EXPECT_TRUE(vq::lines_added_since(loaded, loaded).empty());
    // Another launcher rewrote the file with its cleaned list and its own
    // command; an import then appended two lines, one of them twice.  Lines
    // the load saw (trimmed or not) never come back.
    const std::string now =
        "old one\r\ndropped\r\nkept\r\ntheir command\r\n\r\n imported \r\nkept\r\nimported\r\nlast";
    EXPECT_EQ(vq::lines_added_since(loaded, now), (Lines{"their command", " imported ", "last"}));
    // A history that did not exist at the load: every line is new.
    EXPECT_EQ(vq::lines_added_since("", "a\r\nb\r\n"), (Lines{"a", "b"}));
}

TEST(HistoryStore, ReplacesTheFileAndLeavesNoTemporary) {
    testsupport::TempDir dir;
    const std::string path = dir.file("vq.txt");
    ASSERT_TRUE(vq::replace_file(path, "one\r\n"));
    EXPECT_EQ(testsupport::readFile(path), "one\r\n");
    ASSERT_TRUE(vq::replace_file(path, "two\r\nthree\r\n"));
    EXPECT_EQ(testsupport::readFile(path), "two\r\nthree\r\n");
    EXPECT_EQ(vq::read_history_bytes(path), "two\r\nthree\r\n");
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((dir.path() + "\\*").c_str(), &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    int files = 0;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    EXPECT_EQ(files, 1);
}

TEST(HistoryStore, ReadOnlyFileStaysUnchanged) {
    testsupport::TempDir dir;
    const std::string path = dir.write("vq.txt", "keep me\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(vq::replace_file(path, "lost\r\n"));
    EXPECT_EQ(testsupport::readFile(path), "keep me\r\n");
    EXPECT_FALSE(testsupport::fileExists(path + ".new~"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(HistoryStore, MissingDirectoryFails) {
    testsupport::TempDir dir;
    EXPECT_FALSE(vq::replace_file(dir.file("no\\such\\vq.txt"), "x\r\n"));
    EXPECT_FALSE(file_exists(dir.file("vq.txt")));
    EXPECT_FALSE(file_exists(dir.path()));  // a directory is not a history file
}

// A history an editor saved with a byte-order mark is read in the ANSI code
// page (and the next save writes it so).
TEST(HistoryStore, MarkedFilesAreReadInTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "needs ANSI 1252";
    using namespace std::string_literals;
    testsupport::TempDir dir;
    const std::string path = dir.file("vq.txt");
    for (const std::string& bytes : {"\xFF\xFE" "d\0i\0r\0\r\0\n\0c\0a\0f\0\xE9\0"s,
                                     "\xFE\xFF\0d\0i\0r\0\r\0\n\0c\0a\0f\0\xE9"s,
                                     "\xEF\xBB\xBF" "dir\r\ncaf\xC3\xA9"s}) {
        testsupport::writeFile(path, bytes);
        EXPECT_EQ(vq::read_history_bytes(path), "dir\r\ncaf\xE9") << testing::PrintToString(bytes);
    }
}
