// Starting a child without waiting for it.
#include <windows.h>

#include <gtest/gtest.h>

#include "code/process_runner.h"
#include "testsupport.h"

namespace {

// The runner does not wait: the child's log line appears some time later.
std::string waitForFile(const std::string& path) {
    std::string log;
    for (DWORD t0 = GetTickCount(); GetTickCount() - t0 < testsupport::kPatienceMs; Sleep(20)) {
        log = testsupport::readFileIfAny(path);
        if (!log.empty() && log.back() == '\n') break;
    }
    return log;
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

}  // namespace
