// Load benchmark (not part of the test run; scripts/bench-vq-load runs it):
// the time from starting vq.exe to an interactive main window, for an empty
// history and for 40,000 distinct lines with max 10000.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "main/form.h"
#include "testsupport.h"

namespace {

struct Found {
  DWORD pid;
  HWND main;
};

BOOL CALLBACK find_main(HWND h, LPARAM p) {
  auto* f = reinterpret_cast<Found*>(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(h, &owner);
  char cls[32] = "";
  GetClassNameA(h, cls, sizeof cls);
  if (owner == f->pid && std::string(cls) == "TForm1") {
    f->main = h;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds from CreateProcess until the window has finished start-up
// and answers messages again.
double time_to_interactive(const std::string& exe, const std::string& dir) {
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  std::string cmd = "\"" + exe + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  QueryPerformanceCounter(&t0);
  if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                      &pi)) {
    ADD_FAILURE() << "cannot start " << exe;
    return -1;
  }
  Found f{pi.dwProcessId, nullptr};
  double ms = -1;
  for (int i = 0; i < 60000; ++i) {
    if (!f.main) EnumWindows(find_main, reinterpret_cast<LPARAM>(&f));
    if (f.main) {
      char text[64] = "";
      GetWindowTextA(GetDlgItem(f.main, vq::ID_Label_stat), text, sizeof text);
      std::string t = text;
      if (t.size() > 8 && t.compare(t.size() - 8, 8, " entries") == 0) {
        DWORD_PTR r;
        SendMessageTimeoutA(f.main, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r);
        QueryPerformanceCounter(&t1);
        ms = 1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) /
             static_cast<double>(freq.QuadPart);
        std::printf("  %s\n", text);
        break;
      }
    }
    Sleep(1);
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return ms;
}

double median_run(const std::string& history_content, const char* label, int runs) {
  testsupport::TempDir dir;
  const std::string exe = dir.file("vq.exe");
  CopyFileA(testsupport::siblingExe("vq.exe").c_str(), exe.c_str(), FALSE);
  const std::string hist = dir.write("hist.txt", history_content);
  dir.write("vq.ini", "[vq]\r\nmax=10000\r\nbeep=0\r\nontoptime=0\r\nhistory=" + hist + "\r\n");
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    // Every run starts from the same file (nothing is saved: the window is
    // ended without a close).
    times.push_back(time_to_interactive(exe, dir.path()));
  }
  std::sort(times.begin(), times.end());
  const double m = times[times.size() / 2];
  std::printf("%-28s median %8.1f ms over %d runs (min %.1f, max %.1f)\n", label, m, runs,
              times.front(), times.back());
  return m;
}

}  // namespace

TEST(VqLoadBench, DISABLED_EmptyVersus40000Lines) {
  const int runs = 5;
  std::string big;
  for (int i = 0; i < 40000; ++i)
    big += "command line number " + std::to_string(i) + " with arguments\r\n";
  median_run("", "warm-up", 1);
  const double empty = median_run("", "empty history", runs);
  const double full = median_run(big, "40000 lines, max 10000", runs);
  std::printf("ratio %.2f\n", full / empty);
}
