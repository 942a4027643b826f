// rovik.exe's set, count, arithmetic, translation and clearing operations
// as batch files call them: through pipes, from argument files and from a
// real batch file run by cmd.
#include <gtest/gtest.h>

#include <windows.h>

#include "reports.h"
#include "testsupport.h"

using namespace testsupport;

namespace {

// Runs rovik with an argument file holding content before the arguments.
ProcessResult withArgFile(const TempDir& dir, const std::string& content, std::vector<std::string> args,
                          const RunOptions& options = {}) {
    std::string file = dir.write("args.txt", content);
    args.insert(args.begin(), {"-k-", "-argv", file});
    return runRovik(args, options);
}

RunOptions envWith(const std::string& name, std::optional<std::string> value) {
    RunOptions o;
    o.env[name] = value;
    return o;
}

}  // namespace

// The selection rules themselves are pinned in rovik_textops_test.
TEST(SetPart, NameValueIndexAndCountInTheirPlaces) {
    struct Case {
        std::vector<std::string> args;
        const char* out;
    } cases[] = {
        {{"-p", "N", "abcdef", "2", "3"}, "set N=bcd\r\n"},
        {{"-pName", "x_y", "3"}, "set Name=y\r\n"},
        {{"-q", "-p", "N", "a_b"}, "set N=a b\r\n"},  // no quotes for -p
    };
    for (const auto& c : cases) {
        auto r = runRovik(c.args);
        EXPECT_EQ(r.exitCode, 0) << c.out;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST(SetPart, MissingNameOrValue) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"-k-", "-p"}, {"-k-", "-p", "N"}, {"-k-", "-pN"}}) {
        auto r = runRovik(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, notEnoughReport("-p"));
        EXPECT_EQ(r.out, "");
    }
}

TEST(SetPart, FromAnArgumentFile) {
    TempDir dir;
    // -pName: value, index and count are lines 1 to 3
    auto r = withArgFile(dir, "1 hello_world\n2 7\n3 3\n", {"-pName"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set Name=wor\r\n");
    // without the count line the whole rest is taken
    r = withArgFile(dir, "1 hello_world\n2 7\n", {"-pName"});
    EXPECT_EQ(r.out, "set Name=world\r\n");
    // -p takes name and value both from line 1
    r = withArgFile(dir, "1 same\n", {"-p"});
    EXPECT_EQ(r.out, "set same=same\r\n");
}

TEST(Increment, AddsOneToTheVariable) {
    EXPECT_EQ(runRovik({"-i", "N"}, envWith("N", std::nullopt)).out, "set N=1\r\n");
    EXPECT_EQ(runRovik({"-i", "N"}, envWith("N", "41")).out, "set N=42\r\n");
    EXPECT_EQ(runRovik({"-i", "N"}, envWith("N", "x")).out, "set N=1\r\n");
    EXPECT_EQ(runRovik({"-i", "N"}, envWith("N", " -3")).out, "set N=-2\r\n");
    EXPECT_EQ(runRovik({"-i", "N"}, envWith("N", "2147483647")).out, "set N=-2147483648\r\n");
    // any second character i does it
    EXPECT_EQ(runRovik({"-inc", "N"}, envWith("N", "9")).out, "set N=10\r\n");
}

TEST(Increment, WithoutNameEnds18Silently) {
    auto r = runRovik({"-i"});
    EXPECT_EQ(r.exitCode, 18);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
}

TEST(Increment, ReadsTheCommandLineEvenWithAnArgumentFile) {
    TempDir dir;
    auto r = withArgFile(dir, "1 other\n", {"-i", "N"}, envWith("N", "4"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set N=5\r\n");
    r = withArgFile(dir, "1 other\n", {"-i"});
    EXPECT_EQ(r.exitCode, 18);
    EXPECT_EQ(r.out, "");
}

TEST(Increment, IntoTheOutputFile) {
    TempDir dir;
    std::string out = dir.file("out.bat");
    auto r = runRovik({"-o", out, "-i", "N"}, envWith("N", "1"));
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readFile(out), "set N=2\r\n");
}

// The arithmetic itself is pinned in rovik_textops_test.
TEST(Math, OutputOperatorAndOperandsInTheirPlaces) {
    auto r = runRovik({"-math", "r", "-", "2", "7"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set r=-5\r\n");
}

TEST(Math, BadOperatorDivisionByZeroAndMissingArguments) {
    auto r = runRovik({"-k-", "-math", "r", "%", "1", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "-math, bad op:%\a\r\n");
    EXPECT_EQ(r.out, "");

    r = runRovik({"-math", "r", "mod", "1", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "-math, bad op:mod\a\r\npress a key\r\n");

    r = runRovik({"-k-", "-math", "r", "/", "1", "0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "-math, division by zero\a\r\n");
    EXPECT_EQ(r.out, "");

    r = runRovik({"-k-", "-math", "r", "+", "1"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("math"));
}

TEST(Math, IgnoresTheArgumentFile) {
    TempDir dir;
    auto r = withArgFile(dir, "1 z\n2 *\n3 9\n4 9\n", {"-math", "r", "+", "1", "2"});
    EXPECT_EQ(r.out, "set r=3\r\n");
    r = withArgFile(dir, "1 z\n2 *\n3 9\n4 9\n", {"-math"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("math"));
}

// The translation itself is pinned in rovik_textops_test.
TEST(Blr, TakesTheCommandLineArgumentOnly) {
    auto r = runRovik({"-k-", "-blr"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("blr"));

    TempDir dir;
    EXPECT_EQ(withArgFile(dir, "1 from_file\n", {"-blr", "a_b"}).out, "set BLR=a b\r\n");
}

class Xct : public ::testing::Test {
  protected:
    TempDir dir;
    std::string pattern(const std::string& p) { return dir.path() + "\\" + p; }
};

TEST_F(Xct, LowerCaseFragmentAndCapitalisedForm) {
    dir.write("is_MyBOX_drive_c", "");
    auto r = runRovik({"-xct", pattern("is_*_drive_c")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set XCT=mybox\r\n");
    r = runRovik({"-Xct", pattern("IS_*_DRIVE_C")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set XCT=Mybox\r\n");
}

TEST_F(Xct, OnlyOrdinaryFilesCount) {
    dir.mkdir("log_dir.txt");
    std::string hidden = dir.write("log_hid.txt", "");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    auto r = runRovik({"-xct", pattern("log_*.txt")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    dir.write("log_plain.txt", "");
    r = runRovik({"-xct", pattern("log_*.txt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set XCT=plain\r\n");
}

TEST_F(Xct, NothingWrittenWhenNoFragment) {
    dir.write("report.txt", "");
    for (std::vector<std::string> args : {
             std::vector<std::string>{"-xct", pattern("none_*.txt")},  // no match
             {"-xct", pattern("report.txt")},                          // no star
             {"-xct", pattern("rep*")},                                // nothing after the star
             {"-xct"},                                                 // no pattern at all
         }) {
        auto r = runRovik(args);
        EXPECT_EQ(r.exitCode, 1) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(Xct, AnotherSpellingIsTheClearingOption) {
    dir.write("a_b.txt", "");
    // -xCT is -x with the attached name CT
    auto r = runRovik({"-k-", "-xCT", pattern("a_*.txt")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set CT=\r\nset " + pattern("a_*.txt") + "=\r\n");
}

TEST(Clear, WritesTheThirteenLines) {
    const std::string expected =
        "set c~wd=\r\nset d~m=\r\nset d~d=\r\nset d~y=\r\nset d~rv=\r\nset d~ir=\r\nset f~il=\r\n"
        "set e~xt=\r\nset i~t=\r\nset t~a=\r\nset t~h=\r\nset t~m=\r\nset t~s=\r\n";
    for (const char* opt : {"-clear", "-c"}) {
        auto r = runRovik({opt});
        EXPECT_EQ(r.exitCode, 0) << opt;
        EXPECT_EQ(r.out, expected) << opt;
    }
}

TEST(ClearNamed, EveryNameGetsAnEmptySetLine) {
    EXPECT_EQ(runRovik({"-x", "a", "b", "c"}).out, "set a=\r\nset b=\r\nset c=\r\n");
    EXPECT_EQ(runRovik({"-xa", "b"}).out, "set a=\r\nset b=\r\n");
    EXPECT_EQ(runRovik({"-xa"}).out, "set a=\r\n");
    auto r = runRovik({"-k-", "-x"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("-x"));
}

TEST(ClearNamed, FromAnArgumentFileUntilTheFirstEmptyValue) {
    TempDir dir;
    EXPECT_EQ(withArgFile(dir, "1 one\n2 two\n4 four\n", {"-xfirst"}).out,
              "set first=\r\nset one=\r\nset two=\r\n");
    // -x takes its first name from line 1 and then reads on from line 1
    EXPECT_EQ(withArgFile(dir, "1 one\n2 two\n", {"-x"}).out, "set one=\r\nset one=\r\nset two=\r\n");
}

TEST(GetLine, MissingLengthOrName) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"-k-", "-g"}, {"-k-", "-g", "10"}, {"-k-", "-g10"}}) {
        auto r = runRovik(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, notEnoughReport("-g"));
        EXPECT_EQ(r.out, "");
    }
}

TEST(BatchFile, CountsWithIncrementAndComputesWithMath) {
    TempDir dir;
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "set n=\r\n"
                      "set trail=\r\n"
                      ":loop\r\n"
                      "rovik -i n >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "set trail=%trail%%n%\r\n"
                      "if not \"%n%\"==\"5\" goto loop\r\n"
                      "rovik -math sq * %n% %n% >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "rovik -math half / %sq% 2 >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "rovik -p part Hello_batch_world 7 5 >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "echo [%trail%] [%n%] [%sq%] [%half%] [%part%]\r\n"
                      "rovik -x sq half >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "echo [%sq%%half%]\r\n"
                      "rovik -i\r\n"
                      "if errorlevel 18 echo no name\r\n"
                      "del T~.BAT\r\n"
                      "exit /b 0\r\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "[12345] [5] [25] [12] [batch]\r\n[]\r\nno name\r\n");
}
