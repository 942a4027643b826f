// What real machines give the launcher, driven for real: history lines of
// every length, zero bytes left by a crash, captured files in UTF-16, with
// LF line ends or after a history whose last line an editor left open,
// and a load cut short.  Every old line and every new command must be in
// the file once, and no zero byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history_runs.h"

using vqtest::Vq;
using vqtest::Window;
using vqtest::enter;
using vqtest::expect_each_once;
using vqtest::joined;
using vqtest::launcher;
using vqtest::numbered;

namespace {

// Lengths read through the wide messages (a text of another process over
// 512 characters does not cross as text).
int item_length(const Window& list, int index) {
    return static_cast<int>(SendMessageW(list.handle(), LB_GETTEXTLEN, index, 0));
}
int text_length(const Window& control) {
    return static_cast<int>(SendMessageW(control.handle(), WM_GETTEXTLENGTH, 0, 0));
}

}  // namespace

// A long command as the newest line: vq starts, the list and the Edit box
// hold it whole, a pick and Enter run it whole, the save keeps it whole,
// and the next start shows it again.
TEST(VqRealFiles, LongLinesStartPickRunSaveAndStartAgain) {
    for (int length : {600, 1200, 5000}) {
        const std::string line = "rec " + std::string(static_cast<size_t>(length) - 6, 'x') + " z";
        Vq vq({}, launcher("older command\r\n" + line + "\r\n"));
        Window main = vq.waitReady();
        ASSERT_TRUE(main) << length;
        Window list = main.item(vq::ID_ListBox);
        ASSERT_EQ(list.count(), 2) << length;
        EXPECT_EQ(item_length(list, 0), length);
        EXPECT_EQ(text_length(main.item(vq::ID_Edit)), length);
        list.clickItem(1);
        ASSERT_TRUE(vqtest::waitFor([&] { return main.item(vq::ID_Edit).text() == "older command"; }));
        list.clickItem(0);
        ASSERT_TRUE(vqtest::waitFor([&] { return text_length(main.item(vq::ID_Edit)) == length; })) << length;
        PostMessageA(main.item(vq::ID_Edit).handle(), WM_KEYDOWN, VK_RETURN, 1);
        EXPECT_EQ(vq.waitExit(), 0) << length;
        // vq does not wait for what it starts: the recorder may write later.
        EXPECT_TRUE(vqtest::waitFor([&] {
            return testsupport::readFileIfAny(vq.root() + "\\ran.txt").find(line.substr(4)) != std::string::npos;
        })) << length;
        const std::string saved = vq.readDataFile("vq.txt");
        EXPECT_EQ(saved, "older command\r\n" + line + "\r\n" + line + "\r\n") << length;

        Vq again({}, launcher(saved));
        Window next = again.waitReady();
        ASSERT_TRUE(next) << length;
        EXPECT_EQ(item_length(next.item(vq::ID_ListBox), 0), length);
        next.item(vq::ID_BitBtn_cancel).click();
        EXPECT_EQ(again.waitExit(), 0);
    }
}

// 300 lines with a block of 512 zero bytes after line 150: every line
// loads, and the save keeps them all, without the zero bytes.
TEST(VqRealFiles, ZeroBytesCostNoLine) {
    const std::vector<std::string> lines = numbered("echo history line %03d", 300);
    std::string bytes;
    for (size_t i = 0; i < lines.size(); ++i) {
        bytes += lines[i] + "\r\n";
        if (i == 149) bytes += std::string(512, '\0');
    }
    Vq vq({}, launcher(bytes, "max=1000\r\n"));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_EQ(main.item(vq::ID_ListBox).count(), 300);
    enter(main, "rec after the zeros");
    EXPECT_EQ(vq.waitExit(), 0);
    std::vector<std::string> all = lines;
    all.push_back("rec after the zeros");
    expect_each_once(vq.readDataFile("vq.txt"), all);
}

// vq -stuff of captured files as real machines write them, then a run:
// every old line and every command once.
TEST(VqRealFiles, ImportsKeepEveryLineAndEveryCommand) {
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("make all\r\ncopy a.txt b.txt\r\nping localhost\r\n")) utf16 += {c, '\0'};
    const struct {
        const char* what;
        std::string history;
        std::string captured;
        std::vector<std::string> commands;
    } cases[] = {
        {"UTF-16",
         "echo old one\r\necho old two\r\n",
         utf16,
         {"make all", "copy a.txt b.txt", "ping localhost"}},
        {"open last line",
         "echo old one\r\necho old two",
         "make clean\r\nmake test\r\n",
         {"make clean", "make test"}},
        {"LF only",
         "echo old one\r\necho old two\r\n",
         "nmake one\nnmake two\nnmake three\n",
         {"nmake one", "nmake two", "nmake three"}},
    };
    for (const auto& c : cases) {
        vqtest::Setup import = launcher(c.history);
        import.workFiles = {{ "captured.txt", c.captured }};
        Vq stuff({"-stuff", "captured.txt"}, import);
        EXPECT_EQ(stuff.waitExit(), 0) << c.what;
        const std::string after_import = stuff.readDataFile("vq.txt");
        EXPECT_FALSE(testsupport::fileExists(stuff.workDir() + "\\captured.txt")) << c.what;

        Vq vq({}, launcher(after_import));
        Window main = vq.waitReady();
        ASSERT_TRUE(main) << c.what;
        enter(main, "rec the next run");
        EXPECT_EQ(vq.waitExit(), 0) << c.what;
        std::vector<std::string> all = {"echo old one", "echo old two", "rec the next run"};
        all.insert(all.end(), c.commands.begin(), c.commands.end());
        SCOPED_TRACE(c.what);
        expect_each_once(vq.readDataFile("vq.txt"), all);
    }
}

// Cancel during a long load, then "Save list anyway?" Yes: the lines the
// load never reached are kept, older than the list.
TEST(VqRealFiles, ACancelledLoadSavedAnywayKeepsEveryLine) {
    const std::vector<std::string> lines = numbered("echo history line %05d", 40000);
    vqtest::Setup setup = launcher(joined(lines), "max=40000\r\n");
    setup.waitForIdle = false;
    Vq vq({}, setup);
    Window main = vq.waitMain();
    ASSERT_TRUE(main);
    main.item(vq::ID_CheckBox_SaveJunk).click();
    main.item(vq::ID_BitBtn_cancel).click();
    vqtest::Box box = vq.waitBox("");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message(), "Save list anyway?");
    EXPECT_LT(main.item(vq::ID_ListBox).count(), 40000) << "the load was not cut short";
    box.press(IDYES);
    EXPECT_EQ(vq.waitExit(), 0);
    expect_each_once(vq.readDataFile("vq.txt"), lines);
}
