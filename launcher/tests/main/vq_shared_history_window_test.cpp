// Two launchers open on one history file, and an import between a load and
// a save: the launcher that saves last keeps what the other one added.
// Many launchers asked to run at the same moment, with an import among
// them: every command and every old line is in the file once.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "harness.h"
#include "main/form.h"
#include "support/temp_files.h"
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

namespace {

// The names of the files in a directory.
std::vector<std::string> files_in(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

int env_int(const char* name, int fallback) {
    const char* v = std::getenv(name);
    return v && *v ? std::atoi(v) : fallback;
}

std::map<std::string, int> line_counts(const std::string& bytes) {
    std::map<std::string, int> counts;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        ++counts[bytes.substr(start, end - start)];
    return counts;
}

}  // namespace

// LAUNCHERS and ROUNDS change the default 8 launchers and 20 rounds.
TEST(VqSharedHistory, LaunchersSavingAtOnceLoseNothing) {
    const int launchers = env_int("LAUNCHERS", 8), rounds = env_int("ROUNDS", 20);
    std::string old;
    for (int i = 0; i < 2000; ++i) old += "history line number " + std::to_string(i) + " of the old ones\r\n";
    testsupport::TempDir shared;
    const std::string history = shared.write("vq.txt", old);
    vqtest::Setup setup = sharing(history);
    *setup.ini += "max=10000\r\n";
    setup.waitForIdle = false;

    std::vector<std::string> commands, imported;
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::unique_ptr<Vq>> vqs;
        std::vector<Window> mains;
        for (int k = 0; k < launchers; ++k) vqs.push_back(std::make_unique<Vq>(std::vector<std::string>{}, setup));
        for (auto& vq : vqs) mains.push_back(vq->waitReady());
        for (const Window& main : mains) ASSERT_TRUE(main);
        for (int k = 0; k < launchers; ++k) {
            commands.push_back("rec round " + std::to_string(round) + " launcher " + std::to_string(k));
            mains[k].item(vq::ID_Edit).setText(commands.back());
        }
        // In the middle round an import arrives while the launchers save.
        std::unique_ptr<Vq> import;
        if (round == rounds / 2) {
            const std::string line = "dir imported in round " + std::to_string(round);
            imported.push_back(line);
            const std::string captured = shared.write("captured.txt", line + "\r\n");
            import = std::make_unique<Vq>(std::vector<std::string>{"-stuff", captured}, setup);
        }
        for (const Window& main : mains) PostMessageA(main.item(vq::ID_Edit).handle(), WM_KEYDOWN, VK_RETURN, 1);
        for (auto& vq : vqs) EXPECT_EQ(vq->waitExit(), 0);
        if (import) {
            EXPECT_EQ(import->waitExit(), 0);
        }
    }

    const std::map<std::string, int> counts = line_counts(testsupport::readFile(history));
    const auto count = [&](const std::string& line) {
        auto it = counts.find(line);
        return it == counts.end() ? 0 : it->second;
    };
    int lost = 0, repeated = 0, old_lost = 0;
    for (const auto& c : commands) {
        lost += count(c) == 0;
        repeated += count(c) > 1;
    }
    for (const auto& line : line_counts(old)) old_lost += count(line.first) != 1;
    for (const auto& line : imported) EXPECT_EQ(count(line), 1) << line;
    std::printf("%d launchers, %d rounds: %d of %zu commands lost, %d written more than once; "
                "%d old lines lost or repeated\n",
                launchers, rounds, lost, commands.size(), repeated, old_lost);
    EXPECT_EQ(lost, 0);
    EXPECT_EQ(repeated, 0);
    EXPECT_EQ(old_lost, 0);
    EXPECT_EQ(files_in(shared.path()), std::vector<std::string>{"vq.txt"});
    EXPECT_EQ(counts.size(), static_cast<size_t>(2000 + commands.size() + imported.size()));
}

// A history whose last save was killed: its temporary file is there, and
// an older build's one; the process that wrote the first has ended, and its
// id is not given out again while this lives.
struct KilledSaveLeftovers {
    PROCESS_INFORMATION ended{};
    testsupport::TempDir shared;
    std::string history;
    KilledSaveLeftovers() {
        STARTUPINFOA si{};
        si.cb = sizeof si;
        std::string stub = testsupport::siblingExe("vq_stub.exe");
        if (CreateProcessA(nullptr, stub.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &ended))
            WaitForSingleObject(ended.hProcess, vqtest::kPatienceMs);
        history = shared.write("vq.txt", kHistory);
        shared.write(vq::temp_path_beside("vq.txt", ended.dwProcessId), std::string(100000, 'x'));
        shared.write("vq.txt.new~", "left by an older build");
    }
    ~KilledSaveLeftovers() {
        if (ended.hThread) CloseHandle(ended.hThread);
        if (ended.hProcess) CloseHandle(ended.hProcess);
    }
    std::vector<std::string> files() const { return files_in(shared.path()); }
};

// The next save removes what a killed save left (and an older build's
// file), and leaves nothing of its own.
TEST(VqSharedHistory, TheNextSaveRemovesWhatAKilledSaveLeft) {
    KilledSaveLeftovers left;
    ASSERT_NE(left.ended.dwProcessId, 0u);
    Vq vq({}, sharing(left.history));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    run(vq, main, "rec after the kill");
    EXPECT_EQ(left.files(), std::vector<std::string>{"vq.txt"});
    EXPECT_EQ(testsupport::readFile(left.history), kHistory + "rec after the kill\r\n");
}

// The next start removes them too, even when it saves nothing.
TEST(VqSharedHistory, TheNextStartRemovesWhatAKilledSaveLeft) {
    KilledSaveLeftovers left;
    ASSERT_NE(left.ended.dwProcessId, 0u);
    Vq vq({}, sharing(left.history));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_TRUE(vqtest::waitFor([&] { return left.files() == std::vector<std::string>{"vq.txt"}; }));
    main.item(vq::ID_BitBtn_cancel).click();
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(left.files(), std::vector<std::string>{"vq.txt"});
    EXPECT_EQ(testsupport::readFile(left.history), kHistory);
}
