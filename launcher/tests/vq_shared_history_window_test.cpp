// Two launchers open on one history file, and an import between a load and
// a save: the launcher that saves last keeps what the other one added.
#include <gtest/gtest.h>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const std::string kHistory =
    "ping localhost -n 3\r\n"
    "type readme.txt\r\n"
    "cd \\projects\\beta\r\n";

// Both launchers name the same history file; rec.exe, a stand-in program
// at the head of PATH, is what they run.
vqtest::Setup sharing(const std::string& history) {
    vqtest::Setup setup;
    setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\napres_exec=-1\r\nhistory=" + history + "\r\n";
    setup.binFiles = {{"rec.exe", testsupport::readFile(testsupport::siblingExe("vq_stub.exe"))}};
    return setup;
}

void run(Vq& vq, const Window& main, const std::string& command) {
    Window edit = main.item(vq::ID_Edit);
    edit.setText(command);
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(vq.waitExit(), 0) << command;
}

}  // namespace

TEST(VqSharedHistory, TheLastToSaveKeepsTheOthersCommand) {
    testsupport::TempDir shared;
    const std::string history = shared.write("vq.txt", kHistory);
    Vq first({}, sharing(history));
    Window first_main = first.waitReady();
    Vq second({}, sharing(history));
    Window second_main = second.waitReady();
    ASSERT_TRUE(first_main && second_main);

    run(second, second_main, "rec from the second");
    run(first, first_main, "rec from the first");
    EXPECT_EQ(testsupport::readFile(history), kHistory + "rec from the second\r\nrec from the first\r\n");
}

TEST(VqSharedHistory, AnImportWhileTheWindowIsOpenIsKept) {
    testsupport::TempDir shared;
    const std::string history = shared.write("vq.txt", kHistory);
    Vq open({}, sharing(history));
    Window main = open.waitReady();
    ASSERT_TRUE(main);

    const std::string captured = shared.write("captured.txt", "dir /s *.log\r\ntype readme.txt\r\n");
    Vq import({"-stuff", captured}, sharing(history));
    EXPECT_EQ(import.waitExit(), 0);

    // The imported line the list already holds is not written twice.
    run(open, main, "rec after the import");
    EXPECT_EQ(testsupport::readFile(history), kHistory + "dir /s *.log\r\nrec after the import\r\n");
}
