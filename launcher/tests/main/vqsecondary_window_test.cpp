// The help window and the file-template window of the real program.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cctype>

#include "gui/template_window.h"
#include "harness.h"
#include "help/help_window.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const char* kIni = "[vq]\r\nbeep=0\r\nontoptime=0\r\n";

// The selection of a rich-text view of the other process.
std::pair<int, int> selection_of(const Window& view) {
    const DWORD sel = static_cast<DWORD>(SendMessageA(view.handle(), EM_GETSEL, 0, 0));
    return {LOWORD(sel), HIWORD(sel)};
}

HWND focus_of(const Window& window) {
    GUITHREADINFO gi{};
    gi.cbSize = sizeof gi;
    GetGUIThreadInfo(GetWindowThreadProcessId(window.handle(), nullptr), &gi);
    return gi.hwndFocus;
}

// The help window, shown from outside.
Window show_help(const Vq& vq) {
    Window help = vq.findWindow("Thelpf");
    if (!help) return help;
    ShowWindow(help.handle(), SW_SHOW);
    EXPECT_TRUE(vqtest::waitFor([&] { return help.visible(); }));
    return help;
}

// The help window as the Help button shows it.
Window press_help(const Vq& vq) {
    Window help = vq.findWindow("Thelpf");
    if (!help) return help;
    vq.waitMain().item(vq::ID_BitBtn_Help).click();
    EXPECT_TRUE(vqtest::waitFor([&] { return help.visible(); }));
    return help;
}

// Windows has no switch that hides a system library from one program.
bool under_wine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

// A copy of the launcher, named after the library, for which Wine's
// per-program settings take the library `dll` (e.g. "riched20") as
// missing.
vqtest::Setup without_library(const std::string& dll, const std::string& ini) {
    vqtest::Setup setup;
    setup.ini = ini;
    setup.history = "ls -l /tmp/x\r\n";
    setup.exeName = "vq_no_" + dll + ".exe";
    const std::string key = "Software\\Wine\\AppDefaults\\" + setup.exeName + "\\DllOverrides";
    HKEY k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) ==
        ERROR_SUCCESS) {
        RegSetValueExA(k, dll.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
        RegCloseKey(k);
    } else {
        ADD_FAILURE() << "cannot write " << key;
    }
    return setup;
}

TEST(VqHelp, ShowsThePathOfAMissingFileAndSearchesTheLoadedOne) {
    Vq vq({}, kIni, std::string("ls -l /tmp/x\r\n"));
    ASSERT_TRUE(vq.waitMain());
    Window help = show_help(vq);
    ASSERT_TRUE(help);
    Window view = help.item(vq::ID_RichEdit_TeciFake), edit1 = help.item(vq::ID_Edit1);
    Window search = help.item(vq::ID_Button_Search);
    EXPECT_EQ(view.text(), "couldn't load " + vq.programDir() + "\\vqhelp.txt");
    EXPECT_EQ(help.text(), "helpf");
    EXPECT_EQ(help.clientRect().right, 514);
    EXPECT_EQ(help.clientRect().bottom, 410);
    EXPECT_FALSE(search.enabled());
    PostMessageA(help.handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vqtest::waitFor([&] { return !help.visible(); }));
    EXPECT_EQ(view.text(), "");

    // Each showing reads the file again and searches from the top.
    const std::string text = "Alpha comes first.\r\nThen alphabet soup\r\nand at last ALPHA.\r\n";
    testsupport::writeFile(vq.programDir() + "\\vqhelp.txt", text);
    ASSERT_TRUE(show_help(vq));
    std::string shown = text;  // the view counts a line end as one character
    shown.erase(std::remove(shown.begin(), shown.end(), '\n'), shown.end());
    EXPECT_TRUE(vqtest::waitFor([&] { return view.text().find("ALPHA.") != std::string::npos; }));
    using Sel = std::pair<int, int>;
    const int first = 0, second = static_cast<int>(shown.find("alpha")),
              third = static_cast<int>(shown.find("ALPHA"));

    edit1.setText("alpha");
    EXPECT_TRUE(search.enabled());
    // The keys go straight into the window's queue: typed keys follow the
    // foreground, which a loaded machine moves late.
    const auto key_into = [](const Window& w, WPARAM vk) {
        PostMessageA(w.handle(), WM_KEYDOWN, vk, 1);
        PostMessageA(w.handle(), WM_KEYUP, vk, 0xC0000001);
    };
    help.toFront();
    key_into(edit1, VK_RETURN);  // Enter in the search box
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(first, first + 5); }));
    EXPECT_EQ(focus_of(help), view.handle());
    search.click();
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(second, second + 5); }));
    key_into(view, VK_F3);  // again, from the view
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(third, third + 5); }));
    search.click();  // nothing further: the selection stays
    Sleep(300);
    EXPECT_EQ(selection_of(view), Sel(third, third + 5));
    search.click();  // and the next search starts at the top
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(first, first + 5); }));
    vq.waitMain().item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

// The rich-text, file-dialog and sound libraries are loaded when first
// needed; without one, the rest of the launcher works and the feature says
// what is missing (the sound stays silent).
TEST(VqLazyLibraries, TheFirstScreenLoadsNoneAndHelpLoadsTheRichText) {
    Vq vq({}, kIni, std::string("ls -l /tmp/x\r\n"));
    ASSERT_TRUE(vq.waitReady());
    ASSERT_TRUE(vq.hasLoaded("user32.dll"));  // the check sees what is loaded
    for (const char* dll : {"riched20.dll", "comdlg32.dll", "winmm.dll"}) EXPECT_FALSE(vq.hasLoaded(dll)) << dll;
    // The help and file-template windows exist from the start; their
    // controls come at their first showing.
    for (const char* cls : {"Thelpf", "TformGui"}) {
        Window w = vq.findWindow(cls);
        ASSERT_TRUE(w) << cls;
        EXPECT_FALSE(w.visible()) << cls;
        EXPECT_EQ(GetWindow(w.handle(), GW_CHILD), nullptr) << cls;
    }
    Window help = press_help(vq);
    ASSERT_TRUE(help);
    EXPECT_TRUE(vq.hasLoaded("riched20.dll"));
    Window view = help.item(vq::ID_RichEdit_TeciFake);
    ASSERT_TRUE(view);
    EXPECT_EQ(view.className(), "RichEdit20A");
    EXPECT_TRUE(help.item(vq::ID_Edit1).visible());
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(view.text(), "couldn't load " + vq.programDir() + "\\vqhelp.txt");
    // The view fills the page of the tab control, below its tab.
    const RECT tabs = help.item(vq::ID_PageControl1).rect(), v = view.rect();
    EXPECT_GT(v.left, tabs.left);
    EXPECT_GT(v.top, tabs.top + 10);
    EXPECT_LT(v.right, tabs.right);
    EXPECT_LT(v.bottom, tabs.bottom);
    EXPECT_GT(v.right - v.left, tabs.right - tabs.left - 20);
    EXPECT_GT(v.bottom - v.top, tabs.bottom - tabs.top - 50);
    // Shown a second time the window keeps its views.
    PostMessageA(help.handle(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(vqtest::waitFor([&] { return !help.visible(); }));
    ASSERT_TRUE(press_help(vq));
    EXPECT_EQ(help.item(vq::ID_RichEdit_TeciFake).handle(), view.handle());
    EXPECT_TRUE(vqtest::waitFor([&] { return view.text().find("couldn't load") == 0; }));
    vq.waitMain().item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

TEST(VqLazyLibraries, WithoutTheRichTextLibraryHelpSaysSoAndTheLauncherGoesOn) {
    if (!under_wine()) GTEST_SKIP() << "needs Wine's library overrides";
    Vq vq({}, without_library("riched20", kIni));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    main.item(vq::ID_BitBtn_Help).click();
    vqtest::Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "couldn't load riched20.dll");
    box.press(IDOK);
    EXPECT_FALSE(vq.findWindow("Thelpf").visible());
    EXPECT_EQ(main.item(vq::ID_Edit).text(), "ls -l /tmp/x");
    vq.waitMain().item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

TEST(VqLazyLibraries, WithoutTheSoundLibraryTheStartIsSilent) {
    if (!under_wine()) GTEST_SKIP() << "needs Wine's library overrides";
    // A real wave file: only the missing library can keep it from playing.
    std::string wav = "RIFF";
    const auto u32 = [&](unsigned v) {
        for (int i = 0; i < 4; ++i) wav += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const auto u16 = [&](unsigned v) {
        wav += static_cast<char>(v & 0xFF);
        wav += static_cast<char>((v >> 8) & 0xFF);
    };
    u32(36 + 800);
    wav += "WAVEfmt ";
    u32(16);
    u16(1);  // PCM, mono, 8000 samples of 8 bits a second
    u16(1);
    u32(8000);
    u32(8000);
    u16(1);
    u16(8);
    wav += "data";
    u32(800);
    wav += std::string(800, '\x80');
    vqtest::Setup setup = without_library("winmm", "[vq]\r\nbeep=50\r\nbeepwav=ding.wav\r\nontoptime=0\r\n");
    setup.programFiles["ding.wav"] = wav;
    setup.workFiles["ding.wav"] = wav;
    Vq vq({}, setup);
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_TRUE(vq.noBoxFor(500));
    EXPECT_EQ(main.item(vq::ID_Edit).text(), "ls -l /tmp/x");
    vq.waitMain().item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

TEST(VqLazyLibraries, WithoutTheFileDialogLibraryTheTemplateWindowSaysSoAndStays) {
    if (!under_wine()) GTEST_SKIP() << "needs Wine's library overrides";
    Vq vq({"-gui:edit %1"}, without_library("comdlg32", kIni));
    Window gui = vq.waitWindow("TformGui");
    ASSERT_TRUE(gui);
    gui.item(vq::ID_BitBtn_File).click();
    vqtest::Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "couldn't load comdlg32.dll");
    box.press(IDOK);
    EXPECT_TRUE(gui.visible());
    EXPECT_EQ(gui.item(vq::ID_Edit_What).text(), "edit %1");
    gui.item(vq::ID_BitBtn_Cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

// The file-template window once it is up, alone: the main window is
// neither shown nor usable until the template window is done.
Window template_window(const Vq& vq) {
    Window gui = vq.waitWindow("TformGui");
    if (gui) {
        Window main = vq.findWindow("TForm1");
        EXPECT_TRUE(main);
        EXPECT_FALSE(main.visible());
        EXPECT_FALSE(main.enabled());
    }
    return gui;
}

TEST(VqTemplate, AChosenFileTakesThePlaceOfEveryPercentOne) {
    Vq vq({"-gui:recorder %1 and %1"}, kIni);
    const std::string file = vq.workDir() + "\\my dir\\pick.txt";
    CreateDirectoryA((vq.workDir() + "\\my dir").c_str(), nullptr);
    testsupport::writeFile(file, "x");
    Window gui = template_window(vq);
    ASSERT_TRUE(gui);
    EXPECT_EQ(gui.text(), "formGui");
    EXPECT_EQ(gui.item(vq::ID_Edit_What).text(), "recorder %1 and %1");
    EXPECT_EQ(gui.item(vq::ID_BitBtn_File).text(), "Get % &file");
    Window main = vq.findWindow("TForm1");
    const RECT before = main.rect();

    // The dialog starts in the current directory; the name is typed.
    gui.item(vq::ID_BitBtn_File).click();
    vqtest::Box open = vq.waitBox("Open");
    ASSERT_TRUE(open);
    open.toFront();
    vqtest::typeText("my dir\\pick.txt");
    vqtest::sendKey(VK_RETURN);
    ASSERT_TRUE(vqtest::waitFor([&] { return !gui.visible(); }));
    EXPECT_FALSE(open.exists() && open.visible());

    // The reduced main window holds the command.
    Window edit = main.item(vq::ID_Edit);
    EXPECT_TRUE(vqtest::waitFor([&] { return main.enabled(); }));
    EXPECT_EQ(edit.text(), "recorder \"" + file + "\" and \"" + file + "\"");
    const RECT after = main.rect();
    EXPECT_EQ(after.bottom - after.top, 150);
    EXPECT_EQ(after.right - after.left, 2 * (before.right - before.left));
    for (int id : {vq::ID_ListBox, vq::ID_RadioGroup_Sort, vq::ID_RadioGroup_Sort_alpha,
                   vq::ID_CheckBox_Reverse, vq::ID_BitBtn_Find, vq::ID_CheckBox_DontSave})
        EXPECT_FALSE(main.item(id).visible()) << id;
    EXPECT_TRUE(main.item(vq::ID_BitBtn_OK).visible());
    EXPECT_TRUE(main.item(vq::ID_CheckBox_DontSave).checked());
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_FALSE(testsupport::fileExists(vq.historyPath()));
}

TEST(VqTemplate, EnterKeepsTheTemplateAndCancelEnds) {
    {
        Vq vq({"-gui:edit %1"}, kIni);
        Window gui = template_window(vq);
        ASSERT_TRUE(gui);
        gui.toFront();
        ASSERT_TRUE(vqtest::waitFor([&] { return focus_of(gui) == gui.item(vq::ID_Edit_What).handle(); }));
        vqtest::sendKey(VK_RETURN);
        ASSERT_TRUE(vqtest::waitFor([&] { return !gui.visible(); }));
        Window main = vq.waitMain();
        EXPECT_EQ(main.item(vq::ID_Edit).text(), "edit %1");
        EXPECT_FALSE(main.item(vq::ID_ListBox).visible());
        main.item(vq::ID_BitBtn_cancel).click();
        EXPECT_EQ(vq.waitExit(), 0);
    }
    {
        Vq vq({"-gui:edit %1"}, kIni);
        Window gui = template_window(vq);
        ASSERT_TRUE(gui);
        gui.item(vq::ID_BitBtn_Cancel).click();
        EXPECT_EQ(vq.waitExit(), 0);
    }
}

}  // namespace
