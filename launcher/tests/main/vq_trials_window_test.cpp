// Crash trials (not part of the test run; scripts/trial-kill-save runs
// them): vq is killed at random moments while it saves a large history.
// Every trial must leave the history file whole, with its contents from
// before the save or after it, never a mixture and never nothing; and the
// next launcher's save must leave nothing else beside it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const char* kIni = "[vq]\r\nmax=20000\r\nbeep=0\r\nontoptime=0\r\napres_exec=0\r\n";

// Starts vq on `history`, asks it to run `command` and returns the window
// once the request is on its way.
struct Trial {
    Vq vq;
    explicit Trial(const std::string& history) : vq({}, setup(history)) {}
    // A launcher on the history file of another trial's tree.
    explicit Trial(const std::string& history_path, bool) : vq({}, setup({}, history_path)) {}
    // rec.exe, a stand-in program at the head of PATH, is what vq runs.
    static vqtest::Setup setup(const std::optional<std::string>& history, const std::string& path = {}) {
        vqtest::Setup s;
        s.ini = kIni;
        if (!path.empty()) *s.ini += "history=" + path + "\r\n";
        s.history = history;
        s.binFiles = {{"rec.exe", testsupport::readFile(testsupport::siblingExe("vq_stub.exe"))}};
        return s;
    }
    bool request(const std::string& command) {
        Window main = vq.waitReady();
        if (!main) return false;
        main.item(vq::ID_Edit).setText(command);
        main.item(vq::ID_BitBtn_OK).click();
        return true;
    }
};

// The files in a directory other than `except`.
int other_files(const std::string& dir, const std::string& except) {
    int n = 0;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && except != data.cFileName) ++n;
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return n;
}

double now_ms() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

}  // namespace

TEST(VqKillTrial, DISABLED_KillDuringSave) {
    const char* env = std::getenv("TRIALS");
    const int trials = env ? std::atoi(env) : 100;
    std::string history;
    for (int i = 0; i < 20000; ++i)
        history += "command line number " + std::to_string(i) + " with arguments\r\n";

    // How long the save takes: from the request until the file has its new
    // size (read without opening the file, which would hold up the save).
    double save_ms = 0;
    {
        Trial t(history);
        const std::string path = t.vq.historyPath();
        const auto size = [&] {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
            return data.nFileSizeLow;
        };
        ASSERT_TRUE(t.request("rec calibration"));
        const double t0 = now_ms();
        ASSERT_TRUE(vqtest::waitFor([&] { return size() != history.size(); }, vqtest::kPatienceMs, 1));
        save_ms = now_ms() - t0;
        t.vq.waitExit();
    }

    std::mt19937 random(12345);
    std::uniform_real_distribution<double> moment(0, 2 * save_ms);
    int old_kept = 0, new_written = 0, broken = 0, left_by_kill = 0, left_after_next = 0;
    for (int i = 0; i < trials; ++i) {
        const std::string command = "rec trial " + std::to_string(i);
        Trial t(history);
        ASSERT_TRUE(t.request(command));
        Sleep(static_cast<DWORD>(moment(random)));
        t.vq.kill();
        const std::string after = t.vq.readDataFile("vq.txt");
        if (after == history) {
            ++old_kept;
        } else if (after == history + command + "\r\n") {
            ++new_written;
        } else {
            ++broken;
            std::printf("trial %d: the file holds %zu bytes, neither old (%zu) nor new\n", i, after.size(),
                        history.size());
        }
        // What the kill left beside the history is gone after the next
        // launcher's start and save.
        if (other_files(t.vq.dataDir(), "vq.txt") > 0) {
            ++left_by_kill;
            Trial next(t.vq.historyPath(), true);
            if (next.request("rec after trial " + std::to_string(i))) next.vq.waitExit();
            if (other_files(t.vq.dataDir(), "vq.txt") > 0) ++left_after_next;
        }
    }
    std::printf("a save is done about %.0f ms after the request; kills at random moments up to %.0f ms\n",
                save_ms, 2 * save_ms);
    std::printf("%d trials: %d kept the old history, %d the new one, %d left it broken; complete: %d of %d\n",
                trials, old_kept, new_written, broken, old_kept + new_written, trials);
    std::printf("%d kills left a file beside the history; after the next start and save %d still did\n",
                left_by_kill, left_after_next);
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(left_after_next, 0);
}
