// The history lock and the clean-up of temporary files beside the history:
// one holder at a time, a bounded wait, nothing left behind, and a holder
// that was killed never blocks the next one.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "history/history_lock.h"
#include "history/history_store.h"
#include "support/atomic_file.h"
#include "support/temp_files.h"
#include "testsupport.h"

using vq::HistoryLock;

namespace {

// A process that has ended; its id is not given out again while `handle`
// stays open.
struct EndedProcess {
    DWORD pid = 0;
    HANDLE handle = nullptr;
    EndedProcess() {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        std::string cmd = testsupport::siblingExe("vq_stub.exe");
        if (CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            CloseHandle(pi.hThread);
            WaitForSingleObject(pi.hProcess, testsupport::kPatienceMs);
            pid = pi.dwProcessId;
            handle = pi.hProcess;
        }
    }
    ~EndedProcess() {
        if (handle) CloseHandle(handle);
    }
};

}  // namespace

TEST(HistoryLock, OneHolderAtATimeAndNothingLeftAfterwards) {
    testsupport::TempDir dir;
    const std::string history = dir.file("vq.txt");
    {
        HistoryLock first(history);
        ASSERT_TRUE(first.held());
        const DWORD t0 = GetTickCount();
        HistoryLock second(history, 300);
        const DWORD waited = GetTickCount() - t0;
        EXPECT_FALSE(second.held());
        EXPECT_TRUE(second.timed_out());
        EXPECT_GE(waited, 250u);
    }
    EXPECT_FALSE(testsupport::fileExists(vq::history_lock_path(history)));
    HistoryLock again(history, 0);
    EXPECT_TRUE(again.held());
}

TEST(HistoryLock, AWaiterGetsTheLockWhenTheHolderLetsGo) {
    testsupport::TempDir dir;
    const std::string history = dir.file("vq.txt");
    auto* first = new HistoryLock(history);
    ASSERT_TRUE(first->held());
    std::thread releaser([first] {
        Sleep(200);
        delete first;
    });
    HistoryLock second(history, testsupport::kPatienceMs);
    EXPECT_TRUE(second.held());
    releaser.join();
}

TEST(HistoryLock, NoLockFileCanBeMadeGivesUpAtOnce) {
    testsupport::TempDir dir;
    // Waiting for it would end in a time-out.
    HistoryLock lock(dir.file("missing\\vq.txt"), testsupport::kPatienceMs);
    EXPECT_FALSE(lock.held());
    EXPECT_FALSE(lock.timed_out());
}

// Run as a child by the next test: takes the lock and holds it until it is
// killed.
TEST(HistoryLock, DISABLED_HoldUntilKilled) {
    const char* history = std::getenv("VQ_LOCK_HISTORY");
    ASSERT_TRUE(history);
    HistoryLock lock(history);
    ASSERT_TRUE(lock.held());
    testsupport::writeFile(std::string(history) + ".held", "");
    Sleep(INFINITE);
}

TEST(HistoryLock, AKilledHolderDoesNotBlockTheNextRun) {
    testsupport::TempDir dir;
    const std::string history = dir.file("vq.txt");
    const std::string env = "VQ_LOCK_HISTORY=" + history;
    _putenv(env.c_str());
    std::string cmd = testsupport::quoteArg(testsupport::siblingExe("history_lock_test.exe")) +
                      " --gtest_also_run_disabled_tests --gtest_filter=HistoryLock.DISABLED_HoldUntilKilled";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &si, &pi));
    CloseHandle(pi.hThread);
    for (DWORD t0 = GetTickCount();
         !testsupport::fileExists(history + ".held") && GetTickCount() - t0 < testsupport::kPatienceMs;)
        Sleep(20);
    ASSERT_TRUE(testsupport::fileExists(history + ".held"));
    {
        HistoryLock blocked(history, 100);
        EXPECT_FALSE(blocked.held());
    }
    TerminateProcess(pi.hProcess, 1);
    WaitForSingleObject(pi.hProcess, testsupport::kPatienceMs);
    CloseHandle(pi.hProcess);
    {
        HistoryLock after(history, testsupport::kPatienceMs);
        EXPECT_TRUE(after.held());
    }
    EXPECT_FALSE(testsupport::fileExists(vq::history_lock_path(history)));
}

TEST(StaleTemps, OnlyFilesNoRunningProcessWritesAreRemoved) {
    testsupport::TempDir dir;
    const std::string history = dir.write("vq.txt", "dir /w\r\n");
    EndedProcess ended;
    ASSERT_NE(ended.pid, 0u);
    const std::string dead = dir.write(vq::temp_path_beside("vq.txt", ended.pid), "killed half way");
    const std::string legacy = dir.write("vq.txt.new~", "an older build's");
    const std::string mine = dir.write(vq::temp_path_beside("vq.txt", GetCurrentProcessId()), "mine");
    const std::string other = dir.write("vq.txt.bak", "the user's own");
    // An older build's file that is still being written is held open.
    const std::string other_history = dir.write("other.txt.new~", "");
    EXPECT_EQ(vq::remove_stale_temps(history), 2);
    EXPECT_FALSE(testsupport::fileExists(dead));
    EXPECT_FALSE(testsupport::fileExists(legacy));
    EXPECT_TRUE(testsupport::fileExists(mine));
    EXPECT_TRUE(testsupport::fileExists(other));
    EXPECT_TRUE(testsupport::fileExists(other_history));
    EXPECT_EQ(testsupport::readFile(history), "dir /w\r\n");

    const std::string writing = dir.write("vq.txt.new~", "");
    HANDLE open = CreateFileA(writing.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(open, INVALID_HANDLE_VALUE);
    EXPECT_EQ(vq::remove_stale_temps(history), 0);
    CloseHandle(open);
    EXPECT_TRUE(testsupport::fileExists(writing));
}

TEST(StaleTemps, ASaveLeavesOnlyTheHistory) {
    testsupport::TempDir dir;
    const std::string history = dir.write("vq.txt", "old\r\n");
    ASSERT_TRUE(vq::replace_file(history, "new\r\n"));
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(dir.file("*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    std::vector<std::string> names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    EXPECT_EQ(names, std::vector<std::string>{"vq.txt"});
    EXPECT_EQ(testsupport::readFile(history), "new\r\n");
}
