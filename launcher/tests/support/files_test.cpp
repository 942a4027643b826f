// Raw handles, the program directory and file existence.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/filehandle.h"
#include "support/files.h"
#include "testsupport.h"

using namespace vq;

namespace {

TEST(CloseHandle, AlwaysLeavesMinusOne) {
    testsupport::TempDir dir;
    FileHandle h = create_file(dir.file("f.txt"));
    ASSERT_GE(h, 0);
    close_handle(h);
    EXPECT_EQ(h, -1);
    close_handle(h);
    EXPECT_EQ(h, -1);
    EXPECT_EQ(open_read(dir.file("missing.txt")), -1);
}

TEST(ProgramDir, IsThisProgramsDirectoryWithOneBackslash) {
    EXPECT_EQ(program_dir(), testsupport::exeDir());
    EXPECT_EQ(program_dir().back(), '\\');
    EXPECT_NE(program_dir().substr(program_dir().size() - 2), "\\\\");
}

TEST(ProgramDir, InProgramDirJoinsOnlyBareNames) {
    std::string name = "vq.ini";
    in_program_dir(name);
    EXPECT_EQ(name, program_dir() + "vq.ini");
    for (std::string other : {"sub\\vq.ini", "c:vq.ini", "c:\\x\\vq.ini", ""}) {
        std::string kept = other;
        in_program_dir(kept);
        EXPECT_EQ(kept, other);
    }
    EXPECT_EQ(program_file("x.bat"), program_dir() + "x.bat");
}

TEST(ProgramDir, PreferProgramDirOnlyForExistingFiles) {
    std::string missing = "no-such-file-here.exe";
    prefer_program_dir(missing);
    EXPECT_EQ(missing, "no-such-file-here.exe");
    std::string self = "vq.exe";
    prefer_program_dir(self);
    EXPECT_EQ(self, program_dir() + "vq.exe");
}

TEST(FileExists, DirectoriesDoNotCountButWildcardsDo) {
    testsupport::TempDir dir;
    dir.write("a.txt", "x");
    dir.mkdir("sub.txt");
    EXPECT_TRUE(file_exists(dir.file("a.txt")));
    EXPECT_FALSE(file_exists(dir.file("b.txt")));
    EXPECT_FALSE(file_exists(dir.file("sub.txt")));
    EXPECT_TRUE(file_exists(dir.file("*.txt")));
    EXPECT_TRUE(directory_exists(dir.path()));
    EXPECT_FALSE(directory_exists(dir.file("a.txt")));
}

TEST(GetEnv, UnsetIsEmptyAndLongValuesArriveWhole) {
    SetEnvironmentVariableA("VQ_TEST_UNSET", nullptr);
    EXPECT_EQ(get_env("VQ_TEST_UNSET"), "");
    std::string big(3000, 'v');
    SetEnvironmentVariableA("VQ_TEST_BIG", big.c_str());
    EXPECT_EQ(get_env("VQ_TEST_BIG"), big);
}

}  // namespace

// The whole file arrives byte for byte whatever its size against the read
// buffer: empty, one byte, around the old 64 KB chunk, several chunks, and
// bytes of every value (NUL, CR, LF included).
TEST(ReadWholeFile, EverySizeArrivesWhole) {
    testsupport::TempDir dir;
    for (size_t size : {size_t{0}, size_t{1}, size_t{65535}, size_t{65536}, size_t{65537}, size_t{3 * 65536 + 7}}) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
        const std::string path = dir.write("whole" + std::to_string(size) + ".bin", bytes);
        std::string got = "left over from before";
        ASSERT_EQ(read_whole_file(path, got), ReadResult::ok) << size;
        EXPECT_EQ(got.size(), size);
        EXPECT_TRUE(got == bytes) << "size " << size;
    }
}

TEST(ReadWholeFile, MissingFileCannotBeOpened) {
    testsupport::TempDir dir;
    std::string got;
    EXPECT_EQ(read_whole_file(dir.file("none.txt"), got), ReadResult::cannot_open);
    EXPECT_TRUE(got.empty());
}
