// Start-up benchmarks (not part of the test run; scripts/bench-vq-load runs
// them): the time from starting vq.exe to an interactive main window, for
// an empty history against 40,000 distinct lines with max 10000, and for an
// empty history against a program that only opens a window with an edit
// box and a list box.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "main/form.h"
#include "options/options.h"
#include "testsupport.h"

namespace {

struct Found {
    DWORD pid;
    const char* window_class;
    HWND main;
};

BOOL CALLBACK find_main(HWND h, LPARAM p) {
    auto* f = reinterpret_cast<Found*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    char cls[32] = "";
    GetClassNameA(h, cls, sizeof cls);
    if (owner == f->pid && std::string(cls) == f->window_class) {
        f->main = h;
        return FALSE;
    }
    return TRUE;
}

// Has the window finished its start-up? The launcher says so by showing
// the number of entries; the minimal window is done once it exists.
bool started(HWND main, const char* window_class) {
    if (std::string(window_class) != "TForm1") return true;
    char text[64] = "";
    GetWindowTextA(GetDlgItem(main, vq::ID_Label_stat), text, sizeof text);
    std::string t = text;
    return t.size() > 8 && t.compare(t.size() - 8, 8, " entries") == 0;
}

// Milliseconds from CreateProcess until the window has finished start-up
// and answers messages again.
double time_to_interactive(const std::string& exe, const std::string& dir,
                           const char* window_class = "TForm1") {
    LARGE_INTEGER freq, t0, t1;
    QueryPerformanceFrequency(&freq);
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&t0);
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
        ADD_FAILURE() << "cannot start " << exe;
        return -1;
    }
    Found f{pi.dwProcessId, window_class, nullptr};
    double ms = -1;
    for (int i = 0; i < 60000; ++i) {
        if (!f.main) EnumWindows(find_main, reinterpret_cast<LPARAM>(&f));
        if (!f.main) {
            Sleep(1);
            continue;
        }
        // Once the window is there, the watch waits for its messages to be
        // answered instead of asking every millisecond: a watch that keeps
        // the window server busy would slow the start it measures.
        DWORD_PTR r;
        const bool done = started(f.main, window_class);
        if (!SendMessageTimeoutA(f.main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r)) break;
        if (done) {
            QueryPerformanceCounter(&t1);
            ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
            break;
        }
    }
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    return ms;
}

struct BenchTree {
    testsupport::TempDir dir;
    std::string exe;
    explicit BenchTree(const std::string& history_content) {
        exe = dir.file("vq.exe");
        CopyFileA(testsupport::siblingExe("vq.exe").c_str(), exe.c_str(), FALSE);
        const std::string hist = dir.write("hist.txt", history_content);
        // A start after the first of a build: the version stamp is the
        // program's, so the scripts are current and are not written again.
        dir.write("vq.ini", "[vq]\r\nmax=10000\r\nbeep=0\r\nontoptime=0\r\nversion=" + std::string(vq::build_stamp) +
                                "\r\nhistory=" + hist + "\r\n");
    }
    // Every run starts from the same file: the window is ended without a
    // close, so nothing is saved.
    double run() { return time_to_interactive(exe, dir.path()); }
};

void report(const char* label, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %8.1f ms over %zu runs (min %.1f, max %.1f)\n", label, times[times.size() / 2],
                times.size(), times.front(), times.back());
}

}  // namespace

TEST(VqLoadBench, DISABLED_EmptyVersus40000Lines) {
    const int runs = 21;
    std::string big;
    for (int i = 0; i < 40000; ++i) big += "command line number " + std::to_string(i) + " with arguments\r\n";
    BenchTree empty(""), full(big);
    empty.run();  // warm-up
    full.run();
    // The two kinds alternate, so that a change in the machine's load hits
    // both alike.
    std::vector<double> e, f;
    for (int i = 0; i < runs; ++i) {
        e.push_back(empty.run());
        f.push_back(full.run());
    }
    report("empty history", e);
    report("40000 lines, max 10000", f);
    std::sort(e.begin(), e.end());
    std::sort(f.begin(), f.end());
    std::printf("ratio %.2f\n", f[runs / 2] / e[runs / 2]);
}

TEST(VqLoadBench, DISABLED_EmptyVersusMinimalWindow) {
    const int runs = 21;
    BenchTree empty("");
    const std::string minimal = testsupport::siblingExe("minimal_window.exe");
    const auto minimal_run = [&] { return time_to_interactive(minimal, empty.dir.path(), "MinimalWindow"); };
    empty.run();  // warm-up
    minimal_run();
    std::vector<double> e, m;
    for (int i = 0; i < runs; ++i) {
        e.push_back(empty.run());
        m.push_back(minimal_run());
    }
    report("empty history", e);
    report("minimal window", m);
    std::sort(e.begin(), e.end());
    std::sort(m.begin(), m.end());
    std::printf("ratio %.2f\n", e[runs / 2] / m[runs / 2]);
}
