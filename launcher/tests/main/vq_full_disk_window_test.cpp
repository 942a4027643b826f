// A full disk under real launchers: the history on a small file system
// that disk/small_disk.sh mounts and names in VQ_SMALL_DISK (its tests are
// run only through that script, which is why they carry the DISABLED_
// mark).  A save that finds no room is told before the command starts and
// loses nothing; an import goes in whole or not at all and keeps the
// captured file for the next try.  Once there is room again, every old
// line and the new command or imported line is there once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "history_runs.h"
#include "support/system_error.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

// The directory on the small file system for one test; skips the test
// where the script could not mount one.
std::string small_disk_dir(const std::string& name) {
    const char* disk = std::getenv("VQ_SMALL_DISK");
    if (!disk) return {};
    const std::string dir = std::string(disk) + "\\" + name;
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

#define SKIP_WITHOUT_SMALL_DISK(dir)                                                               \
    if ((dir).empty()) {                                                                           \
        const char* why = std::getenv("VQ_SMALL_DISK_MISSING");                                    \
        GTEST_SKIP() << "no small file system: " << (why ? why : "run through disk/small_disk.sh"); \
    }

// Takes every byte the file system has left; the file goes with the object.
class Filler {
  public:
    explicit Filler(const std::string& dir) : path_(dir + "\\filler") {
        HANDLE h = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            ADD_FAILURE() << "cannot make " << path_;
            return;
        }
        const std::string block(65536, 'f');
        for (DWORD size : {65536u, 4096u, 1u}) {
            DWORD wrote = 0;
            while (WriteFile(h, block.data(), size, &wrote, nullptr) && wrote == size) {
            }
        }
        CloseHandle(h);
    }
    ~Filler() { free(); }
    void free() { DeleteFileA(path_.c_str()); }

  private:
    std::string path_;
};

vqtest::Setup launcher_on(const std::string& data) {
    vqtest::Setup setup = vqtest::launcher(std::nullopt);
    setup.env["APPDATA"] = data;
    return setup;
}

const std::vector<std::string> old_lines = vqtest::numbered("echo history line %03d", 300);

}  // namespace

TEST(VqFullDisk, DISABLED_ASaveThatFindsNoRoomIsToldAndLosesNothing) {
    const std::string data = small_disk_dir("save");
    SKIP_WITHOUT_SMALL_DISK(data);
    const std::string history = data + "\\vq.txt";
    testsupport::writeFile(history, vqtest::joined(old_lines));
    const std::string command = "rec after the disk filled up";
    {
        Vq vq({}, launcher_on(data));
        Window main = vq.waitReady();
        ASSERT_TRUE(main);
        Filler filler(data);
        vqtest::enter(main, command);
        vqtest::Box box = vq.waitBox("Error");
        ASSERT_TRUE(box);
        EXPECT_EQ(box.message(), "Couldn't save the history in \"" + history + "\": " +
                                     vq::system_error_text(ERROR_DISK_FULL) +
                                     ".\r\nThe command is run, but it is not in the history:\r\n" + command);
        EXPECT_EQ(vqtest::times_run(vq, command.substr(4)), 0) << "started before the user was told";
        box.press(IDOK);
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_TRUE(vqtest::ran_once(vq, command.substr(4)));
        EXPECT_EQ(testsupport::readFile(history), vqtest::joined(old_lines));
    }
    // With room again the same command saves.
    Vq vq({}, launcher_on(data));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    vqtest::enter(main, command);
    EXPECT_EQ(vq.waitExit(), 0);
    std::vector<std::string> all = old_lines;
    all.push_back(command);
    vqtest::expect_each_once(testsupport::readFile(history), all);
    DeleteFileA(history.c_str());
}

// The captured lines are more than the room left in the history's last
// block: the first write goes part of the way.
TEST(VqFullDisk, DISABLED_AnImportIsWholeOrNothing) {
    const std::string data = small_disk_dir("import");
    SKIP_WITHOUT_SMALL_DISK(data);
    const std::string history = data + "\\vq.txt";
    testsupport::writeFile(history, vqtest::joined(old_lines));
    const std::vector<std::string> imported = vqtest::numbered("echo imported line %03d", 400);
    vqtest::Setup setup = launcher_on(data);
    setup.workFiles = {{"captured.txt", vqtest::joined(imported)}};
    {
        Filler filler(data);
        Vq vq({"-stuff", "captured.txt"}, setup);
        vqtest::Box box = vq.waitBox("Error");
        ASSERT_TRUE(box);
        const std::string captured = vq.workDir() + "\\captured.txt";
        EXPECT_EQ(box.message(), "Couldn't add the lines of \"captured.txt\" to \"" + history + "\": " +
                                     vq::system_error_text(ERROR_DISK_FULL) +
                                     ".\r\nNothing was added; \"captured.txt\" is kept for the next try.");
        box.press(IDOK);
        EXPECT_EQ(vq.waitExit(), 0);
        EXPECT_EQ(testsupport::readFile(history), vqtest::joined(old_lines));
        EXPECT_EQ(testsupport::readFile(captured), vqtest::joined(imported));
        // With room again the kept file goes in.
        filler.free();
        vqtest::Setup again = launcher_on(data);
        again.workFiles = {{"captured.txt", testsupport::readFile(captured)}};
        Vq next({"-stuff", "captured.txt"}, again);
        EXPECT_EQ(next.waitExit(), 0);
        EXPECT_FALSE(testsupport::fileExists(next.workDir() + "\\captured.txt"));
    }
    std::vector<std::string> all = old_lines;
    all.insert(all.end(), imported.begin(), imported.end());
    vqtest::expect_each_once(testsupport::readFile(history), all);
    EXPECT_EQ(testsupport::readFile(history), vqtest::joined(all));
    DeleteFileA(history.c_str());
}
