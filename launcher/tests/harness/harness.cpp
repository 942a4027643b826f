// Window test harness: a private copy of vq.exe, its windows and boxes.
#include "harness.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "main/form.h"
#include "testsupport.h"

namespace vqtest {

namespace {

std::string systemDirs() {
    char sys[MAX_PATH] = {}, win[MAX_PATH] = {};
    GetSystemDirectoryA(sys, MAX_PATH);
    GetWindowsDirectoryA(win, MAX_PATH);
    return std::string(sys) + ";" + win;
}

bool copyFile(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

// With VQTEST_TRACE set, the harness reports how long each step took.
void trace(const char* what, DWORD since) {
    static const bool on = GetEnvironmentVariableA("VQTEST_TRACE", nullptr, 0) > 0;
    if (on) fprintf(stderr, "[vqtest] %s: %lu ms\n", what, GetTickCount() - since);
}

bool titleMatches(HWND h, const std::string& title) {
    if (title.empty()) return true;
    return Window(h).text() == title;
}

}  // namespace

bool waitFor(const std::function<bool()>& pred, unsigned timeoutMs, unsigned stepMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (pred()) return true;
        if (GetTickCount() - start >= timeoutMs) return pred();
        Sleep(stepMs);
    }
}

// ---- Window -------------------------------------------------------------

bool Window::exists() const {
    return h_ && IsWindow(h_);
}

std::string Window::className() const {
    char name[256] = {};
    if (h_) GetClassNameA(h_, name, sizeof name);
    return name;
}

std::string Window::text() const {
    if (!h_) return {};
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutA(h_, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &len)) return {};
    std::string s(len + 1, '\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutA(h_, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()), SMTO_ABORTIFHUNG, 5000,
                        &got);
    s.resize(std::min<std::size_t>(got, len));
    return s;
}

void Window::setText(const std::string& text) const {
    SendMessageA(h_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool Window::visible() const {
    return h_ && IsWindowVisible(h_);
}
bool Window::enabled() const {
    return h_ && IsWindowEnabled(h_);
}

RECT Window::rect() const {
    RECT r{};
    if (h_) GetWindowRect(h_, &r);
    return r;
}

RECT Window::clientRect() const {
    RECT r{};
    if (h_) GetClientRect(h_, &r);
    return r;
}

int Window::id() const {
    return h_ ? GetDlgCtrlID(h_) : 0;
}

Window Window::item(int id) const {
    return Window(h_ ? GetDlgItem(h_, id) : nullptr);
}

std::vector<Window> Window::children() const {
    std::vector<Window> out;
    if (!h_) return out;
    for (HWND c = GetWindow(h_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        out.emplace_back(c);
    }
    return out;
}

Window Window::child(const std::string& className, int index) const {
    int seen = 0;
    // Children come in z-order, which for controls that never change their
    // z-order is the order they were created in.
    for (const auto& c : children()) {
        if (lstrcmpiA(c.className().c_str(), className.c_str()) == 0 && seen++ == index) return c;
    }
    return Window();
}

int Window::count() const {
    return static_cast<int>(SendMessageA(h_, LB_GETCOUNT, 0, 0));
}

std::string Window::itemText(int index) const {
    // Asked in UTF-16: Wine answers a cross-process LB_GETTEXT of an ANSI
    // caller with UTF-16 bytes, overrunning a buffer sized for ANSI text.
    LRESULT len = SendMessageW(h_, LB_GETTEXTLEN, index, 0);
    if (len == LB_ERR) return {};
    std::vector<wchar_t> wide(static_cast<std::size_t>(len) * 2 + 8, L'\0');
    LRESULT got = SendMessageW(h_, LB_GETTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    if (got == LB_ERR || got <= 0) return {};
    got = std::min<LRESULT>(got, static_cast<LRESULT>(wide.size()));
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(got), s.data(), n, nullptr, nullptr);
    return s;
}

std::vector<std::string> Window::items() const {
    std::vector<std::string> out;
    int n = count();
    for (int i = 0; i < n; ++i) out.push_back(itemText(i));
    return out;
}

int Window::current() const {
    return static_cast<int>(SendMessageA(h_, LB_GETCARETINDEX, 0, 0));
}
int Window::curSel() const {
    return static_cast<int>(SendMessageA(h_, LB_GETCURSEL, 0, 0));
}

bool Window::isSelected(int index) const {
    return SendMessageA(h_, LB_GETSEL, index, 0) > 0;
}

std::vector<int> Window::selectedIndexes() const {
    std::vector<int> out;
    int n = count();
    for (int i = 0; i < n; ++i) {
        if (isSelected(i)) out.push_back(i);
    }
    return out;
}

void Window::clickItem(int index, bool twice) const {
    RECT item{};
    SendMessageA(h_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    PostMessageA(h_, twice ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(h_, WM_LBUTTONUP, 0, at);
}

std::pair<int, int> Window::selection() const {
    DWORD start = 0, end = 0;
    SendMessageA(h_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

bool Window::checked() const {
    return SendMessageA(h_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::click() const {
    PostMessageA(h_, BM_CLICK, 0, 0);
}

// A loaded machine (or one that runs the programs through an emulator) may
// not have moved the foreground by the time the first request is answered:
// ask again until it has.
bool Window::toFront() const {
    HWND top = GetAncestor(h_, GA_ROOT);
    if (!top) return false;
    SetForegroundWindow(top);
    return waitFor(
        [top] {
            if (GetForegroundWindow() == top) return true;
            SetForegroundWindow(top);
            return false;
        },
        kPatienceMs, 50);
}

// ---- Box ------------------------------------------------------------------

std::string Box::message() const {
    char text[8192] = {};
    GetDlgItemTextA(handle(), 0xFFFF, text, sizeof text);
    return text;
}

bool Box::hasButton(int id) const {
    return GetDlgItem(handle(), id) != nullptr;
}

void Box::press(int buttonId) const {
    HWND button = GetDlgItem(handle(), buttonId);
    if (!button) {
        ADD_FAILURE() << "the box \"" << title() << "\" has no button " << buttonId;
        return;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND box = handle();
    if (!waitFor([box] { return !IsWindow(box) || !IsWindowVisible(box); })) {
        ADD_FAILURE() << "the box \"" << title() << "\" did not close";
    }
}

// ---- Input ----------------------------------------------------------------

namespace {

INPUT keyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}

void addMods(std::vector<INPUT>& ins, unsigned mods, bool up) {
    if (mods & shift) ins.push_back(keyInput(VK_SHIFT, up));
    if (mods & ctrl) ins.push_back(keyInput(VK_CONTROL, up));
    if (mods & alt) ins.push_back(keyInput(VK_MENU, up));
}

}  // namespace

void sendKey(WORD vk, unsigned mods) {
    std::vector<INPUT> ins;
    addMods(ins, mods, false);
    ins.push_back(keyInput(vk, false));
    ins.push_back(keyInput(vk, true));
    addMods(ins, mods, true);
    SendInput(static_cast<UINT>(ins.size()), ins.data(), sizeof(INPUT));
    Sleep(30);  // lets the target's queue take the keys in order
}

void typeText(const std::string& text) {
    for (char c : text) {
        SHORT scan = VkKeyScanA(c);
        if (scan == -1) {
            ADD_FAILURE() << "no key types the character " << static_cast<int>(c);
            continue;
        }
        unsigned mods = none;
        if (scan & 0x100) mods |= shift;
        if (scan & 0x200) mods |= ctrl;
        if (scan & 0x400) mods |= alt;
        sendKey(static_cast<WORD>(scan & 0xFF), mods);
    }
}

// ---- Vq -------------------------------------------------------------------

Vq::Vq(const std::vector<std::string>& args, const Setup& setup) {
    start(args, setup);
}

Vq::Vq(const std::vector<std::string>& args, const std::optional<std::string>& ini,
       const std::optional<std::string>& history) {
    Setup setup;
    setup.ini = ini;
    setup.history = history;
    start(args, setup);
}

void Vq::start(const std::vector<std::string>& args, const Setup& setup) {
    exe_name_ = setup.exeName;
    // A fresh tree in the system's temporary directory.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    for (unsigned n = GetTickCount();; ++n) {
        root_ = std::string(temp) + "vqt" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(n % 100000);
        if (CreateDirectoryA(root_.c_str(), nullptr)) break;
    }
    for (const auto& d : {programDir(), dataDir(), workDir(), binDir()}) {
        CreateDirectoryA(d.c_str(), nullptr);
    }
    if (!copyFile(testsupport::siblingExe("vq.exe"), exePath())) {
        ADD_FAILURE() << "cannot copy vq.exe into " << programDir();
        return;
    }
    for (const auto& name : setup.programDirs) {
        CreateDirectoryA((programDir() + "\\" + name).c_str(), nullptr);
    }
    if (setup.ini) testsupport::writeFile(iniPath(), *setup.ini);
    if (setup.history) testsupport::writeFile(historyPath(), *setup.history);
    for (const auto& [name, content] : setup.programFiles) {
        testsupport::writeFile(programDir() + "\\" + name, content);
    }
    for (const auto& [name, content] : setup.dataFiles) {
        testsupport::writeFile(dataDir() + "\\" + name, content);
    }
    for (const auto& [name, content] : setup.workFiles) {
        testsupport::writeFile(workDir() + "\\" + name, content);
    }
    for (const auto& [name, content] : setup.binFiles) {
        testsupport::writeFile(binDir() + "\\" + name, content);
    }

    std::map<std::string, std::optional<std::string>> env = {
        {"APPDATA", dataDir()},
        {"PATH", binDir() + ";" + systemDirs()},
    };
    for (auto [name, value] : setup.env) {
        for (size_t at; value && (at = value->find("{root}")) != std::string::npos;)
            value->replace(at, 6, root_);
        env[name] = value;
    }
    std::string block = testsupport::environmentWith(env);

    std::string cmd = testsupport::quoteArg(exePath());
    if (setup.rawArgs) {
        cmd += ' ';
        cmd += *setup.rawArgs;
    } else {
        for (const auto& a : args) {
            cmd += ' ';
            cmd += testsupport::quoteArg(a);
        }
    }

    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, block.data(), workDir().c_str(), &si,
                        &pi)) {
        ADD_FAILURE() << "cannot start " << cmd << " (error " << GetLastError() << ")";
        return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    if (setup.waitForIdle) {
        DWORD t0 = GetTickCount();
        WaitForInputIdle(process_, setup.startTimeoutMs);
        trace("start until input idle", t0);
    }
}

Vq::~Vq() {
    DWORD t0 = GetTickCount();
    if (running()) kill();
    if (process_) CloseHandle(process_);
    if (!root_.empty()) {
        // Files may stay locked for a moment after the process ends.
        waitFor(
            [this] {
                testsupport::removeTree(root_);
                return GetFileAttributesA(root_.c_str()) == INVALID_FILE_ATTRIBUTES;
            },
            30000, 50);
    }
    trace("clean-up", t0);
}

bool Vq::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

namespace {

struct WindowSearch {
    DWORD pid;
    std::vector<Window> found;
};

BOOL CALLBACK collectWindow(HWND h, LPARAM p) {
    auto* s = reinterpret_cast<WindowSearch*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    if (owner == s->pid) s->found.emplace_back(h);
    return TRUE;
}

}  // namespace

std::vector<Window> processWindows(DWORD pid) {
    WindowSearch search{pid, {}};
    if (pid) EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<Window> Vq::windows() const {
    return processWindows(pid_);
}

Window Vq::findWindow(const std::string& className) const {
    for (const auto& w : windows()) {
        if (w.className() == className) return w;
    }
    return Window();
}

Window Vq::waitWindow(const std::string& className, unsigned timeoutMs, bool mustBeVisible) const {
    Window found;
    bool ok = waitFor(
        [&] {
            found = findWindow(className);
            return found && (!mustBeVisible || found.visible());
        },
        timeoutMs);
    if (!ok) {
        ADD_FAILURE() << "no " << (mustBeVisible ? "visible " : "") << className << " window within "
                      << timeoutMs << " ms";
        return Window();
    }
    return found;
}

Window Vq::waitMain(unsigned timeoutMs) const {
    return waitWindow("TForm1", timeoutMs);
}

Window Vq::waitReady(unsigned timeoutMs) const {
    Window main = waitMain(timeoutMs);
    if (!main) return main;
    Window stat = main.item(vq::ID_Label_stat);
    const bool ok = waitFor(
        [&] {
            const std::string t = stat.text();
            return t.size() > 8 && t.compare(t.size() - 8, 8, " entries") == 0;
        },
        timeoutMs);
    EXPECT_TRUE(ok) << "status: " << stat.text();
    // The count is shown at the end of the load; start-up then offers the
    // newest entry in the Edit box, and a text a test put there before
    // would be replaced.  With no entry nothing is offered.
    Window list = main.item(vq::ID_ListBox);
    Window edit = main.item(vq::ID_Edit);
    if (ok && list.count() > 0) {
        EXPECT_TRUE(waitFor([&] { return !edit.text().empty(); }, timeoutMs)) << "no entry offered";
    }
    return main;
}

Box Vq::findBox(const std::string& title) const {
    for (const auto& w : windows()) {
        if (w.className() == "#32770" && w.visible() && titleMatches(w.handle(), title)) {
            return Box(w.handle());
        }
    }
    return Box();
}

Box Vq::waitBox(const std::string& title, unsigned timeoutMs) const {
    DWORD t0 = GetTickCount();
    Box found;
    if (!waitFor([&] { return bool(found = findBox(title)); }, timeoutMs)) {
        ADD_FAILURE() << "no message box" << (title.empty() ? "" : " \"" + title + "\"") << " within "
                      << timeoutMs << " ms";
    }
    trace("waitBox", t0);
    return found;
}

bool Vq::noBoxFor(unsigned ms, const std::string& title) const {
    return !waitFor([&] { return bool(findBox(title)); }, ms);
}

int Vq::waitExit(unsigned timeoutMs) {
    if (!process_) return -1;
    DWORD t0 = GetTickCount();
    struct Done {
        DWORD t0;
        ~Done() { trace("waitExit", t0); }
    } done{t0};
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "vq did not end within " << timeoutMs << " ms";
        kill();
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}

bool Vq::ended(unsigned timeoutMs) const {
    return process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

void Vq::kill() {
    if (!process_) return;
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
}

// The libraries are the files mapped as images into the child's memory,
// named by the child itself: a list of its modules would be read from its
// memory, which a program run through an emulator does not give.
bool Vq::hasLoaded(const std::string& name) const {
    std::string want = "\\" + name;
    for (char& c : want) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQueryEx(process_, at, &region, sizeof region) == sizeof region;) {
        if (region.Type == MEM_IMAGE && region.BaseAddress == region.AllocationBase) {
            char path[MAX_PATH * 2] = "";
            if (K32GetMappedFileNameA(process_, region.BaseAddress, path, sizeof path)) {
                std::string p = path;
                for (char& c : p) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                if (p.size() >= want.size() && p.compare(p.size() - want.size(), want.size(), want) == 0)
                    return true;
            }
        }
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return false;
}

void Vq::key(WORD vk, unsigned mods) const {
    if (Window main = findWindow("TForm1")) main.toFront();
    sendKey(vk, mods);
}

void Vq::type(const std::string& text) const {
    if (Window main = findWindow("TForm1")) main.toFront();
    typeText(text);
}

std::string Vq::readProgramFile(const std::string& name) const {
    return testsupport::readFileIfAny(programDir() + "\\" + name);
}

std::string Vq::readDataFile(const std::string& name) const {
    return testsupport::readFileIfAny(dataDir() + "\\" + name);
}

}  // namespace vqtest
