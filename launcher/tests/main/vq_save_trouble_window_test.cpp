// Saves that meet trouble, with real launchers: a history that cannot be
// written, a lock that another process does not let go of, a lock place
// that nobody will ever let go of, and a history path beyond the ANSI path
// limit.  The old lines stay whole, the command runs at most once, and
// what was not saved the user is told in a box.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "history/history_lock.h"
#include "history_runs.h"
#include "support/system_error.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const std::vector<std::string> old_lines = vqtest::numbered("echo history line %03d", 300);

// The status label's text, asked of the launcher's window (so only while
// it answers).
std::string status_of(const Window& main) {
    return main.item(vq::ID_Label_stat).text();
}

// A process of its own that holds the history's lock until it is ended.
class LockHolder {
  public:
    explicit LockHolder(const std::string& history) : history_(history) {
        const std::string env = "VQ_LOCK_HISTORY=" + history;
        _putenv(env.c_str());
        std::string cmd = testsupport::quoteArg(testsupport::siblingExe("vq_save_trouble_window_test.exe")) +
                          " --gtest_also_run_disabled_tests --gtest_filter=VqSaveTrouble.DISABLED_HoldTheLock";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                            &pi_))
            ADD_FAILURE() << "cannot start the lock holder";
        else
            CloseHandle(pi_.hThread);
    }
    ~LockHolder() { end(); }
    bool holds() const {
        return vqtest::waitFor([this] { return testsupport::fileExists(history_ + ".held"); });
    }
    void end() {
        if (!pi_.hProcess) return;
        TerminateProcess(pi_.hProcess, 1);
        WaitForSingleObject(pi_.hProcess, INFINITE);
        CloseHandle(pi_.hProcess);
        pi_.hProcess = nullptr;
    }

  private:
    std::string history_;
    PROCESS_INFORMATION pi_{};
};

}  // namespace

// Run as the lock holder's process.
TEST(VqSaveTrouble, DISABLED_HoldTheLock) {
    const char* history = std::getenv("VQ_LOCK_HISTORY");
    ASSERT_TRUE(history);
    vq::HistoryLock lock(history, 0);
    ASSERT_TRUE(lock.held());
    testsupport::writeFile(std::string(history) + ".held", "");
    Sleep(INFINITE);
}

// A history that cannot be written: after the two attempts a box says what
// was not saved and why, before the command starts; the command then runs
// once and the file is as it was.
TEST(VqSaveTrouble, AFailedSaveIsToldBeforeTheCommandStarts) {
    HANDLE held = INVALID_HANDLE_VALUE;
    const struct {
        const char* what;
        std::function<void(const std::string& history)> trouble;  // once the launcher is ready
        std::string reason;
    } cases[] = {
        {"read-only", [](const std::string& history) { SetFileAttributesA(history.c_str(), FILE_ATTRIBUTE_READONLY); },
         vq::system_error_text(ERROR_ACCESS_DENIED)},
        {"held open without sharing",
         [&held](const std::string& history) {
             held = CreateFileA(history.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
         },
         vq::system_error_text(ERROR_SHARING_VIOLATION)},
        {"a folder", nullptr, "it is a folder, not a file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir data;
        const std::string history = data.file("vq.txt");
        if (c.trouble)
            testsupport::writeFile(history, vqtest::joined(old_lines));
        else
            data.mkdir("vq.txt");
        vqtest::Setup setup = vqtest::launcher(std::nullopt);
        setup.env["APPDATA"] = data.path();
        Vq vq({}, setup);
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        if (c.trouble)
            c.trouble(history);
        else
            EXPECT_EQ(main.text(), "(aa0) " + history + " (cannot be read: a folder)");
        const std::string command = std::string("rec the command, ") + c.what;
        vqtest::enter(main, command);
        vqtest::Box box = vq.waitBox("Error");
        ASSERT_TRUE(box);
        EXPECT_EQ(box.message(), "Couldn't save the history in \"" + history + "\": " + c.reason +
                                     ".\r\nThe command is run, but it is not in the history:\r\n" + command);
        EXPECT_EQ(status_of(main), "save of \"" + history + "\" failed; waiting, trying again");
        EXPECT_EQ(vqtest::times_run(vq, "the command"), 0) << "started before the user was told";
        box.press(IDOK);
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_TRUE(vqtest::ran_once(vq, command.substr(4)));
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        held = INVALID_HANDLE_VALUE;
        if (c.trouble) {
            SetFileAttributesA(history.c_str(), FILE_ATTRIBUTE_NORMAL);
            EXPECT_EQ(testsupport::readFile(history), vqtest::joined(old_lines));
        }
    }
}

// While another process holds the lock the save waits, says so, and the
// window answers; the save goes through when the lock is let go, and
// Cancel or closing the window ends the wait: nothing is saved or run, and
// the user is told so.
TEST(VqSaveTrouble, AWaitingSaveAnswersAndCancelOrCloseEndsIt) {
    const struct {
        const char* what;
        std::function<void(const Window& main, LockHolder& holder)> end_wait;
        bool saved;
    } cases[] = {
        {"let go", [](const Window&, LockHolder& holder) { holder.end(); }, true},
        {"Cancel", [](const Window& main, LockHolder&) { main.item(vq::ID_BitBtn_cancel).click(); }, false},
        {"closed", [](const Window& main, LockHolder&) { PostMessageA(main.handle(), WM_CLOSE, 0, 0); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Vq vq({}, vqtest::launcher(vqtest::joined(old_lines)));
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        LockHolder holder(vq.historyPath());
        ASSERT_TRUE(holder.holds());
        const std::string command = std::string("rec after the wait, ") + c.what;
        vqtest::enter(main, command);
        const std::string waiting = vq::history_lock_wait_text(vq.historyPath());
        EXPECT_TRUE(vqtest::waitFor([&] { return status_of(main) == waiting; }));
        // Asked again and again while the lock is held: every message is
        // answered.
        for (int i = 0; i < 10; ++i) {
            DWORD_PTR result = 0;
            EXPECT_TRUE(SendMessageTimeoutA(main.handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 60000, &result)) << i;
            Sleep(50);
        }
        EXPECT_TRUE(vq.running());
        EXPECT_EQ(vq.readDataFile("vq.txt"), vqtest::joined(old_lines));
        c.end_wait(main, holder);
        if (!c.saved) {
            vqtest::Box box = vq.waitBox("Information");
            ASSERT_TRUE(box);
            EXPECT_EQ(box.message(), "The history was not saved, and the command was not run:\r\n" + command);
            box.press(IDOK);
        }
        EXPECT_EQ(vq.waitExit(), 0);
        if (c.saved) {
            EXPECT_TRUE(vqtest::ran_once(vq, command.substr(4)));
        } else {
            EXPECT_EQ(vqtest::times_run(vq, command.substr(4)), 0);
        }
        if (c.saved) {
            std::vector<std::string> all = old_lines;
            all.push_back(command);
            vqtest::expect_each_once(vq.readDataFile("vq.txt"), all);
        } else {
            EXPECT_EQ(vq.readDataFile("vq.txt"), vqtest::joined(old_lines));
        }
    }
}

// What stands where the lock goes and no launcher will ever let go of (a
// folder, a read-only file) is no lock: the save goes on at once.
TEST(VqSaveTrouble, ALockPlaceNobodyLetsGoOfIsNoLock) {
    for (const bool folder : {true, false}) {
        SCOPED_TRACE(folder ? "a folder" : "a read-only file");
        Vq vq({}, vqtest::launcher(vqtest::joined(old_lines)));
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        const std::string lock = vq::history_lock_path(vq.historyPath());
        if (folder) {
            ASSERT_TRUE(CreateDirectoryA(lock.c_str(), nullptr));
        } else {
            testsupport::writeFile(lock, "");
            SetFileAttributesA(lock.c_str(), FILE_ATTRIBUTE_READONLY);
        }
        vqtest::enter(main, "rec without a lock");
        EXPECT_EQ(vq.waitExit(), 0);
        std::vector<std::string> all = old_lines;
        all.push_back("rec without a lock");
        vqtest::expect_each_once(vq.readDataFile("vq.txt"), all);
        EXPECT_TRUE(vqtest::ran_once(vq, "without a lock"));
    }
}

// A history path of 256 characters, whose lock and temporary file go over
// the ANSI path limit: it loads, the save keeps every line and the
// command, and nothing is left beside it.
TEST(VqSaveTrouble, AHistoryPathOf256CharactersSaves) {
    testsupport::TempDir base;
    std::string dir = base.path();
    while (dir.size() < 249) {
        dir += "\\" + std::string(std::min<size_t>(60, 249 - dir.size() - 1), 'd');
        // Beyond 247 characters only in the long form.
        const std::wstring wide = L"\\\\?\\" + std::wstring(dir.begin(), dir.end());
        ASSERT_TRUE(CreateDirectoryW(wide.c_str(), nullptr)) << dir.size();
    }
    const std::string history = dir + "\\vq.txt";
    ASSERT_EQ(history.size(), 256u);
    testsupport::writeFile(history, vqtest::joined(old_lines));
    vqtest::Setup setup = vqtest::launcher(std::nullopt);
    setup.env["APPDATA"] = dir;
    Vq vq({}, setup);
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_EQ(main.item(vq::ID_ListBox).count(), 300);
    vqtest::enter(main, "rec on a long path");
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_TRUE(vqtest::ran_once(vq, "on a long path"));
    std::vector<std::string> all = old_lines;
    all.push_back("rec on a long path");
    vqtest::expect_each_once(testsupport::readFile(history), all);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*.*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    std::vector<std::string> files;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files.emplace_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    EXPECT_EQ(files, std::vector<std::string>{"vq.txt"});
}
