// Running the Edit box's command and leaving the window, driven for real:
// the command lines handed to the child (a recorder stands in for the
// command interpreter and the programs), the questions on the way, Delete
// and Cancel with the history file's bytes, the debug confirmation, the
// -stuff import, the generated scripts, the side controls, and one run
// through Wine's own command interpreter.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"
#include "options/batch_scripts.h"
#include "testsupport.h"

using vqtest::Box;
using vqtest::Vq;
using vqtest::Window;

namespace {

const char* kHistory =
    "ping localhost -n 3\r\n"
    "type readme.txt\r\n"
    "mkdir build\\out\r\n"
    "cd \\projects\\beta\r\n"
    "dir /w\r\n";

std::string stub() {
    return testsupport::readFile(testsupport::siblingExe("vq_stub.exe"));
}

// The recorder shell.exe is the command interpreter, rec.exe a program and
// job.bat a batch file, all at the head of PATH; every start of the
// recorder adds its raw command line to ran.txt.  A negative pause after
// the start must not hang the launcher.
vqtest::Setup recorder() {
    vqtest::Setup setup;
    setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\napres_exec=-1\r\n";
    setup.history = kHistory;
    setup.binFiles = {{"shell.exe", stub()}, {"rec.exe", stub()}, {"job.bat", "@echo job\r\n"}};
    setup.env["COMSPEC"] = "{root}\\bin\\shell.exe";
    setup.env["VQ_STUB_CMDLINE"] = "{root}\\ran.txt";
    return setup;
}

std::string ran(const Vq& vq) {
    return testsupport::readFileIfAny(vq.root() + "\\ran.txt");
}

// Puts the command into the Edit box and presses Enter there.
void enter(const Window& main, const std::string& command) {
    Window edit = main.item(vq::ID_Edit);
    edit.setText(command);
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
}

}  // namespace

TEST(VqRun, EnterStartsEachShapeOfCommandLine) {
    struct Case {
        const char* command;
        bool repeat_key;
        std::string line;  // {bin}, {prog} and {shell} filled in below
    };
    const Case cases[] = {
        {"rec one  two", false, "{bin}\\rec.exe one  two"},
        {"dir /w", false, "{shell} /C dir  /w"},
        {"rec a > out.txt", false, "{shell} /C {bin}\\rec.exe  a > out.txt"},
        {"job.bat 50%", true, "{shell} /C {prog}\\vqargs.bat call {bin}\\job.bat  50%"},
    };
    for (const Case& c : cases) {
        Vq vq({}, recorder());
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        if (c.repeat_key) main.item(vq::ID_CheckBox_WaitExec).click();
        enter(main, c.command);
        EXPECT_EQ(vq.waitExit(), 0) << c.command;  // the repeat script asks "Again?" itself
        std::string line = c.line;
        for (auto [key, value] : {std::pair<std::string, std::string>{"{shell}", vq.binDir() + "\\shell.exe"},
                                  {"{bin}", vq.binDir()},
                                  {"{prog}", vq.programDir()}})
            for (size_t at; (at = line.find(key)) != std::string::npos;) line.replace(at, key.size(), value);
        EXPECT_TRUE(vqtest::waitFor([&] { return !ran(vq).empty(); })) << c.command;
        EXPECT_EQ(ran(vq), line + "\n");
        EXPECT_EQ(vq.readDataFile("vq.txt"), std::string(kHistory) + c.command + "\r\n");
    }
}

// With the Repeat key and a redirection the repeat script cannot be used:
// the launcher asks "Repeat?" itself, and saves the history once.
TEST(VqRun, RepeatQuestionRunsTheCommandAgain) {
    Vq vq({}, recorder());
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    main.item(vq::ID_CheckBox_WaitExec).click();
    enter(main, "rec \">\" >> log.txt");
    for (int answer : {IDYES, IDNO}) {
        Box box = vq.waitBox("Confirm");
        EXPECT_EQ(box.message(), "Repeat?");
        box.press(answer);
    }
    EXPECT_EQ(vq.waitExit(), 0);
    const std::string line = vq.binDir() + "\\shell.exe /C " + vq.binDir() + "\\rec.exe  \">\" >> log.txt\n";
    EXPECT_TRUE(vqtest::waitFor([&] { return ran(vq).size() == 2 * line.size(); }));
    EXPECT_EQ(ran(vq), line + line);
    EXPECT_EQ(vq.readDataFile("vq.txt"), std::string(kHistory) + "rec \">\" >> log.txt\r\n");
}

TEST(VqRun, UnknownProgramEmptyCommandAndDontSave) {
    Vq vq({}, recorder());
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit);
    enter(main, "frobnicate x");
    Box box = vq.waitBox("Confirm");
    EXPECT_EQ(box.message(), "Couldn't find \"frobnicate\"; go ahead?");
    box.press(IDNO);
    EXPECT_TRUE(vq.noBoxFor(300));
    EXPECT_TRUE(vq.running());
    EXPECT_EQ(edit.text(), "frobnicate x");

    enter(main, " \t ");  // nothing to run: the window stays, nothing is asked
    EXPECT_TRUE(vq.noBoxFor(500));
    EXPECT_TRUE(vq.running());

    // "Don't save" holds for a run that starts its command.
    main.item(vq::ID_CheckBox_DontSave).click();
    enter(main, "frobnicate x");
    vq.waitBox("Confirm").press(IDYES);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_TRUE(vqtest::waitFor([&] { return !ran(vq).empty(); }));
    EXPECT_EQ(ran(vq), vq.binDir() + "\\shell.exe /C frobnicate  x\n");
    EXPECT_EQ(vq.readDataFile("vq.txt"), kHistory);
}

// Cancel after Delete, with and without "Save anyway", answered Yes or No.
TEST(VqClose, DeleteThenCancelSavesOnlyWhenAsked) {
    struct Case {
        std::vector<int> rows;  // selected and deleted
        bool save_junk;
        int answer;
        std::string file;
    };
    const Case cases[] = {
        {{1, 3}, false, IDNO, kHistory},
        {{1, 3}, false, IDYES, "ping localhost -n 3\r\nmkdir build\\out\r\ndir /w\r\n\r\n"},
        {{}, true, IDYES, std::string(kHistory) + "kept junk line\r\n"},
    };
    for (const Case& c : cases) {
        vqtest::Setup setup;
        setup.history = kHistory;
        // A script the user edited stays while the stamp is this build's.
        // The on-top timer still runs when the first question comes.
        setup.ini = "[vq]\r\nversion=1/14/2015 13:27:45\r\nontoptime=40\r\n";
        setup.programFiles["x.bat"] = "user's own";
        Vq vq({}, setup);
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        Window list = main.item(vq::ID_ListBox), junk = main.item(vq::ID_CheckBox_SaveJunk),
               dontsave = main.item(vq::ID_CheckBox_DontSave);
        SendMessageA(list.handle(), LB_SETSEL, FALSE, -1);
        main.item(vq::ID_BitBtn_Delete).click();
        EXPECT_TRUE(vq.noBoxFor(300));  // nothing selected, nothing asked
        for (int row : c.rows) SendMessageA(list.handle(), LB_SETSEL, TRUE, row);
        if (!c.rows.empty()) {
            main.item(vq::ID_BitBtn_Delete).click();
            Box box = vq.waitBox("Confirm");
            EXPECT_EQ(box.message(), "Delete 2 entries");
            Sleep(400);
            EXPECT_EQ(GetForegroundWindow(), box.handle());  // the timer leaves the question in front
            box.press(IDNO);
            EXPECT_EQ(list.count(), 5);
            main.item(vq::ID_BitBtn_Delete).click();
            vq.waitBox("Confirm").press(IDYES);
            EXPECT_EQ(list.items(),
                      (std::vector<std::string>{"dir /w", "mkdir build\\out", "ping localhost -n 3"}));
        }
        if (c.save_junk) {
            // The two save boxes exclude each other.
            dontsave.click();
            junk.click();
            EXPECT_TRUE(vqtest::waitFor([&] { return junk.checked() && !dontsave.checked(); }));
            dontsave.click();
            EXPECT_TRUE(vqtest::waitFor([&] { return dontsave.checked() && !junk.checked(); }));
            junk.click();
            EXPECT_TRUE(vqtest::waitFor([&] { return junk.checked() && !dontsave.checked(); }));
            main.item(vq::ID_Edit).setText("kept junk line");
        }
        main.item(vq::ID_BitBtn_cancel).click();
        Box box = vq.waitBox("Confirm");
        EXPECT_EQ(box.message(), "Save list anyway?");
        box.press(c.answer);
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_EQ(vq.readDataFile("vq.txt"), c.file);
        EXPECT_EQ(vq.readProgramFile("x.bat"), "user's own");
        EXPECT_EQ(vq.readProgramFile("vqargs.bat"), vq::repeat_loop_script("batch.exe"));  // it was missing
    }
}

// Debug mode: the command line is shown and put on the clipboard before
// anything starts; the check box switches the mode both ways.
TEST(VqRun, DebugConfirmationGoesThroughTheClipboard) {
    for (bool bug : {false, true}) {
        Vq vq(bug ? std::vector<std::string>{"-bug"} : std::vector<std::string>{}, recorder());
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        Window debug = main.item(vq::ID_Checkbox_Debug);
        EXPECT_EQ(debug.checked(), bug);
        debug.click();  // debug mode from now on, or no longer
        enter(main, "rec a&b");
        const std::string shell = vq.binDir() + "\\shell.exe", rec = vq.binDir() + "\\rec.exe";
        const std::string line = shell + " /C " + rec + "  a&b";
        if (bug) {
            EXPECT_EQ(vq.waitExit(), 0);
            EXPECT_TRUE(vqtest::waitFor([&] { return ran(vq) == line + "\n"; })) << ran(vq);
            continue;
        }
        Box box = vq.waitBox("Confirm");
        EXPECT_EQ(box.message(),
                  "MSWINDOWS_exec(" + shell + "," + shell + " /C " + rec + "  a&&b)\r\nOK? (clipped)");
        std::string clip;
        if (OpenClipboard(nullptr)) {
            if (HANDLE h = GetClipboardData(CF_TEXT)) {
                clip = static_cast<const char*>(GlobalLock(h));
                GlobalUnlock(h);
            }
            CloseClipboard();
        }
        EXPECT_EQ(clip, "MSWINDOWS_exec(" + shell + "," + line + ")");
        box.press(IDNO);  // nothing starts; the history is still saved
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_EQ(vq.readDataFile("vq.txt"), std::string(kHistory) + "rec a&b\r\n");
        Sleep(300);
        EXPECT_EQ(ran(vq), "");
    }
}

// -stuff appends the captured lines and ends; the captured file goes,
// except with -bug; a file that cannot be read ends in the usage box.
// The first start also writes both scripts beside the program.
TEST(VqStuff, ImportsAndEnds) {
    for (bool bug : {false, true}) {
        vqtest::Setup setup;
        setup.history = "old line\r\n";
        setup.workFiles["cap.txt"] = "make all\r\n;comment\r\n\r\n dir /w\r\n";
        std::vector<std::string> args = {"-stuff", "cap.txt"};
        if (bug) args.insert(args.begin(), "-bug");
        Vq vq(args, setup);
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_EQ(vq.readDataFile("vq.txt"), "old line\r\nmake all\r\n dir /w\r\n");
        EXPECT_EQ(testsupport::fileExists(vq.workDir() + "\\cap.txt"), bug);
        EXPECT_EQ(vq.readProgramFile("x.bat"), vq::history_capture_script(vq.historyPath()));
        EXPECT_EQ(vq.readProgramFile("vqargs.bat"), vq::repeat_loop_script("batch.exe"));
    }
    Vq vq({"-stuff", "nosuch.txt"}, std::nullopt, std::string("old line\r\n"));
    Box box = vq.waitBox("Error");
    const std::string text = box.message();
    EXPECT_EQ(text.substr(0, text.find('\r')), "Couldn't open \"nosuch.txt\" for read (-stuff nosuch.txt)");
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"), "old line\r\n");
}

TEST(VqWindow, RestoreExecWideAndHelp) {
    Vq vq({"-exec", "make", "all"}, std::nullopt, std::string(kHistory));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), restore = main.item(vq::ID_BitBtn_restoreexec);
    EXPECT_TRUE(restore.visible());
    edit.setText("something else");
    restore.click();
    EXPECT_TRUE(vqtest::waitFor([&] { return edit.text() == " make all "; })) << edit.text();
    EXPECT_EQ(edit.selection(), std::make_pair(0, 0));

    // Widened to 75% of the screen and kept on it; then back.
    HWND h = main.handle();
    const RECT before = main.rect();
    const int width = before.right - before.left, height = before.bottom - before.top;
    SetWindowPos(h, nullptr, 500, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Window wide = main.item(vq::ID_button_wide);
    wide.click();
    const int screen = GetSystemMetrics(SM_CXSCREEN), widened = screen * 75 / 100;
    EXPECT_TRUE(vqtest::waitFor([&] { return main.rect().right - main.rect().left == widened; }));
    EXPECT_EQ(main.rect().left, screen - widened);
    EXPECT_EQ(wide.text(), "unw&ide");
    wide.click();
    EXPECT_TRUE(vqtest::waitFor([&] { return main.rect().right - main.rect().left == width; }));
    EXPECT_EQ(main.rect().bottom - main.rect().top, height);
    EXPECT_EQ(wide.text(), "w&ide");

    Window help = vq.findWindow("Thelpf");
    ASSERT_TRUE(help);
    EXPECT_FALSE(help.visible());
    main.item(vq::ID_BitBtn_Help).click();
    EXPECT_TRUE(vqtest::waitFor([&] { return help.visible(); }));
}

// The launcher as its user meets it: pick a command from the list, edit it,
// and run it through Wine's command interpreter.
TEST(VqEndToEnd, PickEditAndRunThroughTheCommandInterpreter) {
    vqtest::Setup setup;
    setup.history = "copy source.txt first.txt\r\nnotepad readme.txt\r\n";
    setup.workFiles["source.txt"] = "payload";
    Vq vq({}, setup);
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    list.clickItem(1);
    ASSERT_TRUE(vqtest::waitFor([&] { return edit.text() == "copy source.txt first.txt"; })) << edit.text();
    vq.key(VK_END);
    for (int i = 0; i < 9; ++i) vq.key(VK_BACK);
    vq.type("second.txt");
    ASSERT_TRUE(vqtest::waitFor([&] { return edit.text() == "copy source.txt second.txt"; })) << edit.text();
    vq.key(VK_RETURN);
    EXPECT_EQ(vq.waitExit(), 0);
    const std::string copied = vq.workDir() + "\\second.txt";
    EXPECT_TRUE(vqtest::waitFor([&] { return testsupport::readFileIfAny(copied) == "payload"; }));
    EXPECT_EQ(vq.readDataFile("vq.txt"),
              "copy source.txt first.txt\r\nnotepad readme.txt\r\ncopy source.txt second.txt\r\n");
}
