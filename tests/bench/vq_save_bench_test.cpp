// Save benchmark (not part of the test run; scripts/bench-vq-save runs it):
// the time from a run request (Enter in the Edit box) to the history file
// replaced, with 10,000 entries against 400.  A run saves the history
// before it starts the command, so this is the time the user waits with the
// window frozen and the command not yet started.  The two sizes take
// turns, one run of each per round.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

namespace {

const char* arch() {
    return sizeof(void*) == 4 ? "i686" : "x86_64";
}

// The size of a file, or -1 while it is absent.
long long file_size(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA a;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &a)) return -1;
    return (static_cast<long long>(a.nFileSizeHigh) << 32) | a.nFileSizeLow;
}

// One run of vq with `entries` distinct history lines: the command is put
// into the Edit box and Enter pressed there; milliseconds until the history
// file has its new size (the list plus the command as the newest line; the
// file is replaced in one move), or -1.
double run_to_saved(int entries) {
    std::string history;
    for (int i = 0; i < entries; ++i) history += "command line number " + std::to_string(i) + " with arguments\r\n";
    const std::string command = "rec.exe saved";
    vqtest::Setup setup;
    setup.ini = "[vq]\r\nmax=10000\r\nbeep=0\r\nontoptime=0\r\napres_exec=0\r\n";
    setup.history = history;
    setup.binFiles = {{"rec.exe", testsupport::readFile(testsupport::siblingExe("vq_stub.exe"))}};
    vqtest::Vq vq({}, setup);
    vqtest::Window main = vq.waitReady();
    if (!main) return -1;
    const long long want = static_cast<long long>(history.size() + command.size() + 2);
    // Start-up is over once it has put the newest entry into the Edit box.
    vqtest::Window edit = main.item(vq::ID_Edit);
    const std::string newest = "command line number " + std::to_string(entries - 1) + " with arguments";
    if (!vqtest::waitFor([&] { return edit.text() == newest; })) {
        ADD_FAILURE() << "start-up never offered the newest entry";
        return -1;
    }
    edit.setText(command);

    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t0);
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
    double ms = -1;
    for (int i = 0; i < 120000; ++i) {
        if (file_size(vq.historyPath()) == want) {
            QueryPerformanceCounter(&t1);
            ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
            break;
        }
        Sleep(1);
    }
    if (ms < 0) ADD_FAILURE() << "the history file of " << entries << " entries was never replaced";
    vq.waitExit();
    return ms;
}

struct Spread {
    double median, min, max;
};

Spread spread_of(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void report(const char* label, const std::vector<double>& times) {
    const Spread s = spread_of(times);
    std::printf("%s: %-36s median %7.1f ms  (min %.1f, max %.1f; %zu runs)\n", arch(), label, s.median, s.min,
                s.max, times.size());
}

}  // namespace

TEST(VqSaveBench, DISABLED_RunRequestToHistoryReplaced) {
    const char* env_runs = std::getenv("VQ_BENCH_RUNS");
    const int runs = env_runs && std::atoi(env_runs) > 0 ? std::atoi(env_runs) : 5;
    std::vector<double> small, big;
    run_to_saved(400);  // warm-up: the first start of a program pays for loading it
    for (int round = 0; round < runs; ++round) {
        for (int entries : round % 2 ? std::vector<int>{10000, 400} : std::vector<int>{400, 10000}) {
            const double ms = run_to_saved(entries);
            if (ms < 0) return;
            (entries == 400 ? small : big).push_back(ms);
        }
    }
    report("Enter to history saved, 400 entries", small);
    report("Enter to history saved, 10000 entries", big);
    const double r = spread_of(big).median / spread_of(small).median;
    const double rmin = spread_of(big).min / spread_of(small).min;
    std::printf("%s: %-36s ratio %.2f, of minimums %.2f  (target at most 2.00: %s by the medians, %s by the "
                "minimums)\n",
                arch(), "10000 entries / 400 entries", r, rmin, r <= 2.0 ? "met" : "MISSED",
                rmin <= 2.0 ? "met" : "MISSED");
}
