// Window test harness: starts vq.exe from a private directory tree, waits for
// its windows, reads and drives its controls, answers its message boxes and
// collects its exit code. A typical test:
//
//   vqtest::Vq vq({"-exec", "make all"});
//   auto box = vq.waitBox("Error");
//   EXPECT_EQ(box.text(), "...");
//   box.press(IDOK);
//   EXPECT_EQ(vq.waitExit(), 0);
//
// Failures (timeouts, missing windows) are reported as GoogleTest failures;
// the child is killed and its directory removed when the Vq goes away.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "testsupport.h"

namespace vqtest {

using testsupport::kPatienceMs;

// Polls `pred` every `stepMs` until it is true or `timeoutMs` has passed.
bool waitFor(const std::function<bool()>& pred, unsigned timeoutMs = kPatienceMs, unsigned stepMs = 20);

// Modifier keys held while a key is sent.
enum Mods : unsigned { none = 0, shift = 1, ctrl = 2, alt = 4 };

// Any window or control of another process, read through messages.
class Window {
  public:
    Window() = default;
    explicit Window(HWND h) : h_(h) {}

    HWND handle() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    bool exists() const;
    std::string className() const;
    std::string text() const;                     // WM_GETTEXT
    void setText(const std::string& text) const;  // WM_SETTEXT
    bool visible() const;
    bool enabled() const;
    RECT rect() const;  // screen coordinates
    RECT clientRect() const;
    int id() const;

    // Child controls: by dialog ID, or the n-th (0-based) child of a class
    // in creation order. An empty Window when there is none.
    Window item(int id) const;
    Window child(const std::string& className, int index = 0) const;
    std::vector<Window> children() const;

    // List boxes.
    int count() const;                      // LB_GETCOUNT
    std::string itemText(int index) const;  // LB_GETTEXT
    std::vector<std::string> items() const;
    int current() const;               // LB_GETCARETINDEX
    int curSel() const;                // LB_GETCURSEL
    bool isSelected(int index) const;  // LB_GETSEL
    std::vector<int> selectedIndexes() const;
    // A mouse click on the item (posted), or a double click.
    void clickItem(int index, bool twice = false) const;

    // Edit boxes: selection start and end (EM_GETSEL).
    std::pair<int, int> selection() const;

    // Buttons and check boxes.
    bool checked() const;  // BM_GETCHECK
    void click() const;    // PostMessage BM_CLICK

    // Brings the top-level window of this control to the front.
    bool toFront() const;  // true once the window's top level is in front

  private:
    HWND h_ = nullptr;
};

// A message box (class #32770) of the child.
class Box : public Window {
  public:
    Box() = default;
    explicit Box(HWND h) : Window(h) {}

    std::string title() const { return text(); }
    std::string message() const;  // GetDlgItemText(box, 0xFFFF)
    bool hasButton(int id) const;
    // Presses IDOK, IDYES, IDNO, ... and waits until the box is gone.
    void press(int buttonId) const;
};

// The top-level windows of a process.
std::vector<Window> processWindows(DWORD pid);

// Sends real input with SendInput to the foreground window.
void sendKey(WORD vk, unsigned mods = none);
void typeText(const std::string& text);

// What the private directory tree holds when vq starts.
struct Setup {
    std::optional<std::string> ini;                   // vq.ini beside vq.exe; none: no file
    std::optional<std::string> history;               // vq.txt in the APPDATA directory
    std::map<std::string, std::string> programFiles;  // more files beside vq.exe
    std::map<std::string, std::string> dataFiles;     // more files in APPDATA
    std::map<std::string, std::string> workFiles;     // files in the current directory
    std::map<std::string, std::string> binFiles;      // files in the head of PATH
    std::vector<std::string> programDirs;             // directories beside vq.exe
    // Environment changes on top of the defaults (APPDATA -> the data
    // directory, PATH -> the bin directory then the system directories);
    // a value of none removes the variable.  "{root}" in a value stands for
    // the private tree.
    std::map<std::string, std::optional<std::string>> env;
    // Raw argument text appended after the program name; used instead of
    // the argument list when set.
    std::optional<std::string> rawArgs;
    // The name of the copy of vq.exe that is started (Wine's per-program
    // settings go by this name).
    std::string exeName = "vq.exe";
    unsigned startTimeoutMs = kPatienceMs;
    // False: return at once after the process starts, without waiting for
    // it to become idle (for tests that act while start-up still runs).
    bool waitForIdle = true;
};

class Vq {
  public:
    explicit Vq(const std::vector<std::string>& args = {}, const Setup& setup = {});
    Vq(const std::vector<std::string>& args, const std::optional<std::string>& ini,
       const std::optional<std::string>& history = std::nullopt);
    ~Vq();
    Vq(const Vq&) = delete;
    Vq& operator=(const Vq&) = delete;

    // The private tree: programDir holds vq.exe, dataDir is APPDATA, workDir
    // the current directory of the child, binDir the head of its PATH.
    // All end without a backslash.
    const std::string& root() const { return root_; }
    std::string programDir() const { return root_ + "\\prog"; }
    std::string dataDir() const { return root_ + "\\appdata"; }
    std::string workDir() const { return root_ + "\\work"; }
    std::string binDir() const { return root_ + "\\bin"; }
    std::string exePath() const { return programDir() + "\\" + exe_name_; }
    std::string iniPath() const { return programDir() + "\\vq.ini"; }
    std::string historyPath() const { return dataDir() + "\\vq.txt"; }

    DWORD pid() const { return pid_; }
    bool running() const;

    // Top-level windows of the child.
    std::vector<Window> windows() const;
    Window findWindow(const std::string& className) const;
    Window waitWindow(const std::string& className, unsigned timeoutMs = kPatienceMs,
                      bool mustBeVisible = true) const;
    // The main window (TForm1), once visible.
    Window waitMain(unsigned timeoutMs = kPatienceMs) const;
    // The main window once start-up has filled the list (the status label
    // counts the entries) and offered its newest entry in the Edit box; a
    // test failure when it does not.
    Window waitReady(unsigned timeoutMs = kPatienceMs) const;

    // Message boxes; an empty title matches any box.
    Box findBox(const std::string& title = "") const;
    Box waitBox(const std::string& title = "", unsigned timeoutMs = kPatienceMs) const;
    // True when no box of the child has appeared during `ms`.
    bool noBoxFor(unsigned ms, const std::string& title = "") const;

    // Waits for the process to end; returns its exit code, or -1 (and a
    // test failure) after killing it when it does not end in time.
    int waitExit(unsigned timeoutMs = kPatienceMs);
    // True when the process ends within the time; no test failure otherwise.
    bool ended(unsigned timeoutMs = 0) const;
    // Ends the child at once.
    void kill();

    // Has the child loaded the library `name` (e.g. "winmm.dll", any case)?
    bool hasLoaded(const std::string& name) const;

    // Brings the main window forward, then sends keys.
    void key(WORD vk, unsigned mods = none) const;
    void type(const std::string& text) const;

    // Whole-file helpers relative to the tree ("" when the file is absent).
    std::string readProgramFile(const std::string& name) const;
    std::string readDataFile(const std::string& name) const;

  private:
    void start(const std::vector<std::string>& args, const Setup& setup);

    std::string root_;
    std::string exe_name_ = "vq.exe";
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

}  // namespace vqtest
