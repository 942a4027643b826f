// The real vq.exe with a command-line error: the usage box and the end of
// the program; the version stamp written into the options file at close;
// where the history file is looked for, and start-up running only once.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"

using vqtest::Box;
using vqtest::Vq;

namespace {

const std::string kStampOnly = "[vq]\r\nversion=1/14/2015 13:27:45\r\n";

// The messages of each command-line error and the usage text itself are
// checked without windows (options_test); here the real program shows them
// in an error box with one OK button and then ends.
TEST(VqCommandLine, AnErrorShowsTheUsageBoxAndEnds) {
    Vq vq({"-stuff", "a", "b"});
    Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    const std::string head =
        "extra args after \"-stuff a\" (-stuff a b)\r\n"
        "vq: the new age of quelto           1/14/2015 13:27:45\r\n";
    EXPECT_EQ(box.message().substr(0, head.size()), head);
    EXPECT_TRUE(box.hasButton(IDOK));
    EXPECT_FALSE(box.hasButton(IDCANCEL));
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    // Every close writes the stamp, this one included; nothing else is
    // created.
    EXPECT_EQ(vq.readProgramFile("vq.ini"), kStampOnly);
    EXPECT_EQ(vq.readDataFile("vq.txt"), "");
}

TEST(VqOptionsFile, NoOptionsFileGetsOnlyTheStampAtClose) {
    Vq vq;
    ASSERT_TRUE(vq.waitMain());
    EXPECT_EQ(vq.readProgramFile("vq.ini"), "");
    vq.key(VK_ESCAPE);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readProgramFile("vq.ini"), kStampOnly);
}

TEST(VqOptionsFile, UnwritableOptionsFileIsReportedAfterThreeTries) {
    vqtest::Setup setup;
    setup.programDirs = {"vq.ini"};  // a directory where the file should be
    Vq vq({"-bad"}, setup);
    vq.waitBox("Error").press(IDOK);
    Box box = vq.waitBox("Error");
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
