// rovik.exe's path and directory operations against real directory trees on
// drive C (the prefix's temporary directory) and drive Z (a Linux /tmp
// directory).
#include <windows.h>

#include <gtest/gtest.h>

#include <map>

#include "reports.h"
#include "testsupport.h"

using namespace testsupport;

namespace {

// The set lines of a run's output as name -> value.
std::map<std::string, std::string> setLines(const std::string& out) {
    std::map<std::string, std::string> vars;
    size_t pos = 0;
    while (pos < out.size()) {
        size_t end = out.find("\r\n", pos);
        std::string line = out.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? out.size() : end + 2;
        if (line.rfind("set ", 0) != 0) continue;
        size_t eq = line.find('=');
        vars[line.substr(4, eq - 4)] = line.substr(eq + 1);
    }
    return vars;
}

std::string shortPath(const std::string& path) {
    char buf[MAX_PATH];
    DWORD n = GetShortPathNameA(path.c_str(), buf, sizeof buf);
    return n && n < sizeof buf ? std::string(buf, n) : path;
}

RunOptions in(const std::string& dir, std::map<std::string, std::optional<std::string>> env = {}) {
    RunOptions o;
    o.cwd = dir;
    o.env = std::move(env);
    return o;
}

// Runs in both kinds of drive.
class BothDrives : public ::testing::TestWithParam<const char*> {
  protected:
    TempDir dir{GetParam()};
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Drives, BothDrives, ::testing::Values("", "Z:\\tmp"),
                         [](const auto& info) { return std::string(info.param[0] ? "DriveZ" : "DriveC"); });

TEST_P(BothDrives, FnsplitOfExistingAndMissingRelativeNames) {
    dir.write("my file.txt", "x");
    auto r = runRovik({"-fnsplit", "my file.txt"}, in(dir.path()));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    auto v = setLines(r.out);
    EXPECT_EQ(v["d~rv"] + v["d~ir"], dir.path() + "\\");
    EXPECT_EQ(v["f~il"], "my file");
    EXPECT_EQ(v["e~xt"], "txt");

    r = runRovik({"-.fnsplit", "missing.dat"}, in(dir.path()));
    EXPECT_EQ(r.out, "set d~rv=\r\nset d~ir=\r\nset f~il=missing\r\nset e~xt=.dat\r\n");
}

TEST_P(BothDrives, UpperCaseDriveKeepsThePeriod) {
    std::string file = dir.write("a.txt", "x");
    std::string lower = file;
    lower[0] = static_cast<char>(tolower(lower[0]));
    auto v = setLines(runRovik({"-.Fnsplit", lower}, in(dir.path())).out);
    EXPECT_EQ(v["d~rv"], std::string(1, static_cast<char>(toupper(file[0]))) + ":");
    EXPECT_EQ(v["e~xt"], ".txt");
    v = setLines(runRovik({"-fnsplit", lower}, in(dir.path())).out);
    EXPECT_EQ(v["d~rv"], lower.substr(0, 2));
    EXPECT_EQ(v["e~xt"], "txt");
}

TEST_P(BothDrives, CurrentDirectoryForms) {
    std::string blank = dir.mkdir("has blank");
    std::string drive = blank.substr(0, 2);
    auto out = [&](std::vector<std::string> args) { return runRovik(args, in(blank)).out; };
    EXPECT_EQ(out({"-w"}), "set c~wd=" + blank + "\r\n");
    EXPECT_EQ(out({"-v", "DIR", "-w+"}), "set DIR=" + blank + "\\\r\n");
    EXPECT_EQ(out({"-/-", "-w+"}), "set c~wd=" + blank + "\r\n");
    EXPECT_EQ(out({"-w-"}), "set c~wd=" + blank.substr(2) + "\r\n");
    EXPECT_EQ(out({"-wdrv"}), "set c~wd=\\" + blank.substr(0, 1) + blank.substr(2) + "\r\n");
    EXPECT_EQ(out({"-v", "DIR", "-q", "-w+drv"}), drive + "\r\ncd \"" + blank + "\"\r\n");
    EXPECT_EQ(out({"-short", "-w"}), "set c~wd=" + shortPath(blank) + "\r\n");
    EXPECT_EQ(shortPath(blank).find(' '), std::string::npos);  // Wine makes hashed 8.3 names
    EXPECT_EQ(runRovik({"-w"}, in(dir.path())).out, "set c~wd=" + dir.path() + "\r\n");
    EXPECT_EQ(runRovik({"-q", "-w"}, in(dir.path())).out,
              "set c~wd=" + dir.path() + "\r\n");  // no blank, no quotes
}

TEST_P(BothDrives, TruenamesOfNamesAndPatterns) {
    dir.write("report.txt", "r");
    dir.write("sub\\one.log", "1");
    auto value = [&](std::vector<std::string> args) {
        return setLines(runRovik(args, in(dir.path())).out)["c~wd"];
    };
    EXPECT_EQ(value({"-w.", "report.txt"}), dir.file("report"));
    // The extension cut stops at a drive colon met before any period.
    EXPECT_EQ(value({"-w.", "d.e:f"}), "d.e:f");
    EXPECT_EQ(value({"-w.", "x:\\a.b\\c"}), "x:\\a.b\\c");
    EXPECT_EQ(value({"-w:", "report.txt"}), dir.file("report.txt"));
    EXPECT_EQ(value({"-w:REPORT.TXT"}), dir.file("report.txt"));  // the long form has the file's own case
    EXPECT_EQ(value({"-w:", "sub\\*.log"}), "sub\\*.log");        // paths stay as typed
    EXPECT_EQ(value({"-w:", "*.txt"}), dir.file("*.txt"));        // patterns keep their wildcards
    EXPECT_EQ(value({"-w:", "*.none"}), "*.none");
    EXPECT_EQ(value({"-/+", "-w:", "x:\\dir"}), "x:\\dir\\");
}

TEST(Paths, RootOfDriveC) {
    RunOptions o = in("C:\\");
    EXPECT_EQ(runRovik({"-/-", "-w"}, o).out, "set c~wd=C:\\\r\n");
    EXPECT_EQ(runRovik({"-w-"}, o).out, "set c~wd=\\\r\n");
}

TEST(Paths, SplitsAndConversions) {
    EXPECT_EQ(runRovik({"-n"}).out, "set d~rv=\r\nset d~ir=\r\nset f~il=\r\nset e~xt=\r\n");
    EXPECT_EQ(runRovik({"-w:"}).out, "set c~wd=\r\n");  // a missing name is the empty text
    EXPECT_EQ(runRovik({"-UNCsplit", "\\\\bingo\\c\\bongo"}).out,
              "set s~vr=bingo\r\nset p~th=\\c\\bongo\r\n");
    // Paths longer than 259 characters are cut.
    EXPECT_EQ(runRovik({"-w:", "x:\\" + std::string(300, 'p')}).out,
              "set c~wd=x:\\" + std::string(256, 'p') + "\r\n");
    EXPECT_EQ(runRovik({"-v", "x", "-q", "-//", "a b\\c"}).out, "set c~wd=\"a b/c\"\r\n");
    EXPECT_EQ(runRovik({"-::", "x.org/a", "b", "c"}).out, "set httpized=http://x.org/a b c\r\n");
    EXPECT_EQ(runRovik({"-copy", "abc"}).out, "set c_opy=abc");
    auto r = runRovik({"-k-", "-copy"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("//"));
    r = runRovik({"-k-", "-fnsplit"});
    EXPECT_EQ(r.err, notEnoughReport("fnsplit"));
}

TEST(Paths, DriveTwinMakesAndEntersTheDirectory) {
    TempDir z("Z:\\tmp");
    std::string deep = z.mkdir("a\\b");
    std::string twinRoot = z.path();  // C:\tmp\rvt...
    std::string twin = deep;
    twinRoot[0] = twin[0] = 'C';
    auto r = runBatch(deep, "@rovik -d:cwd c\r\n@echo %errorlevel%\r\n");
    EXPECT_EQ(r.out, "0\r\n");
    EXPECT_TRUE(fileExists(twin));
    removeTree(twinRoot);
    RemoveDirectoryA("C:\\tmp");

    r = runRovik({"-d:cwd", "\\"}, in(deep));  // no such drive
    EXPECT_EQ(r.exitCode, 17);
}

// The pop file kept in a test directory through JPOP.
class PopFile : public ::testing::TestWithParam<const char*> {
  protected:
    TempDir here{};             // the current directories pushed (drive C)
    TempDir store{GetParam()};  // where the pop file lives
    std::string pop = store.file("stack");
    RunOptions from(const std::string& dir) { return in(dir, {{"JPOP", pop}}); }
};

// Z:\dev\shm is another Linux file system than drive C, so moves between them
// are copies (as between two Windows drives); Z:\tmp is not.
INSTANTIATE_TEST_SUITE_P(
    Drives, PopFile, ::testing::Values("", "Z:\\tmp", "Z:\\dev\\shm"), [](const auto& info) {
        std::string p = info.param;
        return std::string(p.empty() ? "OnDriveC" : p == "Z:\\tmp" ? "OnDriveZ" : "OnOtherFileSystem");
    });

TEST_P(PopFile, PushTwiceThenPop) {
    std::string one = here.mkdir("one dir");
    std::string two = here.mkdir("two");
    ASSERT_EQ(runRovik({"-pushdir"}, from(one)).exitCode, 0);
    ASSERT_EQ(runRovik({"-pushdir"}, from(two)).exitCode, 0);
    EXPECT_EQ(readFile(pop), one + "\r\n" + two + "\r\n");

    auto r = runRovik({"-popdir"}, from(one));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "C:\r\ncd \"" + two.substr(2) + "\"\r\n");
    EXPECT_EQ(readFile(pop), one + "\r\n");
    EXPECT_EQ(readFile("c:\\pop~.b~k"), one + "\r\n" + two + "\r\n");
    EXPECT_FALSE(fileExists(one + "\\AAAAAAA~.J~G"));  // the temporary file became the pop file

    r = runRovik({"-popdir"}, from(two));
    EXPECT_EQ(r.out, "C:\r\ncd \"" + one.substr(2) + "\"\r\n");
    EXPECT_EQ(readFile(pop), "");
    r = runRovik({"-popdir"}, from(two));  // an empty pop file
    EXPECT_EQ(r.out, "cd \"\"\r\n");
}

TEST_P(PopFile, ArgumentOverridesJpopAndPushddEnters) {
    std::string other = store.file("other");
    std::string target = here.mkdir("target");
    auto r = runRovik({"-pushdd", target, other}, from(here.path()));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "C:\r\ncd \"" + target.substr(2) + "\"\r\n");
    EXPECT_EQ(readFile(other), here.path() + "\r\n");
    EXPECT_FALSE(fileExists(pop));
    r = runRovik({"-popdir", other}, from(target));
    EXPECT_EQ(r.out, "C:\r\ncd \"" + here.path().substr(2) + "\"\r\n");
    EXPECT_EQ(runRovik({"-k-", "-pushdd"}, from(target)).exitCode, 1);
}

TEST_P(PopFile, MissingPopFileLeavesNoLitter) {
    writeFile("c:\\pop~.b~k", "C:\\kept\r\n");
    auto r = runRovik({"-k-", "-popdir"}, from(here.path()));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "couldn't open " + pop + " for r.");
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fileExists(here.file("AAAAAAA~.J~G")));
    EXPECT_EQ(readFile("c:\\pop~.b~k"), "C:\\kept\r\n");  // the backup goes only when a pop succeeds
}

TEST_P(PopFile, ArgumentFileLinesFollowCommandLinePositions) {
    // After -argv FILE, -pushdd sits at position 3: its directory is line 5
    // and its pop file line 6, and reading the second keeps the first.
    std::string target = here.mkdir("target dir");
    std::string other = store.file("other");
    std::string args = store.write("push.txt", "1 unused\n5 " + target + "\n6 " + other + "\n");
    auto r = runRovik({"-argv", args, "-pushdd"}, from(here.path()));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "C:\r\ncd \"" + target.substr(2) + "\"\r\n");
    EXPECT_EQ(readFile(other), here.path() + "\r\n");

    args = store.write("pop.txt", "4 unused\n5 " + other + "\n");
    r = runRovik({"-argv", args, "-popdir"}, from(target));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "C:\r\ncd \"" + here.path().substr(2) + "\"\r\n");
    EXPECT_EQ(readFile(other), "");
    EXPECT_FALSE(fileExists(pop));
}

TEST_P(PopFile, TemporaryNamesSkipExistingFiles) {
    here.write("AAAAAAA~.J~G", "taken");
    writeFile(pop, "C:\\x\r\nC:\\y\r\n");
    auto r = runRovik({"-popdir"}, from(here.path()));
    EXPECT_EQ(r.out, "C:\r\ncd \"\\y\"\r\n");
    EXPECT_EQ(readFile(here.file("AAAAAAA~.J~G")), "taken");
    EXPECT_FALSE(fileExists(here.file("AAAAAAB~.J~G")));
    EXPECT_EQ(readFile(pop), "C:\\x\r\n");
}

TEST_P(PopFile, WithoutABackupThePopFileStillShrinks) {
    // A directory where the backup should go makes the backup impossible.
    writeFile(pop, "C:\\x\r\nC:\\y\r\n");
    DeleteFileA("c:\\pop~.b~k");
    ASSERT_TRUE(CreateDirectoryA("c:\\pop~.b~k", nullptr));
    auto r = runRovik({"-k-", "-popdir"}, from(here.path()));
    RemoveDirectoryA("c:\\pop~.b~k");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "C:\r\ncd \"\\y\"\r\n");
    EXPECT_EQ(readFile(pop), "C:\\x\r\n");
    EXPECT_FALSE(fileExists(here.file("AAAAAAA~.J~G")));
}

// A file whose last write was at a known local time.
class FileTimes : public ::testing::Test {
  protected:
    TempDir dir{"Z:\\tmp"};
    std::string stamped(int y, int mo, int d, int h, int mi, int s) {
        std::string path = dir.write("stamped.txt", "t");
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(y);
        st.wMonth = static_cast<WORD>(mo);
        st.wDay = static_cast<WORD>(d);
        st.wHour = static_cast<WORD>(h);
        st.wMinute = static_cast<WORD>(mi);
        st.wSecond = static_cast<WORD>(s);
        FILETIME local, utc;
        SystemTimeToFileTime(&st, &local);
        LocalFileTimeToFileTime(&local, &utc);
        HANDLE f = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(f, nullptr, nullptr, &utc);
        CloseHandle(f);
        return path;
    }
};

TEST_F(FileTimes, StampInTwoSecondSteps) {
    std::string file = stamped(2011, 1, 13, 16, 26, 7);
    auto r = runRovik({"-fdt", file});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set d~m=01\r\nset d~d=13\r\nset d~y=11\r\nset t~h=16\r\nset t~m=26\r\nset t~s=06\r\n");
    r = runRovik({"-fdts", file});
    EXPECT_EQ(r.out, "set d~m=0113111626");
}

TEST_F(FileTimes, DirectoriesAndMissingFilesGiveOne) {
    auto r = runRovik({"-fdt", dir.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out + r.err, "");
    r = runRovik({"-fdts", dir.file("missing")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out + r.err, "");
}

TEST(Dates, FormsAgreeWithTheClock) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    auto r = runRovik({"-date"});
    char expected[80];
    snprintf(expected, sizeof expected, "set d~m=%d\r\nset d~d=%d\r\nset d~y=%d\r\n", now.wMonth, now.wDay,
             now.wYear);
    EXPECT_EQ(r.out, expected);  // (a run across midnight would differ)
    EXPECT_EQ(runRovik({"-s"}).out, r.out);
    EXPECT_EQ(runRovik({"-s", ""}).out, r.out);  // an empty form (an argument-file gap) is no form
    EXPECT_EQ(runRovik({"-s", "-m-1"}).out, runRovik({"-lastmonth"}).out);
    EXPECT_EQ(runRovik({"-s", "-0"}).out, runRovik({"-date0"}).out);
    EXPECT_EQ(runRovik({"-datetime"}).out.size(), strlen("set d~m=yymmddhhmm\r\n"));
    r = runRovik({"-k-", "-s", "-M-1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "\"-s -M-1\" not recognized\a\r\n");
}
