// The help window and the file-template window of the real program.
#include <gtest/gtest.h>

#include <algorithm>

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

// Until the Help button opens it, the window is shown from outside.
Window show_help(const Vq& vq) {
    Window help = vq.findWindow("Thelpf");
    if (!help) return help;
    ShowWindow(help.handle(), SW_SHOW);
    EXPECT_TRUE(vqtest::waitFor([&] { return help.visible(); }));
    return help;
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
    help.toFront();
    ASSERT_TRUE(vqtest::waitFor([&] { return focus_of(help) == edit1.handle(); }));
    vqtest::sendKey(VK_RETURN);  // Enter in the search box
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(first, first + 5); }));
    EXPECT_EQ(focus_of(help), view.handle());
    search.click();
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(second, second + 5); }));
    vqtest::sendKey(VK_F3);  // again, from the view
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(third, third + 5); }));
    search.click();  // nothing further: the selection stays
    Sleep(300);
    EXPECT_EQ(selection_of(view), Sel(third, third + 5));
    search.click();  // and the next search starts at the top
    EXPECT_TRUE(vqtest::waitFor([&] { return selection_of(view) == Sel(first, first + 5); }));
    vq.key(VK_ESCAPE);
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
