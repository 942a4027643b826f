// The launcher's main window driven for real: start-up with and without
// -exec, the Edit box's caret keys, the list's keys, Find, Back, and the
// history file written after a pick.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;
using Items = std::vector<std::string>;

namespace {

const char* kHistory =
    "ping localhost\r\n"
    "notepad readme.txt\r\n"
    "mkdir build\\x\r\n"
    "cd \\projects\\alpha\r\n"
    "dir /w\r\n";

// The history with its programs as stand-ins at the head of PATH: running
// one of them starts nothing of the system's.
vqtest::Setup withStandIns() {
    vqtest::Setup setup;
    setup.history = kHistory;
    const std::string stub = testsupport::readFile(testsupport::siblingExe("vq_stub.exe"));
    setup.binFiles = {{"mkdir.exe", stub}, {"notepad.exe", stub}};
    return setup;
}

}  // namespace

TEST(VqWindow, StartsWithTheMostRecentCommandSelected) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    EXPECT_EQ(list.items(), (Items{"dir /w", "cd \\projects\\alpha", "mkdir build\\x", "notepad readme.txt",
                                   "ping localhost"}));
    EXPECT_EQ(main.text(), "(1/14/2015:bfb) " + vq.historyPath());
    EXPECT_EQ(main.item(vq::ID_Label_stat).text(), "5 entries");
    EXPECT_TRUE(main.item(vq::ID_CheckBox_DontSave).visible());
    EXPECT_EQ(edit.text(), "dir /w");
    EXPECT_EQ(edit.selection(), std::make_pair(0, 6));
    EXPECT_EQ(list.current(), 0);
    EXPECT_TRUE(list.isSelected(0));
    EXPECT_EQ(SendMessageA(list.handle(), LB_GETITEMHEIGHT, 0, 0), 14);
    RECT cr = main.clientRect();
    EXPECT_EQ(cr.right, vq::kFormClientWidth);
    EXPECT_EQ(cr.bottom, vq::kFormClientHeight);

    vq.type("e");
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == "e"; })) << edit.text();
    vq.key(VK_ESCAPE);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), kHistory);  // Cancel saves nothing
}

TEST(VqWindow, WithoutHistoryTheCaptionSaysEmpty) {
    Vq vq({}, std::nullopt, std::nullopt);
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_EQ(main.text(), "(aa0) " + vq.historyPath() + " (empty)");
    EXPECT_EQ(main.item(vq::ID_Label_stat).text(), "0 entries");
    EXPECT_EQ(main.item(vq::ID_Edit).text(), "");
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), "");
}

TEST(VqWindow, ExecTextGetsABlankOnEachSideAndTheCaretAtZero) {
    {
        Vq vq({"-exec"}, std::nullopt, std::string(kHistory));
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        Window edit = main.item(vq::ID_Edit);
        EXPECT_EQ(edit.text(), "  ");
        EXPECT_EQ(edit.selection(), std::make_pair(0, 0));
        EXPECT_TRUE(main.item(vq::ID_ListBox).isSelected(0));
    }
    {
        Vq vq({"-exec", "-bug", "make", "all"}, std::nullopt, std::string(kHistory));
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        EXPECT_EQ(main.item(vq::ID_Edit).text(), " -bug make all ");
    }
}

TEST(VqWindow, CtrlQDSMoveTheCaret) {
    vqtest::Setup setup;
    setup.history = kHistory;
    setup.rawArgs = "-exec abcdef";
    Vq vq({}, setup);
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit);
    ASSERT_EQ(edit.text(), " abcdef ");
    using P = std::pair<int, int>;
    // Each key moves the caret once the launcher has taken it from its
    // queue: the caret is awaited, never read at a fixed moment.
    auto caret = [&](P want) {
        vqtest::waitFor([&] { return edit.selection() == want; });
        return edit.selection();
    };
    vq.key('D', vqtest::ctrl);
    EXPECT_EQ(caret(P(1, 1)), P(1, 1));
    vq.key('Q', vqtest::ctrl);
    vq.key('D', vqtest::ctrl);
    EXPECT_EQ(caret(P(8, 8)), P(8, 8));
    vq.key('D', vqtest::ctrl);  // at the end it stays there
    EXPECT_EQ(caret(P(8, 8)), P(8, 8));
    vq.key('S', vqtest::ctrl);
    EXPECT_EQ(caret(P(7, 7)), P(7, 7));
    vq.key('Q', vqtest::ctrl);
    vq.key('S', vqtest::ctrl);
    EXPECT_EQ(caret(P(0, 0)), P(0, 0));
    vq.key('S', vqtest::ctrl);
    EXPECT_EQ(caret(P(0, 0)), P(0, 0));
    vq.key('Q', vqtest::ctrl);
    vq.key('Q', vqtest::ctrl);
    vq.key('D', vqtest::ctrl);
    EXPECT_EQ(caret(P(1, 1)), P(1, 1));
    EXPECT_EQ(edit.text(), " abcdef ");  // no control characters got in
    vq.key('A', vqtest::ctrl);
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.selection() == P(0, 8); }));
    EXPECT_EQ(edit.text(), " abcdef ");
}

TEST(VqWindow, ListKeysPickACommandAndTheSaveWritesItLast) {
    Vq vq({}, withStandIns());
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    vq.key(VK_DOWN);  // to the list, Edit unchanged
    vq.key(VK_DOWN);
    vq.key(VK_DOWN);
    EXPECT_TRUE(vqtest::waitFor([&] { return list.current() == 2; })) << list.current();
    EXPECT_EQ(edit.text(), "dir /w");
    vq.key(VK_RETURN);  // copies the current item, focus back to the Edit box
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == "mkdir build\\x"; })) << edit.text();
    EXPECT_EQ(edit.selection(), std::make_pair(0, 13));
    EXPECT_TRUE(vq.running());
    vq.key(VK_RETURN);  // runs it
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"),
              "ping localhost\r\n"
              "notepad readme.txt\r\n"
              "mkdir build\\x\r\n"
              "cd \\projects\\alpha\r\n"
              "dir /w\r\n"
              "mkdir build\\x\r\n");
}

TEST(VqWindow, FindAsksAboutEachMatchInTurn) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    vq.type("ir");
    ASSERT_TRUE(vqtest::waitFor([&] { return edit.text() == "ir"; })) << edit.text();
    main.item(vq::ID_BitBtn_Find).click();
    vqtest::Box box = vq.waitBox("Confirm");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "is \"dir /w\" it?");
    box.press(IDNO);
    box = vq.waitBox("Confirm");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "is \"mkdir build\\x\" it?");
    EXPECT_EQ(list.current(), 2);
    box.press(IDNO);
    EXPECT_TRUE(vq.noBoxFor(500));  // no other item holds "ir"
    EXPECT_EQ(edit.text(), "ir");

    // Yes ends the search at once.
    main.item(vq::ID_BitBtn_Find).click();
    box = vq.waitBox("Confirm");
    ASSERT_TRUE(box);
    box.press(IDYES);
    EXPECT_TRUE(vq.noBoxFor(500));
    EXPECT_EQ(list.current(), 0);

    // Case matters.
    edit.setText("DIR");
    main.item(vq::ID_BitBtn_Find).click();
    EXPECT_TRUE(vq.noBoxFor(500));
}

TEST(VqWindow, BackStepsThroughTheListAndShiftBackReturns) {
    Vq vq({}, std::nullopt, std::string("long command one\r\nlong command two\r\nlong command three\r\n"));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    auto back = [&](unsigned mods, const std::string& want) {
        vq.key('B', vqtest::alt | mods);
        EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == want; }))
            << "want " << want << ", have " << edit.text();
    };
    back(0, "long command two");
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});
    back(0, "long command one");
    back(0, "long command one");              // past the end: the last item again
    back(vqtest::shift, "long command one");  // undoes the surplus press
    back(vqtest::shift, "long command two");
    back(vqtest::shift, "long command three");
    back(vqtest::shift, "long command three");  // stays at 0
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{0});
}

TEST(VqWindow, ReadOnlyHistorySurvivesTheSave) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    ASSERT_TRUE(SetFileAttributesA(vq.historyPath().c_str(), FILE_ATTRIBUTE_READONLY));
    vq.key(VK_RETURN);
    // The label says so between the attempts, and a box after them, before
    // the command starts.
    const std::string failed = "save of \"" + vq.historyPath() + "\" failed; waiting, trying again";
    EXPECT_TRUE(vqtest::waitFor([&] { return main.item(vq::ID_Label_stat).text() == failed; }));
    vqtest::Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message().rfind("Couldn't save the history in \"" + vq.historyPath() + "\": ", 0), 0u);
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    SetFileAttributesA(vq.historyPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(vq.readDataFile("vq.txt"), kHistory);
}

TEST(VqWindow, ClickCopiesAndDoubleClickRuns) {
    Vq vq({}, withStandIns());
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    list.clickItem(3);
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == "notepad readme.txt"; })) << edit.text();
    list.clickItem(3, true);
    EXPECT_EQ(vq.waitExit(), 0);
    const std::string saved = vq.readDataFile("vq.txt");
    EXPECT_EQ(saved.substr(saved.size() - 20), "notepad readme.txt\r\n");
}

TEST(VqWindow, BadOptionShowsTheUsageAndEndsWithoutTouchingTheHistory) {
    Vq vq({"-EXEC"}, std::nullopt, std::string(kHistory));
    vqtest::Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    const std::string text = box.message();
    EXPECT_EQ(text.substr(0, text.find('\r')), "bad option: -EXEC (-EXEC)");
    // The windows exist; the help and file-template windows stay hidden.
    Window help = vq.findWindow("Thelpf"), gui = vq.findWindow("TformGui");
    EXPECT_TRUE(help);
    EXPECT_TRUE(gui);
    EXPECT_FALSE(help.visible());
    EXPECT_FALSE(gui.visible());
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), kHistory);
}

// Run requests that arrive before or while a long history loads (OK, or
// Enter already queued) must not save a history made of the Edit text
// alone: they take effect once the list is complete.  The launcher is
// started directly here, without waiting for it to become idle, so that
// the requests really arrive early.
namespace {

struct EarlyVq {
    testsupport::TempDir dir;
    PROCESS_INFORMATION pi{};
    std::string history;

    HANDLE lock = INVALID_HANDLE_VALUE;

    // With `locked`, the history file is held open without sharing, so the
    // launcher finds it but cannot read it.
    explicit EarlyVq(int lines, int max, bool locked = false) {
        const std::string exe = dir.file("vq.exe");
        CopyFileA(testsupport::siblingExe("vq.exe").c_str(), exe.c_str(), FALSE);
        // The commands that runs start ("distinct ...", "typed ...") are
        // stand-ins in the current directory.
        for (const char* name : {"distinct.exe", "typed.exe"})
            CopyFileA(testsupport::siblingExe("vq_stub.exe").c_str(), dir.file(name).c_str(), FALSE);
        std::string h;
        for (int i = 0; i < lines; ++i) h += "distinct command line " + std::to_string(i) + "\r\n";
        history = dir.write("hist.txt", h);
        dir.write("vq.ini", "[vq]\r\nbeep=0\r\nontoptime=0\r\nmax=" + std::to_string(max) +
                                "\r\nhistory=" + history + "\r\n");
        if (locked) lock = CreateFileA(history.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        std::string cmd = "\"" + exe + "\"";
        STARTUPINFOA si{};
        si.cb = sizeof si;
        EXPECT_TRUE(CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   dir.path().c_str(), &si, &pi));
    }
    ~EarlyVq() {
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        if (pi.hProcess) {
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
            CloseHandle(pi.hProcess);
            CloseHandle(pi.hThread);
        }
    }
    struct Search {
        DWORD pid;
        HWND h;
    };
    static BOOL CALLBACK find_form(HWND h, LPARAM p) {
        auto* s = reinterpret_cast<Search*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        char cls[16] = "";
        GetClassNameA(h, cls, sizeof cls);
        if (owner != s->pid || std::string(cls) != "TForm1") return TRUE;
        s->h = h;
        return FALSE;
    }
    HWND main() const {
        Search s{pi.dwProcessId, nullptr};
        vqtest::waitFor(
            [&] {
                EnumWindows(find_form, reinterpret_cast<LPARAM>(&s));
                return s.h != nullptr;
            },
            vqtest::kPatienceMs, 1);
        return s.h;
    }
    bool ended() const { return WaitForSingleObject(pi.hProcess, vqtest::kPatienceMs) == WAIT_OBJECT_0; }
};

int count_lines(const std::string& s) {
    int n = 0;
    for (size_t p = 0; (p = s.find("\r\n", p)) != std::string::npos; p += 2) ++n;
    return n;
}

}  // namespace

TEST(VqWindow, OkBeforeTheListIsLoadedRunsTheMostRecentAfterIt) {
    EarlyVq vq(120000, 60000);
    HWND main = vq.main();
    ASSERT_TRUE(main);
    HWND ok = nullptr;
    ASSERT_TRUE(
        vqtest::waitFor([&] { return (ok = GetDlgItem(main, vq::ID_BitBtn_OK)) != nullptr; }, vqtest::kPatienceMs, 1));
    PostMessageA(ok, BM_CLICK, 0, 0);
    ASSERT_TRUE(vq.ended());
    const std::string saved = testsupport::readFile(vq.history);
    EXPECT_EQ(count_lines(saved), 60001);
    const std::string last = "distinct command line 119999\r\n";
    ASSERT_GE(saved.size(), last.size());
    EXPECT_EQ(saved.substr(saved.size() - last.size()), last);
}

TEST(VqWindow, EnterQueuedDuringTheLoadWaitsForTheList) {
    EarlyVq vq(120000, 60000);
    HWND main = vq.main();
    ASSERT_TRUE(main);
    // Wait until start-up is under way (the caption changes at the load).
    ASSERT_TRUE(vqtest::waitFor(
        [&] {
            char t[8] = "";
            GetWindowTextA(main, t, sizeof t);
            return std::string(t) == "(1/14/2";
        },
        vqtest::kPatienceMs, 1));
    HWND edit = GetDlgItem(main, vq::ID_Edit);
    ASSERT_TRUE(edit);
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(vq.ended());
    const std::string saved = testsupport::readFile(vq.history);
    EXPECT_EQ(count_lines(saved), 60001);
    EXPECT_EQ(saved.substr(0, 29), "distinct command line 60000\r\n");
}

TEST(VqWindow, CancelDuringTheLoadEndsWithoutSaving) {
    EarlyVq vq(120000, 60000);
    HWND main = vq.main();
    ASSERT_TRUE(main);
    HWND cancel = nullptr;
    ASSERT_TRUE(vqtest::waitFor([&] { return (cancel = GetDlgItem(main, vq::ID_BitBtn_cancel)) != nullptr; },
                                vqtest::kPatienceMs, 1));
    const std::string before = testsupport::readFile(vq.history);
    PostMessageA(cancel, BM_CLICK, 0, 0);
    ASSERT_TRUE(vq.ended());
    EXPECT_EQ(testsupport::readFile(vq.history), before);
}

TEST(VqWindow, GuiWithNothingAfterTheColonIsTheNormalMode) {
    Vq vq({"-gui:"}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_EQ(main.item(vq::ID_Edit).text(), "dir /w");
    EXPECT_FALSE(main.item(vq::ID_CheckBox_DontSave).checked());
}

TEST(VqWindow, UnreadableHistoryIsReportedAndNeverOverwritten) {
    EarlyVq vq(50, 400, true);
    ASSERT_NE(vq.lock, INVALID_HANDLE_VALUE);
    HWND main = vq.main();
    ASSERT_TRUE(main);
    HWND box = nullptr;
    ASSERT_TRUE(vqtest::waitFor([&] {
        box = FindWindowA("#32770", "Error");
        return box != nullptr;
    }));
    char text[600] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text), "Cannot open file \"" + vq.history + "\"");
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    CloseHandle(vq.lock);
    vq.lock = INVALID_HANDLE_VALUE;
    const std::string before = testsupport::readFile(vq.history);
    // A run now would write the empty list and the Edit text over the file.
    HWND edit = GetDlgItem(main, vq::ID_Edit);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed command"));
    PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
    // The user is told that the command is not in the history.
    const std::string told = "Couldn't save the history in \"" + vq.history +
                             "\": it could not be read when the launcher started.\r\nThe command is run, but "
                             "it is not in the history:\r\ntyped command";
    ASSERT_TRUE(vqtest::waitFor([&] {
        box = FindWindowA("#32770", "Error");
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        return box && told == text;
    })) << text;
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(vq.ended());
    EXPECT_EQ(testsupport::readFile(vq.history), before);
}

TEST(VqWindow, TabWalksTheControlsInTabOrder) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    auto focus = [&] {
        GUITHREADINFO gi{};
        gi.cbSize = sizeof gi;
        GetGUIThreadInfo(GetWindowThreadProcessId(main.handle(), nullptr), &gi);
        return gi.hwndFocus ? GetDlgCtrlID(gi.hwndFocus) : 0;
    };
    EXPECT_TRUE(vqtest::waitFor([&] { return focus() == vq::ID_Edit; }));
    // The restore-exec button is hidden without -exec, the Favorites button
    // without favorites; the radio group is one stop, at its checked item.
    const int order[] = {vq::ID_ListBox,
                         vq::ID_RadioGroup_Sort_time,
                         vq::ID_CheckBox_Reverse,
                         vq::ID_BitBtn_cancel,
                         vq::ID_BitBtn_OK,
                         vq::ID_CheckBox_DontSave,
                         vq::ID_BitBtn_Delete,
                         vq::ID_CheckBox_WaitExec,
                         vq::ID_BitBtn_Help,
                         vq::ID_BitBtn_Find,
                         vq::ID_Checkbox_Debug,
                         vq::ID_CheckBox_SaveJunk,
                         vq::ID_BitBtn_Back,
                         vq::ID_button_wide,
                         vq::ID_Edit};
    for (int id : order) {
        vq.key(VK_TAB);
        EXPECT_TRUE(vqtest::waitFor([&] { return focus() == id; })) << id << " " << focus();
    }
    vq.key(VK_TAB, vqtest::shift);
    EXPECT_TRUE(vqtest::waitFor([&] { return focus() == vq::ID_button_wide; }));
}

TEST(VqWindow, TypingReachesTheEditBoxAgainAfterFindsQuestions) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit);
    vq.type("ir");
    ASSERT_TRUE(vqtest::waitFor([&] { return edit.text() == "ir"; })) << edit.text();
    vq.key('F', vqtest::alt);  // Find by its shortcut: the focus stays in the Edit box
    for (int i = 0; i < 2; ++i) {
        vqtest::Box box = vq.waitBox("Confirm");
        ASSERT_TRUE(box);
        box.press(IDNO);
    }
    EXPECT_TRUE(vq.noBoxFor(300));
    vq.type("x");
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == "irx"; })) << edit.text();
}

TEST(VqWindow, AltEnterRunsAndEnterOnACheckBoxLeavesIt) {
    Vq vq({}, withStandIns());
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window dontsave = main.item(vq::ID_CheckBox_DontSave);
    for (int i = 0; i < 6; ++i) vq.key(VK_TAB);  // list, time, Reverse, Cancel, OK, the check box
    ASSERT_TRUE(vqtest::waitFor([&] {
        GUITHREADINFO gi{};
        gi.cbSize = sizeof gi;
        GetGUIThreadInfo(GetWindowThreadProcessId(main.handle(), nullptr), &gi);
        return gi.hwndFocus == dontsave.handle();
    }));
    vq.key(VK_RETURN);
    EXPECT_TRUE(vq.noBoxFor(300));
    EXPECT_FALSE(dontsave.checked());
    EXPECT_TRUE(vq.running());

    for (int i = 0; i < 9; ++i) vq.key(VK_TAB);  // round to the Edit box
    vq.type("mkdir long enough");
    vq.key(VK_RETURN, vqtest::alt);
    EXPECT_EQ(vq.waitExit(), 0);
    const std::string saved = vq.readDataFile("vq.txt");
    EXPECT_EQ(saved, std::string(kHistory) + "mkdir long enough\r\n");
}

TEST(VqWindow, AWindowSmallerThanItsControlsScrolls) {
    Vq vq({}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    HWND h = main.handle();
    auto top_of = [&](int id) {
        RECT r = main.item(id).rect();
        MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&r), 2);
        return r.top;
    };
    auto has_bar = [&] { return (GetWindowLongA(h, GWL_STYLE) & WS_VSCROLL) != 0; };
    EXPECT_FALSE(has_bar());
    EXPECT_EQ(top_of(vq::ID_BitBtn_Find), 132);
    const RECT outer = main.rect(), inner = main.clientRect();
    const int frame_h = (outer.bottom - outer.top) - inner.bottom;
    // 150 pixels high: the check boxes below Find (down to 255) are cut off.
    SetWindowPos(h, nullptr, 0, 0, outer.right - outer.left, frame_h + 150,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(vqtest::waitFor(has_bar));
    EXPECT_EQ(main.clientRect().bottom, 150);
    EXPECT_EQ(top_of(vq::ID_BitBtn_Find), 132);
    SendMessageA(h, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(top_of(vq::ID_BitBtn_Find), 132 - (255 - 150));
    EXPECT_EQ(top_of(vq::ID_CheckBox_DontSave), 202 - (255 - 150));
    SendMessageA(h, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(top_of(vq::ID_BitBtn_Find), 132);
    // Large enough again: no bar, everything where it was designed.
    SetWindowPos(h, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(vqtest::waitFor([&] { return !has_bar(); }));
    EXPECT_EQ(top_of(vq::ID_BitBtn_Find), 132);
    EXPECT_EQ(top_of(vq::ID_BitBtn_OK), 302);
}
