// The options file read through the profile interface, the version stamp
// written back, the data directory and the command line.
#include <windows.h>

#include <gtest/gtest.h>

#include "code/usage.h"
#include "options/options.h"
#include "options/parseargs.h"
#include "support/files.h"
#include "support/messages.h"
#include "testsupport.h"

using namespace vq;

namespace {

// An options file in a temporary directory, the records it fills, status
// texts and message boxes captured instead of shown.
class OptionsFile : public ::testing::Test, public StatusDisplay {
  protected:
    testsupport::TempDir dir;
    std::string ini = dir.file("vq.ini");
    Options options;
    TextList deletes, favorites;
    std::vector<std::string> boxes;
    std::vector<std::string> statuses;
    std::string savedAppdata = get_env("APPDATA");

    void SetUp() override {
        set_message_box_hook([this](const std::string& text, const std::string& title, unsigned) {
            boxes.push_back(title + ": " + text);
            return IDOK;
        });
        SetEnvironmentVariableA("APPDATA", dir.path().c_str());
    }
    void TearDown() override {
        set_message_box_hook({});
        SetEnvironmentVariableA("APPDATA", savedAppdata.c_str());
    }
    void show_status(const std::string& text) override { statuses.push_back(text); }
    void writeIni(const std::string& text) { testsupport::writeFile(ini, text); }
    bool getoptions() { return vq::getoptions(ini, options, deletes, favorites); }
    void putoptions() { vq::putoptions(ini, *this); }
};

TEST_F(OptionsFile, NoFileGivesEveryDefault) {
    ASSERT_TRUE(getoptions());
    EXPECT_EQ(options.history, dir.path() + "\\vq.txt");
    EXPECT_EQ(options.max, 400);
    EXPECT_EQ(options.length, 10);
    EXPECT_EQ(options.leave_short, 5);
    EXPECT_FALSE(options.leave_1);
    EXPECT_FALSE(options.bug);
    EXPECT_FALSE(options.no_nil);
    // The scripts were written beside the options file.
    EXPECT_EQ(options.x, dir.file("x.bat"));
    EXPECT_EQ(options.vqargs, dir.file("vqargs.bat"));
    EXPECT_TRUE(testsupport::fileExists(options.vqargs));
    EXPECT_EQ(options.batch, "batch.exe");
    EXPECT_EQ(options.version, "");
    EXPECT_EQ(options.apres_exec, 500);
    EXPECT_EQ(options.beep, 50);
    EXPECT_EQ(options.beepwav, "");
    EXPECT_EQ(options.widepercent, 75);
    EXPECT_EQ(options.ontoptime, 5);
    EXPECT_EQ(deletes, (TextList{"x", "vq"}));
    EXPECT_TRUE(favorites.empty());
    ASSERT_TRUE(options.builtin_list.has_value());
    EXPECT_EQ(*options.builtin_list, (TextList{"dir", "type", "copy", "del"}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OptionsFile, ValuesAreDecoded) {
    writeIni(
        "[VQ]\r\nMax=0x190\r\nlength=abc\r\nleave_short = 7 \r\nbug=2\r\nno_nil=0\r\n"
        "leave_1=1\r\nhistory=\"c:\\my docs\\h.txt\"\r\nbatch='ask.exe'\r\n"
        "apres_exec=$10\r\nbeep=-1\r\nwidepercent=90\r\nontoptime=0\r\n"
        "version=1/1/2000\r\nbeepwav=ding.wav\r\nbuiltins=Dir, TYPE\r\n");
    ASSERT_TRUE(getoptions());
    EXPECT_EQ(options.max, 400);
    EXPECT_EQ(options.length, 10);
    EXPECT_EQ(options.leave_short, 7);
    EXPECT_TRUE(options.bug);
    EXPECT_FALSE(options.no_nil);
    EXPECT_TRUE(options.leave_1);
    EXPECT_EQ(options.history, "c:\\my docs\\h.txt");
    EXPECT_EQ(options.batch, "ask.exe");
    EXPECT_EQ(options.apres_exec, 16);
    EXPECT_EQ(options.beep, -1);
    EXPECT_EQ(options.widepercent, 90);
    EXPECT_EQ(options.ontoptime, 0);
    EXPECT_EQ(options.version, "1/1/2000");
    EXPECT_EQ(options.beepwav, "ding.wav");
    EXPECT_EQ(*options.builtin_list, (TextList{"dir", "type"}));
}

TEST_F(OptionsFile, LongTextsAreCutTo2047) {
    writeIni("[vq]\r\nhistory=" + std::string(3000, 'h') + "\r\n");
    ASSERT_TRUE(getoptions());
    EXPECT_EQ(options.history, std::string(2047, 'h'));
}

TEST_F(OptionsFile, EmptyBuiltinsLeavesTheListEmpty) {
    writeIni("[vq]\r\nbuiltins=\r\n");
    ASSERT_TRUE(getoptions());
    ASSERT_TRUE(options.builtin_list.has_value());
    EXPECT_TRUE(options.builtin_list->empty());
}

TEST_F(OptionsFile, DeletesAndFavoritesAreKeyNamesInFileOrder) {
    writeIni(
        "[deletes]\r\ncls=\r\n exit = whatever\r\nls=1=2\r\n"
        "[favorites]\r\nmake all=\r\ngit status=\r\n");
    deletes.push_back("stale");
    ASSERT_TRUE(getoptions());
    EXPECT_EQ(deletes, (TextList{"cls", "exit", "ls"}));
    EXPECT_EQ(favorites, (TextList{"make all", "git status"}));
}

TEST_F(OptionsFile, KeyListsStopAtTheBuffer) {
    std::string text = "[deletes]\r\n";
    for (int i = 0; i < 3000; ++i) text += "word" + std::to_string(i) + "=\r\n";
    writeIni(text);
    ASSERT_TRUE(getoptions());
    EXPECT_GT(deletes.size(), 1000u);
    EXPECT_LT(deletes.size(), 3000u);
    EXPECT_EQ(deletes.front(), "word0");
}

TEST_F(OptionsFile, DataDirectoryFallsBackWhenAppdataIsMissing) {
    SetEnvironmentVariableA("APPDATA", dir.file("nowhere").c_str());
    std::string expected =
        directory_exists("c:\\Documents and Settings") ? "c:\\Documents and Settings\\" : program_dir();
    EXPECT_EQ(data_dir(), expected);
    SetEnvironmentVariableA("APPDATA", nullptr);
    EXPECT_EQ(data_dir(), expected);
    SetEnvironmentVariableA("APPDATA", (dir.path() + "\\").c_str());
    EXPECT_EQ(data_dir(), dir.path() + "\\");
}

TEST_F(OptionsFile, PutoptionsCreatesAFileWithOnlyTheStamp) {
    putoptions();
    EXPECT_EQ(testsupport::readFile(ini), "[vq]\r\nversion=1/14/2015 13:27:45\r\n");
    EXPECT_TRUE(statuses.empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OptionsFile, PutoptionsKeepsEverythingElse) {
    writeIni("[vq]\r\nmax=12\r\nversion=old\r\n[deletes]\r\ncls=\r\n");
    putoptions();
    ASSERT_TRUE(getoptions());
    EXPECT_EQ(options.version, build_stamp);
    EXPECT_EQ(options.max, 12);
    EXPECT_EQ(deletes, TextList{"cls"});
}

TEST_F(OptionsFile, PutoptionsTriesThreeTimesThenSaysSo) {
    CreateDirectoryA(ini.c_str(), nullptr);  // a directory cannot be written as a file
    DWORD start = GetTickCount();
    putoptions();
    DWORD took = GetTickCount() - start;
    EXPECT_EQ(statuses, (std::vector<std::string>{"putoptions failures: 1", "putoptions failures: 2",
                                                  "putoptions failures: 3"}));
    EXPECT_GE(took, 1400u);
    EXPECT_EQ(boxes, std::vector<std::string>{"Error: Couldn't write " + ini + ", sorry"});
}

// ---- command line -------------------------------------------------------

class CommandLine : public OptionsFile {
  protected:
    bool parse(const std::vector<std::string>& args) { return parseargs(args, options, deletes); }
    std::string firstLine() const {
        if (boxes.size() != 1) return std::to_string(boxes.size()) + " boxes";
        return boxes[0].substr(0, boxes[0].find("\r\n"));
    }
};

TEST_F(CommandLine, NoArgumentsChangeNothing) {
    EXPECT_TRUE(parse({}));
    EXPECT_FALSE(options.exec);
    EXPECT_EQ(options.stuff, "");
}

TEST_F(CommandLine, ExecStopsParsing) {
    options.bug = false;
    EXPECT_TRUE(parse({"-exec", "-bug", "x"}));
    EXPECT_TRUE(options.exec);
    EXPECT_FALSE(options.bug);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(CommandLine, ArgumentsOverrideTheOptionsFileExceptAfterExec) {
    writeIni("[vq]\r\nbug=0\r\nlength=20\r\n");
    ASSERT_TRUE(getoptions());
    EXPECT_TRUE(parse({"-length", "3", "-bug"}));
    EXPECT_EQ(options.length, 3);
    EXPECT_TRUE(options.bug);

    options = Options{};
    writeIni("[vq]\r\nbug=1\r\n");
    ASSERT_TRUE(getoptions());
    EXPECT_TRUE(parse({"-exec", "-bug", "-length", "3"}));
    EXPECT_TRUE(options.bug);  // the file's value, not the command text
    EXPECT_EQ(options.length, 10);
}

TEST_F(CommandLine, OptionsBeforeStuffTakeEffect) {
    EXPECT_TRUE(parse({"-bug", "-stuff", "hist.txt"}));
    EXPECT_TRUE(options.bug);
    EXPECT_EQ(options.stuff, "hist.txt");
}

TEST_F(CommandLine, DeleteWordsLengthAndGui) {
    EXPECT_TRUE(parse({"-dhx", "-d", "-length", "-5x", "-gui:notepad %1", "-delete"}));
    EXPECT_EQ(deletes, (TextList{"hx", "", "elete"}));
    EXPECT_EQ(options.length, -5);
    EXPECT_EQ(options.gui, "notepad %1");
}

TEST_F(CommandLine, LengthAsLastArgumentIsZero) {
    EXPECT_TRUE(parse({"-length"}));
    EXPECT_EQ(options.length, 0);
}

TEST_F(CommandLine, LongDeleteWordAndGuiAreCutTo5000) {
    EXPECT_TRUE(parse({"-d" + std::string(6000, 'w'), "-gui:" + std::string(6000, 'g')}));
    EXPECT_EQ(deletes.back().size(), 5000u);
    EXPECT_EQ(options.gui.size(), 5000u);
}

TEST_F(CommandLine, StuffWithoutFileName) {
    EXPECT_FALSE(parse({"-stuff"}));
    EXPECT_EQ(firstLine(), "Error: no file name for stuff (-stuff)");
}

TEST_F(CommandLine, StuffWithExtraArguments) {
    EXPECT_FALSE(parse({"-stuff", "a", "b"}));
    EXPECT_EQ(firstLine(), "Error: extra args after \"-stuff a\" (-stuff a b)");
    EXPECT_EQ(options.stuff, "");
}

TEST_F(CommandLine, WrongCaseAndSlashAreBadOptions) {
    EXPECT_FALSE(parse({"-EXEC"}));
    EXPECT_EQ(firstLine(), "Error: bad option: -EXEC (-EXEC)");
    boxes.clear();
    EXPECT_FALSE(parse({"-bug", "/exec", "-exec"}));
    EXPECT_EQ(firstLine(), "Error: bad option: /exec (-bug /exec -exec)");
    EXPECT_FALSE(options.exec);
}

TEST_F(CommandLine, PercentSignsInArgumentsAreShownAsTyped) {
    EXPECT_FALSE(parse({"50%d"}));
    EXPECT_EQ(firstLine(), "Error: bad option: 50%d (50%d)");
}

TEST(UsageText, FullTextByteForByte) {
    EXPECT_EQ(usage_text("bad option: -x", "-x"),
              "bad option: -x (-x)\r\n"
              "vq: the new age of quelto           1/14/2015 13:27:45\r\n"
              "-exec [args]   show form and let user edit, get previous, etc.\r\n"
              "If not exec, does exec with most-recent history.\r\n"
              "-bug  weird stuff like don't delete \"stuff\" file, etc.\r\n"
              "-dx -dhx   delete \"x\" and \"hx\" in history, etc.\r\n"
              "-length 5   discard items 5 or less.\r\n"
              "-stuff afile   read (and then delete) afile, stuff into history, exit program.");
    EXPECT_EQ(usage_text("oops", "").substr(0, 6), "oops\r\n");
}

}  // namespace
