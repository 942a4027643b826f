// rovik.exe as a batch file sees it: exit codes, standard output and
// standard error of the driver's own paths (usage, errors, argument file).
#include <gtest/gtest.h>

#include <regex>

#include "reports.h"
#include "testsupport.h"

using namespace testsupport;

// The one place the usage text is pinned: its first line, the seams between
// its seven sections and its last line, as a file or pipe receives them.
TEST(Usage, NoArgumentsPrintsTheWholeTextAndExits17) {
    auto r = runRovik({});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "");
    std::string out = r.out;
    EXPECT_TRUE(std::regex_search(out, std::regex("^rovik {9}[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} "
                                                  "[0-9]{2}:[0-9]{2}:[0-9]{2} \\(win32\\)\r\n"
                                                  "Emits text to set environment variables")));
    EXPECT_EQ(out.find("More?"), std::string::npos);
    EXPECT_EQ(out.find("You can redirect"), std::string::npos);
    for (const char* line : {
             "what it emits to stdout.\r\n\r\n::::::::::::::::::::::OPERATION OPTIONS:\r\n-d:cwd  e     ",
             "With/without \"c:\" etc.\r\n\r\n::::::::::::::::::::::MODIFYING OPTIONS:\r\n-v Name   ",
             "-/-                   omit trailing slash.\r\n\r\n::::::::::::::::::::::MORE MODIFYING",
             "you go \"rovik -argvC filename\".\r\n\r\n::::::::::::::::::::::MAJOR OPTIONS:\r\n-fnsplit \"",
             "   Output sets evars d~rv d~ir f~il\r\n                      e~xt to drive",
             "the buffer.\r\n\r\n\r\n-clear                emit clear d~m",
             "-getch                emits \"set g~ch=z\" if you pressed z.\r\n\r\n\r\n-math output + 1 2",
             "-blr A_msg_w_B\\_L\\\\Rs Output \"set blr=A msg w B_L\\Rs\".\r\n-xct c:\\is_*_drive_c  \"set "
             "xct=",
             ". Lower cases.\r\n-Xct: cap first letter.\r\n",
         })
        EXPECT_NE(out.find(line), std::string::npos) << line;
    const std::string last = "\r\n-copy argument        To c_opy. Perhaps with -q modifier?\r\n";
    EXPECT_EQ(out.rfind(last), out.size() - last.size());
}

TEST(Usage, ArgumentsWithoutOperationAreListedAsBad) {
    auto r = runRovik({"-q"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "bad: -q\r\n");
    EXPECT_EQ(r.out, runRovik({}).out);

    r = runRovik({"-k-", "-v", "name with blank"});
    EXPECT_EQ(r.err, "bad: -k- -v name with blank\r\n");
}

TEST(Usage, SwitchCharacterBecomesSlashForGood) {
    auto r = runRovik({"/q", "-w"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "\r\ndidn't like -w\r\nbad: /q -w\r\n");

    r = runRovik({"word"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "\r\ndidn't like word\r\nbad: word\r\n");
}

TEST(Fatal, UnknownOptionRingsWaitsAndExits1) {
    auto r = runRovik({"-zzz"});
    EXPECT_EQ(r.exitCode, 1);
    // No console keyboard here: the key wait announces itself and goes on.
    EXPECT_EQ(r.err, "argument -zzz not recognized\a\r\npress a key\r\n");
    EXPECT_EQ(r.out, "");

    r = runRovik({"-k-", "-zzz"});
    EXPECT_EQ(r.err, "argument -zzz not recognized\a\r\n");
}

TEST(Fatal, TheLoneSwitchIsNoOption) {
    for (const char* opt : {"-", "/"}) {
        auto r = runRovik({"-k-", opt, "x"});
        EXPECT_EQ(r.exitCode, 1) << opt;
        EXPECT_EQ(r.err, std::string("argument ") + opt + " not recognized\a\r\n");
    }
}

TEST(OutputFile, UntouchedByRunsThatFail) {
    TempDir dir;
    std::string target = dir.file("out.bat");
    auto r = runRovik({"-k-", "-o", target, "-zzz"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(fileExists(target));

    writeFile(target, "old contents");
    r = runRovik({"-o", target, "-q"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(readFile(target), "old contents");
}

TEST(OutputFile, CannotBeOpened) {
    TempDir dir;
    std::string args = dir.write("args.txt", "1 a\n");
    std::string target = dir.file("missing\\dir\\out.bat");
    auto r = runRovik({"-k-", "-o", target, "-argv", args});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err, "couldn't open " + target + " for w.");
}

TEST(ArgFile, ListingStopsAtFirstEmptyValue) {
    TempDir dir;
    std::string args = dir.write("args.txt", "1 a\n3 c\n");
    auto r = runRovik({"-argv", args});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set a1=a\r\n");
    EXPECT_EQ(r.err, "");

    args = dir.write("more.txt", "2   bingo \n1      short\n");
    r = runRovik({"-argv", args});
    EXPECT_EQ(r.out, "set a1=short\r\nset a2=bingo \r\n");

    r = runRovik({"-argvC", args});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "set a1=\r\nset a2=\r\n");
}

TEST(ArgFile, ListingGoesToTheOutputFile) {
    TempDir dir;
    std::string args = dir.write("args.txt", "1 one\n");
    std::string target = dir.file("t.bat");
    auto r = runRovik({"-oo", "-o", target, "-argv", args});
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(readFile(target), "set a1=one\r\n");
    EXPECT_FALSE(fileExists(dir.file("rovik~.bat")));
}

TEST(ArgFile, MissingFileEndsWith17) {
    auto r = runRovik({"-argv", "no-such-file.txt"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "couldn't open arg file \"no-such-file.txt\"!\r\npress a key\r\n");

    r = runRovik({"-k-", "-argvC", "no-such-file.txt"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "couldn't open arg file \"no-such-file.txt\"!\r\n");
}

TEST(ArgFile, ClearWithoutAFileNameIsAMissingArgument) {
    auto r = runRovik({"-k-", "-argvC"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("argvC"));
}

TEST(ArgFile, AtTheEndSetsNothingAndShowsUsage) {
    auto r = runRovik({"-argv"});
    EXPECT_EQ(r.exitCode, 17);
    EXPECT_EQ(r.err, "bad: -argv\r\n");
}

TEST(BatchFile, SetLinesReachTheInterpreter) {
    TempDir dir;
    dir.write("args.txt", "1 first value\n2 second\n");
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "rovik -argv args.txt >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "del T~.BAT\r\n"
                      "echo [%a1%] [%a2%]\r\n"
                      "rovik -argvC args.txt >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "echo [%a1%] [%a2%]\r\n"
                      "rovik -k- -zzz\r\n"
                      "if errorlevel 1 echo failed as expected\r\n"
                      "exit /b 0\r\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "[first value] [second]\r\n[] []\r\nfailed as expected\r\n");
}

TEST(Dispatch, ModifiersApplyOnlyBeforeTheOperation) {
    TempDir dir;
    std::string blank = dir.mkdir("with blank");
    RunOptions in{};
    in.cwd = blank;
    EXPECT_EQ(runRovik({"-q", "-w"}, in).out, "set c~wd=\"" + blank + "\"\r\n");
    auto r = runRovik({"-w", "-q"}, in);
    EXPECT_EQ(r.out, "set c~wd=" + blank + "\r\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(runRovik({"/w"}, in).out, r.out);
}

TEST(Dispatch, CaretsAndSlashBackslashReachOperationsAsOneCaret) {
    EXPECT_EQ(runRovik({"-copy", "a^^^b"}).out, "set c_opy=a^b");
    EXPECT_EQ(runRovik({"-copy", "/\\afile"}).out, "set c_opy=^afile");
}

TEST(Dispatch, QuotedNameEndingInBackslashIsResplit) {
    auto r = runRovikRaw("-copy \"c:\\dir name\\\" -q");
    EXPECT_EQ(r.out, "set c_opy=c:\\dir name\\");
    // The re-split items are not translated.
    EXPECT_EQ(runRovikRaw("-copy \"a^^b\\\"").out, "set c_opy=a^^b\\");
}

TEST(ArgFile, OperationsFetchFromLineOne) {
    TempDir dir;
    std::string args = dir.write("args.txt", "1 c:\\work\\src\\bongo.b\n");
    auto r = runRovik({"-argv", args, "-fnsplit"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("set f~il=bongo\r\n"), std::string::npos) << r.out;

    // An unreadable file falls back to the command line, where nothing is.
    r = runRovik({"-k-", "-argv", dir.file("none.txt"), "-fnsplit"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("fnsplit"));

    // Rows that read the command line directly ignore the file.
    r = runRovik({"-k-", "-argv", args, "-stricmp", "a"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("stricmp"));
}
