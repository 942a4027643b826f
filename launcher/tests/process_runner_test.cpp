// Starting a child without waiting for it, and the tests on a command that
// choose the command interpreter.
#include <windows.h>

#include <gtest/gtest.h>

#include "code/command_tests.h"
#include "code/process_runner.h"
#include "testsupport.h"

namespace {

// The runner does not wait: the child's log appears some time later.
std::string waitForFile(const std::string& path) {
    for (int i = 0; i < 200 && !testsupport::fileExists(path); ++i) Sleep(50);
    Sleep(100);
    return testsupport::fileExists(path) ? testsupport::readFile(path) : "";
}

TEST(MswindowsExec, AQuotedProgramPathWithABlankStarts) {
    testsupport::TempDir dir;
    const std::string program = dir.mkdir("my tools") + "\\stub.exe";
    ASSERT_TRUE(CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(), program.c_str(), FALSE));
    SetEnvironmentVariableA("VQ_STUB_LOG", dir.file("log.txt").c_str());
    const std::string quoted = "\"" + program + "\"";
    EXPECT_EQ(vq::MSWINDOWS_exec(quoted, quoted + " a \"b c\"", false), 0);
    EXPECT_EQ(waitForFile(dir.file("log.txt")), "a|b c\n");
    SetEnvironmentVariableA("VQ_STUB_LOG", nullptr);
}

TEST(MswindowsExec, AFailedStartIsMinusOne) {
    EXPECT_EQ(vq::MSWINDOWS_exec("no-such-program.exe", "no-such-program.exe x", true), -1);
    EXPECT_EQ(vq::MSWINDOWS_exec("no-such-program.exe", "no-such-program.exe x", false), -1);
}

TEST(CommandTests, ShellCharactersAndBuiltins) {
    EXPECT_TRUE(vq::has_shell_chars("make && make install"));
    EXPECT_TRUE(vq::has_shell_chars("dir >out"));
    EXPECT_FALSE(vq::has_shell_chars("dir /w"));
    const std::optional<TextList> builtins = TextList{"dir", "type", "copy", "del"};
    EXPECT_TRUE(vq::is_builtin("DIR", builtins));
    EXPECT_FALSE(vq::is_builtin("xcopy", builtins));
    EXPECT_FALSE(vq::is_builtin("dir", TextList{}));
    EXPECT_FALSE(vq::is_builtin("dir", std::nullopt));
}

}  // namespace
