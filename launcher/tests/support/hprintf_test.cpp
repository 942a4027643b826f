// hprintf: one write per 512-byte piece, and what a refused write leaves.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/hprintf.h"
#include "support/messages.h"
#include "testsupport.h"

using namespace vq;

namespace {

// Captures the boxes instead of showing them.
struct Boxes {
    std::vector<std::string> texts;
    Boxes() {
        set_message_box_hook([this](const std::string& text, const std::string& title, unsigned) {
            texts.push_back(title + ": " + text);
            return IDOK;
        });
    }
    ~Boxes() { set_message_box_hook({}); }
};

// A real file to write into.
struct OutFile {
    testsupport::TempDir dir;
    std::string path = dir.file("out.txt");
    FileHandle h = create_file(path);
    ~OutFile() { close_handle(h); }
    std::string content() {
        close_handle(h);
        return testsupport::readFile(path);
    }
};

TEST(Hprintf, WritesTheFormattedTextAsItIs) {
    Boxes boxes;
    OutFile f;
    EXPECT_EQ(hprintf(f.h, "%s\r\n", {"line one"}), 10);
    EXPECT_EQ(hprintf(f.h, "%%1 %d\n", {7}), 5);
    EXPECT_EQ(f.content(), "line one\r\n%1 7\n");
    EXPECT_TRUE(boxes.texts.empty());
}

TEST(Hprintf, EmptyTextWritesNothingAndReturnsZero) {
    Boxes boxes;
    OutFile f;
    EXPECT_EQ(hprintf(f.h, "%s", {""}), 0);
    EXPECT_EQ(f.content(), "");
}

TEST(Hprintf, BrokenFormatIsWrittenAsTheFailureText) {
    Boxes boxes;
    OutFile f;
    hprintf(f.h, "%d\r\n", {"oops"});
    EXPECT_EQ(f.content().rfind("Format() error in program!\r\n", 0), 0u);
    EXPECT_TRUE(boxes.texts.empty());
}

// Writes through a message-mode pipe, where every write call arrives as one
// message, and returns the size of each write.
std::vector<std::size_t> pieceSizes(const std::string& text, int& result) {
    std::string name = "\\\\.\\pipe\\vq_hprintf_" + std::to_string(GetCurrentProcessId());
    HANDLE server = CreateNamedPipeA(name.c_str(), PIPE_ACCESS_INBOUND,
                                     PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 1 << 16,
                                     1 << 16, 0, nullptr);
    EXPECT_NE(server, INVALID_HANDLE_VALUE);
    HANDLE client = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(client, INVALID_HANDLE_VALUE);
    result = hprintf(reinterpret_cast<FileHandle>(client), "%s", {text});
    CloseHandle(client);
    std::vector<std::size_t> sizes;
    char buf[4096];
    DWORD got = 0;
    while (ReadFile(server, buf, sizeof buf, &got, nullptr) && got > 0) sizes.push_back(got);
    CloseHandle(server);
    return sizes;
}

TEST(Hprintf, OneWritePer512BytePiece) {
    Boxes boxes;
    using Sizes = std::vector<std::size_t>;
    int result = 0;
    EXPECT_EQ(pieceSizes(std::string(1, 'p'), result), Sizes{1});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(pieceSizes(std::string(512, 'p'), result), Sizes{512});
    EXPECT_EQ(result, 512);
    EXPECT_EQ(pieceSizes(std::string(513, 'p'), result), (Sizes{512, 1}));
    EXPECT_EQ(result, 513);
    EXPECT_EQ(pieceSizes(std::string(1500, 'p'), result), (Sizes{512, 512, 476}));
    EXPECT_EQ(result, 1500);
    EXPECT_TRUE(boxes.texts.empty());
}

// A handle opened for reading only: the platform refuses the first write.
TEST(Hprintf, RefusedWriteShowsTheFailureAndReturnsMinusOne) {
    Boxes boxes;
    testsupport::TempDir dir;
    std::string path = dir.write("ro.txt", "keep");
    FileHandle h = open_read(path);
    ASSERT_GE(h, 0);
    EXPECT_EQ(hprintf(h, "%s", {std::string(1000, 'z')}), -1);
    close_handle(h);
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "Error: hprintf result<>count failure");
    EXPECT_EQ(testsupport::readFile(path), "keep");
}

TEST(Hprintf, NoFileIsARefusedWrite) {
    Boxes boxes;
    EXPECT_EQ(hprintf(no_file, "%s", {"x"}), -1);
    EXPECT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(hprintf(no_file, "%s", {""}), 0);  // nothing to write, nothing refused
    EXPECT_EQ(boxes.texts.size(), 1u);
}

}  // namespace
