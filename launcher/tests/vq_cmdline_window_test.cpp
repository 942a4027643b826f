// The real vq.exe with command-line errors: the usage box, the end of the
// program, and the version stamp written into the options file at close;
// where the history file is looked for, and start-up running only once.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"

using vqtest::Box;
using vqtest::Vq;

namespace {

const std::string kUsageLines =
    "vq: the new age of quelto           1/14/2015 13:27:45\r\n"
    "-exec [args]   show form and let user edit, get previous, etc.\r\n"
    "If not exec, does exec with most-recent history.\r\n"
    "-bug  weird stuff like don't delete \"stuff\" file, etc.\r\n"
    "-dx -dhx   delete \"x\" and \"hx\" in history, etc.\r\n"
    "-length 5   discard items 5 or less.\r\n"
    "-stuff afile   read (and then delete) afile, stuff into history, exit program.";

const std::string kStampOnly = "[vq]\r\nversion=1/14/2015 13:27:45\r\n";

// Starts vq with the arguments, expects the usage box with `firstLine`,
// presses OK and expects the program to end without its main window
// ever staying open.
void expectUsageError(const std::vector<std::string>& args, const std::string& firstLine) {
    Vq vq(args);
    Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), firstLine + "\r\n" + kUsageLines);
    EXPECT_TRUE(box.hasButton(IDOK));
    EXPECT_FALSE(box.hasButton(IDCANCEL));
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    // Every close writes the stamp, these included; nothing else is created.
    EXPECT_EQ(vq.readProgramFile("vq.ini"), kStampOnly);
    EXPECT_EQ(vq.readDataFile("vq.txt"), "");
}

TEST(VqCommandLine, StuffWithoutFileName) {
    expectUsageError({"-stuff"}, "no file name for stuff (-stuff)");
}

TEST(VqCommandLine, StuffWithExtraArguments) {
    expectUsageError({"-stuff", "a", "b"}, "extra args after \"-stuff a\" (-stuff a b)");
}

TEST(VqCommandLine, OptionsAreCaseSensitive) {
    expectUsageError({"-EXEC", "make"}, "bad option: -EXEC (-EXEC make)");
}

TEST(VqCommandLine, SlashIsNotAnOptionSign) {
    expectUsageError({"-bug", "/exec"}, "bad option: /exec (-bug /exec)");
}

TEST(VqCommandLine, PercentSignsInABadOptionAreShownAsTyped) {
    expectUsageError({"100%s"}, "bad option: 100%s (100%s)");
}

TEST(VqOptionsFile, NoOptionsFileGetsOnlyTheStampAtClose) {
    Vq vq;
    ASSERT_TRUE(vq.waitMain());
    EXPECT_EQ(vq.readProgramFile("vq.ini"), "");
    vq.key(VK_ESCAPE);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readProgramFile("vq.ini"), kStampOnly);
}

TEST(VqOptionsFile, StampReplacesAnOldOneAndKeepsTheRest) {
    vqtest::Setup setup;
    setup.ini = "[vq]\r\nversion=old\r\nmax=7\r\n[deletes]\r\ncls=\r\n";
    Vq vq({"-bad"}, setup);
    vq.waitBox("Error").press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readProgramFile("vq.ini"),
              "[vq]\r\nversion=1/14/2015 13:27:45\r\nmax=7\r\n[deletes]\r\ncls=\r\n");
}

TEST(VqOptionsFile, UnwritableOptionsFileIsReportedAfterThreeTries) {
    vqtest::Setup setup;
    setup.programDirs = {"vq.ini"};  // a directory where the file should be
    Vq vq({"-bad"}, setup);
    vq.waitBox("Error").press(IDOK);
    Box box = vq.waitBox("Error", 10000);
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "Couldn't write " + vq.iniPath() + ", sorry");
    // Each failed try was counted in the status label; the last one stays.
    vqtest::Window main = vq.findWindow("TForm1");
    ASSERT_TRUE(main);
    EXPECT_EQ(main.item(vq::ID_Label_stat).text(), "putoptions failures: 3");
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
}

// Without a usable APPDATA the history lives beside the program (this
// prefix has no "c:\\Documents and Settings").
TEST(VqDataDirectory, FallsBackToTheProgramDirectory) {
    const DWORD docs = GetFileAttributesA("c:\\Documents and Settings");
    if (docs != INVALID_FILE_ATTRIBUTES && (docs & FILE_ATTRIBUTE_DIRECTORY))
        GTEST_SKIP() << "c:\\Documents and Settings exists here";
    for (std::optional<std::string> appdata :
         {std::optional<std::string>(), std::optional<std::string>("c:\\no\\such\\dir")}) {
        vqtest::Setup setup;
        setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\n";
        setup.env["APPDATA"] = appdata;
        setup.programFiles["vq.txt"] = "first command\r\nsecond command\r\n";
        Vq vq({}, setup);
        vqtest::Window main = vq.waitMain();
        ASSERT_TRUE(main);
        const std::string expected = vq.programDir() + "\\vq.txt";
        EXPECT_TRUE(vqtest::waitFor([&] {
            const std::string caption = main.text();
            return caption.size() > expected.size() &&
                   caption.compare(caption.size() - expected.size(), expected.size(), expected) == 0;
        })) << main.text();
        EXPECT_TRUE(vqtest::waitFor([&] { return main.item(vq::ID_Edit).text() == "second command"; }));
        vq.key(VK_ESCAPE);
        EXPECT_EQ(vq.waitExit(), 0);
    }
}

// Hiding the main window and showing it again does not run start-up a
// second time: the Edit box keeps what the user put there.
TEST(VqStartup, ShowingTheWindowAgainDoesNotRepeatStartup) {
    Vq vq({}, std::nullopt, std::string("first command\r\nsecond command\r\n"));
    vqtest::Window main = vq.waitMain();
    ASSERT_TRUE(main);
    vqtest::Window edit = main.item(vq::ID_Edit), list = main.item(vq::ID_ListBox);
    ASSERT_TRUE(vqtest::waitFor([&] { return edit.text() == "second command"; })) << edit.text();
    edit.setText("typed by the user");
    ShowWindowAsync(main.handle(), SW_HIDE);
    ASSERT_TRUE(vqtest::waitFor([&] { return !main.visible(); }));
    ShowWindowAsync(main.handle(), SW_SHOW);
    ASSERT_TRUE(vqtest::waitFor([&] { return main.visible(); }));
    Sleep(500);
    EXPECT_EQ(edit.text(), "typed by the user");
    EXPECT_EQ(list.items(), (std::vector<std::string>{"second command", "first command"}));
    EXPECT_TRUE(vq.noBoxFor(200));
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
}

}  // namespace
