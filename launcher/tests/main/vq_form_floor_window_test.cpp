// The start-up benchmark's floor (form_floor.exe) is vq's form alone: the
// same resources, and after its start the same windows as vq after an
// empty start: the main window with the same controls in the same places,
// with the same styles, texts and list item heights, the focus in the Edit
// box, and the help and file-template windows made and hidden.  Were the
// floor to drift from vq, the benchmark would compare with something else.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "main/form.h"
#include "main/resource.h"
#include "testsupport.h"

using vqtest::Window;

namespace {

// The bytes of one resource of a program file; empty when it has none.
std::string resource_bytes(const std::string& exe, LPCSTR type, LPCSTR name) {
    HMODULE m = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m) return {};
    std::string bytes;
    if (HRSRC r = FindResourceA(m, name, type))
        if (HGLOBAL g = LoadResource(m, r))
            bytes.assign(static_cast<const char*>(LockResource(g)), SizeofResource(m, r));
    FreeLibrary(m);
    return bytes;
}

DWORD thread_of(HWND h) {
    return GetWindowThreadProcessId(h, nullptr);
}

// The control that has the focus in the window's thread (0: none).
int focus_id(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread_of(main), &info) || !info.hwndFocus) return 0;
    return GetDlgCtrlID(info.hwndFocus);
}

// The main window and its controls, one line each, in z-order (which is
// the order they were made in): what the user sees of the form.
std::vector<std::string> describe(const Window& main) {
    std::vector<std::string> lines;
    char line[512];
    const RECT client = main.clientRect();
    std::snprintf(line, sizeof line, "%s client %ldx%ld style %lx ex %lx", main.className().c_str(), client.right,
                  client.bottom, GetWindowLongA(main.handle(), GWL_STYLE),
                  GetWindowLongA(main.handle(), GWL_EXSTYLE));
    lines.push_back(line);
    for (const Window& c : main.children()) {
        RECT r = c.rect();
        MapWindowPoints(nullptr, main.handle(), reinterpret_cast<POINT*>(&r), 2);
        const std::string cls = c.className();
        std::snprintf(line, sizeof line, "%d %s \"%s\" at %ld,%ld %ldx%ld style %lx ex %lx", c.id(), cls.c_str(),
                      c.text().c_str(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                      GetWindowLongA(c.handle(), GWL_STYLE), GetWindowLongA(c.handle(), GWL_EXSTYLE));
        std::string l = line;
        if (lstrcmpiA(cls.c_str(), "ListBox") == 0)
            l += " item height " + std::to_string(SendMessageA(c.handle(), LB_GETITEMHEIGHT, 0, 0));
        lines.push_back(l);
    }
    return lines;
}

// The top-level window of a process of a class.
Window top_level(DWORD pid, const std::string& cls) {
    for (const Window& w : vqtest::processWindows(pid))
        if (w.className() == cls) return w;
    return Window();
}

// What a started program shows once its start is over: the form, the
// focus, and whether the help and file-template windows are there and
// hidden.
struct Seen {
    std::vector<std::string> form;
    int focus = 0;
    bool helpf_hidden = false, formgui_hidden = false;
};

Seen look_at(DWORD pid) {
    Seen seen;
    Window main;
    EXPECT_TRUE(vqtest::waitFor([&] {
        main = top_level(pid, "TForm1");
        if (!main || !main.visible()) return false;
        const std::string t = main.item(vq::ID_Label_stat).text();
        return t.size() > 8 && t.compare(t.size() - 8, 8, " entries") == 0 && focus_id(main.handle()) != 0;
    })) << "no main window that counts its entries and has a focus";
    if (!main) return seen;
    seen.form = describe(main);
    seen.focus = focus_id(main.handle());
    for (auto [cls, hidden] : {std::pair{"Thelpf", &seen.helpf_hidden}, {"TformGui", &seen.formgui_hidden}}) {
        const Window w = top_level(pid, cls);
        *hidden = w && !w.visible();
    }
    return seen;
}

// form_floor.exe, started from a directory of its own and ended with the
// test.
class Floor {
  public:
    Floor() {
        const std::string exe = dir_.file("form_floor.exe");
        if (!CopyFileA(testsupport::siblingExe("form_floor.exe").c_str(), exe.c_str(), FALSE)) {
            ADD_FAILURE() << "form_floor.exe is not built";
            return;
        }
        std::string cmd = testsupport::quoteArg(exe);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir_.path().c_str(), &si,
                            &pi_))
            ADD_FAILURE() << "cannot start " << exe;
    }
    ~Floor() {
        if (!pi_.hProcess) return;
        TerminateProcess(pi_.hProcess, 0);
        WaitForSingleObject(pi_.hProcess, 5000);
        CloseHandle(pi_.hProcess);
        CloseHandle(pi_.hThread);
    }
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;
    DWORD pid() const { return pi_.dwProcessId; }

  private:
    testsupport::TempDir dir_;
    PROCESS_INFORMATION pi_{};
};

}  // namespace

TEST(FormFloor, CarriesTheResourcesOfVq) {
    const std::string vq = testsupport::siblingExe("vq.exe"), floor = testsupport::siblingExe("form_floor.exe");
    for (auto [type, name] : {std::pair{RT_MANIFEST, reinterpret_cast<LPCSTR>(CREATEPROCESS_MANIFEST_RESOURCE_ID)},
                              {RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_VQ)}}) {
        const std::string want = resource_bytes(vq, type, name);
        EXPECT_FALSE(want.empty()) << "vq.exe lacks resource type " << reinterpret_cast<uintptr_t>(type);
        EXPECT_EQ(resource_bytes(floor, type, name), want)
            << "resource type " << reinterpret_cast<uintptr_t>(type);
    }
}

TEST(FormFloor, ShowsWhatAnEmptyStartOfVqShows) {
    Seen of_vq;
    {
        vqtest::Setup setup;
        setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\n";
        setup.history = "";
        vqtest::Vq vq({}, setup);
        of_vq = look_at(vq.pid());
    }
    ASSERT_FALSE(of_vq.form.empty());
    EXPECT_EQ(of_vq.focus, vq::ID_Edit);

    Floor floor;
    const Seen of_floor = look_at(floor.pid());
    EXPECT_EQ(of_floor.form, of_vq.form);
    EXPECT_EQ(of_floor.focus, of_vq.focus);
    EXPECT_TRUE(of_vq.helpf_hidden && of_vq.formgui_hidden);
    EXPECT_TRUE(of_floor.helpf_hidden) << "the help window, made and hidden";
    EXPECT_TRUE(of_floor.formgui_hidden) << "the file-template window, made and hidden";
}
