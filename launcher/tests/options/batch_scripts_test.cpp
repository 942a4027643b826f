// The two scripts written beside the program: their bytes, when they are
// written again, and real runs of them through Wine's command interpreter.
#include <windows.h>

#include <gtest/gtest.h>

#include "main/command_line.h"
#include "options/batch_scripts.h"
#include "options/makebats.h"
#include "support/files.h"
#include "support/textops.h"
#include "../support/box_texts.h"
#include "testsupport.h"

using namespace vq;

namespace {

const std::string question = " _ yn ___::: Again? N:::^^H^^H^^H^^H\r\nif not errorlevel 1 goto LOOP\r\n";

TEST(ScriptText, ByteForByte) {
    EXPECT_EQ(vq::history_capture_script("C:\\my data\\vq.txt"),
              "@echo off\r\ndoskey /history >>\"C:\\my data\\vq.txt\"\r\nexit\r\n");
    EXPECT_EQ(vq::repeat_loop_script("batch.exe"),
              "@echo off\r\n:LOOP\r\n%*\r\n@echo off\r\nbatch.exe" + question);
    EXPECT_EQ(vq::repeat_loop_script("C:\\Program Files\\vq\\batch.exe"),
              "@echo off\r\n:LOOP\r\n%*\r\n@echo off\r\n\"C:\\Program Files\\vq\\batch.exe\"" + question);
}

// A program directory of its own for each test; message boxes collected.
class MakeBats : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = home_.path() + "\\";
        options_.history = "C:\\data\\vq.txt";
    }

    // Writes the scripts with the history in DATA and runs the capture
    // script under cmd, the console's history being PRINTED (from a stand-in
    // doskey beside the script).
    void capture(const std::string& data, const char* printed) {
        testsupport::writeFile(data + "\\vq.txt", "old\r\n");
        options_.history = data + "\\vq.txt";
        vq::makebats(options_, dir_);
        ASSERT_TRUE(
            CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(), (dir_ + "doskey.exe").c_str(), FALSE));
        testsupport::RunOptions run;
        run.cwd = home_.path();
        run.env["VQ_STUB_PRINT"] = printed;
        auto result = testsupport::runProcess(get_env("COMSPEC") + " /c " + options_.x, run);
        EXPECT_FALSE(result.timedOut) << result.out << result.err;
    }

    testsupport::TempDir home_;
    std::string dir_;
    Options options_;
    BoxTexts boxes_;
};

TEST_F(MakeBats, FirstRunWritesBothBesideTheProgram) {
    vq::makebats(options_, dir_);
    EXPECT_EQ(options_.x, dir_ + "x.bat");
    EXPECT_EQ(options_.vqargs, dir_ + "vqargs.bat");
    EXPECT_EQ(options_.batch, "batch.exe");  // none beside the program: left to the search path
    EXPECT_EQ(testsupport::readFile(options_.x), vq::history_capture_script("C:\\data\\vq.txt"));
    EXPECT_EQ(testsupport::readFile(options_.vqargs), vq::repeat_loop_script("batch.exe"));

    home_.write("batch.exe", "");
    Options again;
    again.version = "old";
    vq::makebats(again, dir_);
    EXPECT_EQ(again.batch, dir_ + "batch.exe");
    EXPECT_EQ(testsupport::readFile(again.vqargs), vq::repeat_loop_script(dir_ + "batch.exe"));
    EXPECT_TRUE(boxes_.texts.empty());
}

TEST_F(MakeBats, AnEditedScriptSurvivesWhileTheStampIsCurrent) {
    home_.write("x.bat", "user's own");
    options_.version = build_stamp;
    vq::makebats(options_, dir_);
    EXPECT_EQ(testsupport::readFile(dir_ + "x.bat"), "user's own");
    EXPECT_TRUE(testsupport::fileExists(dir_ + "vqargs.bat"));  // a missing one is still written

    Options newer;
    newer.history = options_.history;
    newer.version = "1/1/2000 0:00:00";
    vq::makebats(newer, dir_);
    EXPECT_EQ(testsupport::readFile(dir_ + "x.bat"), vq::history_capture_script(options_.history));
    EXPECT_FALSE(testsupport::fileExists(dir_ + "x.bat.new~"));
}

TEST_F(MakeBats, EachScriptThatCannotBeCreatedIsReported) {
    vq::makebats(options_, dir_ + "missing\\");
    EXPECT_EQ(boxes_.texts, (std::vector<std::string>{"Couldn't create " + dir_ + "missing\\x.bat!",
                                                      "Couldn't create " + dir_ + "missing\\vqargs.bat!"}));
}

TEST_F(MakeBats, HistoryCaptureScriptAppendsTheConsoleHistory) {
    capture(home_.mkdir("data dir"), "dir /w\nmake all\n");
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\ndir /w\r\nmake all\r\n");
}

// cmd reads the scripts in the OEM code page (437 here, ANSI 1252): the
// e acute of a path (ANSI 0xE9) is written as OEM 0x82.
TEST_F(MakeBats, PathsInTheScriptsAreInTheConsolesCodePage) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs ANSI 1252 and OEM 437";
    const std::string vqdir = home_.mkdir("vq caf\xe9") + "\\";
    home_.write("vq caf\xe9\\batch.exe", "");
    options_.history = "C:\\users\\Ren\xe9\\Application Data\\vq.txt";
    vq::makebats(options_, vqdir);
    EXPECT_EQ(testsupport::readFile(options_.x),
              "@echo off\r\ndoskey /history >>\"C:\\users\\Ren\x82\\Application Data\\vq.txt\"\r\nexit\r\n");
    std::string oem_dir = vqdir;
    oem_dir.replace(oem_dir.find('\xe9'), 1, "\x82");
    EXPECT_EQ(testsupport::readFile(options_.vqargs),
              "@echo off\r\n:LOOP\r\n%*\r\n@echo off\r\n\"" + oem_dir + "batch.exe\"" + question);
    // The options keep the ANSI paths the rest of the launcher works with.
    EXPECT_EQ(options_.batch, vqdir + "batch.exe");
    EXPECT_EQ(options_.history, "C:\\users\\Ren\xe9\\Application Data\\vq.txt");
}

// The same script run by Wine's cmd: the console history reaches the file
// whose name holds the e acute, not a file of another name.
TEST_F(MakeBats, HistoryCaptureScriptFindsAHistoryWithAnAccentedName) {
    if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs ANSI 1252 and OEM 437";
    capture(home_.mkdir("donn\xe9" "es"), "make all\n");
    EXPECT_EQ(testsupport::readFile(options_.history), "old\r\nmake all\r\n");
}

// The repeat loop, started as the launcher starts it: a batch file with
// eleven arguments, called, asked about twice (answers 0, then 1).
TEST_F(MakeBats, RepeatLoopRunsTheCommandAgainWhileTheAnswerIsZero) {
    const std::string vqdir = home_.mkdir("vq dir") + "\\";
    ASSERT_TRUE(
        CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(), (vqdir + "batch.exe").c_str(), FALSE));
    vq::makebats(options_, vqdir);
    const std::string job =
        home_.write("src dir\\job.bat", "@" + testsupport::siblingExe("vq_stub.exe") + " job %*\r\n");
    testsupport::writeFile(home_.file("codes.txt"), "0");
    testsupport::RunOptions run;
    run.env["VQ_STUB_LOG"] = home_.file("log.txt");
    run.env["VQ_STUB_CODES"] = home_.file("codes.txt");
    const std::string line = vq::repeat_command_line(get_env("COMSPEC"), options_.vqargs, " call",
                                                     quote_arg(job, true), " 1 2 3 4 5 6 7 8 9 10 a=b");
    auto result = testsupport::runProcess(line, run);
    EXPECT_FALSE(result.timedOut);
    const std::string ran = "job|1|2|3|4|5|6|7|8|9|10|a=b\n", asked = "_|yn|___:::|Again?|N:::^H^H^H^H\n";
    EXPECT_EQ(testsupport::readFile(home_.file("log.txt")), ran + asked + ran + asked)
        << line << "\n"
        << result.out << result.err;
}

TEST_F(MakeBats, UnattendedRepeatLoopEndsAfterOneRun) {
    ASSERT_TRUE(CopyFileA(testsupport::siblingExe("batch.exe").c_str(), (dir_ + "batch.exe").c_str(), FALSE));
    vq::makebats(options_, dir_);
    testsupport::RunOptions run;
    run.env["VQ_STUB_LOG"] = home_.file("log.txt");
    auto result =
        testsupport::runProcess(vq::repeat_command_line(get_env("COMSPEC"), options_.vqargs, "",
                                                        testsupport::siblingExe("vq_stub.exe"), " once"),
                                run);
    EXPECT_FALSE(result.timedOut);
    EXPECT_EQ(testsupport::readFile(home_.file("log.txt")), "once\n");
}

}  // namespace
