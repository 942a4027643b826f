// Splitting a command line, the search-path directories, the order in which
// a program word is found on disk, and the batch-file extensions.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/command_words.h"
#include "support/path_search.h"
#include "support/program_lookup.h"
#include "testsupport.h"

using namespace vq;

namespace {

std::pair<std::string, std::string> split(const std::string& line) {
    std::string program, rest;
    vq::split_command(line, program, rest);
    return {program, rest};
}

using Split = std::pair<std::string, std::string>;

TEST(SplitCommand, WordEndsAtABlankOrAComma) {
    EXPECT_EQ(split("make all"), (Split{"make", " all"}));
    EXPECT_EQ(split("dir,/w"), (Split{"dir", ",/w"}));
    EXPECT_EQ(split("cls"), (Split{"cls", ""}));
    EXPECT_EQ(split("a\tb"), (Split{"a", "\tb"}));
}

TEST(SplitCommand, QuotedWordKeepsItsQuotes) {
    EXPECT_EQ(split("\"c:\\my tools\\x.exe\" -v \"a b\""), (Split{"\"c:\\my tools\\x.exe\"", " -v \"a b\""}));
    // Without a closing quote the word runs to the end of the line.
    EXPECT_EQ(split("\"c:\\my tools"), (Split{"c:\\my tools", "s"}));
    // A doubled quote stands for one; that word is not found again in the
    // line, so the rest is counted from its length.
    EXPECT_EQ(split("\"a\"\"b\" c"), (Split{"a\"b", "\"b\" c"}));
}

TEST(SplitCommand, RestIsCutAt5000Characters) {
    EXPECT_EQ(split("x " + std::string(6000, 'r')).second.size(), 5000u);
}

TEST(SearchDirs, CurrentDirectoryFirstThenPathInOrder) {
    using Dirs = TextList;
    EXPECT_EQ(vq::search_dirs(""), (Dirs{".\\"}));
    EXPECT_EQ(vq::search_dirs("c:\\bin;\"c:\\my tools\\\";d:\\x\\"),
              (Dirs{".\\", "c:\\bin\\", "c:\\my tools\\", "d:\\x\\"}));
    EXPECT_EQ(vq::search_dirs(";c:\\a;;c:\\a; c:\\b ;"), (Dirs{".\\", "c:\\a\\", "c:\\a\\", " c:\\b \\"}));
}

// A tree of programs on disk with PATH and the current directory pointed
// into it for the time of one test.
class XInPath : public ::testing::Test {
  protected:
    void SetUp() override {
        GetCurrentDirectoryA(MAX_PATH, oldCwd_);
        oldPath_ = getPath();
        cwd_ = tree_.mkdir("cwd");
        first_ = tree_.mkdir("first");
        blank_ = tree_.mkdir("with blank");
        SetCurrentDirectoryA(cwd_.c_str());
        SetEnvironmentVariableA("PATH", (first_ + ";" + blank_).c_str());
    }
    void TearDown() override {
        SetCurrentDirectoryA(oldCwd_);
        SetEnvironmentVariableA("PATH", oldPath_.c_str());
    }
    static std::string getPath() {
        char buf[32768];
        DWORD n = GetEnvironmentVariableA("PATH", buf, sizeof buf);
        return std::string(buf, n < sizeof buf ? n : 0);
    }
    void put(const std::string& dir, const std::string& name) {
        testsupport::writeFile(dir + "\\" + name, "x");
    }

    testsupport::TempDir tree_;
    std::string cwd_, first_, blank_, oldPath_;
    char oldCwd_[MAX_PATH] = "";
};

TEST_F(XInPath, CurrentDirectoryThenPathExtensionsBeforeTheBareName) {
    put(cwd_, "tool.exe");
    put(cwd_, "tool.com");
    put(first_, "tool.com");
    EXPECT_EQ(vq::x_in_path("tool", false), ".\\tool.com");

    // The directory order comes first, the extension order second.
    put(first_, "late.exe");
    put(blank_, "late.com");
    EXPECT_EQ(vq::x_in_path("late", false), first_ + "\\late.exe");

    // Any extension anywhere beats the bare name in an earlier directory.
    put(first_, "job");
    put(blank_, "job.bat");
    EXPECT_EQ(vq::x_in_path("job", false), "\"" + blank_ + "\\job.bat\"");
    EXPECT_EQ(vq::x_in_path("job.bat", false), "\"" + blank_ + "\\job.bat\"");

    put(first_, "plain");
    EXPECT_EQ(vq::x_in_path("plain", false), first_ + "\\plain");
    put(first_, "x.cmd");
    EXPECT_EQ(vq::x_in_path("x", false), first_ + "\\x.cmd");
}

TEST_F(XInPath, PathsAreKeptOrSearchedBelowEachDirectory) {
    put(blank_, "given.exe");
    const std::string given = blank_ + "\\given.exe";
    EXPECT_EQ(vq::x_in_path(given, false), given);  // exists: unchanged, not quoted

    tree_.mkdir("first\\sub");
    put(first_, "sub\\deep.exe");
    EXPECT_EQ(vq::x_in_path("sub\\deep", false), first_ + "\\sub\\deep.exe");

    EXPECT_EQ(vq::x_in_path("frobnicate", false), "frobnicate");
    tree_.mkdir("first\\folder.exe");
    EXPECT_EQ(vq::x_in_path("folder", false), "folder");  // a directory is no program

    SetEnvironmentVariableA("PATH", nullptr);
    EXPECT_EQ(vq::x_in_path("plain", false), "plain");
}

TEST(IsBatch, BatAlwaysCmdFromWindows2000OnQuotesNever) {
    EXPECT_TRUE(vq::is_batch_name("c:\\x\\Build.BAT", false));
    EXPECT_TRUE(vq::is_batch_name("run.CMD", true));
    EXPECT_FALSE(vq::is_batch_name("run.CMD", false));
    EXPECT_FALSE(vq::is_batch_name("\"c:\\a b\\run.bat\"", true));
    EXPECT_FALSE(vq::is_batch_name("c:\\d.bat\\run", true));
    EXPECT_TRUE(vq::is_batch("run.cmd"));  // the system reports Windows 2000 or later
}

}  // namespace
