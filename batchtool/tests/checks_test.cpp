// rovik.exe's errorlevel tests against a real tree: ordinary-file searches,
// sizes, file or directory, the current directory, and the text tests with
// their -chat verdicts.
#include <windows.h>

#include <gtest/gtest.h>

#include "reports.h"
#include "testsupport.h"

using namespace testsupport;

namespace {

RunOptions in(const std::string& dir) {
    RunOptions o;
    o.cwd = dir;
    return o;
}

class Tree : public ::testing::TestWithParam<const char*> {
  protected:
    TempDir dir{GetParam()};
    void SetUp() override {
        dir.mkdir("empty");
        dir.mkdir("dirs only\\a");
        dir.mkdir("dirs only\\b.txt");
        std::string hidden = dir.write("hidden only\\secret.txt", "s");
        SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        dir.write("sized\\hundred.dat", std::string(100, 'h'));
        dir.write("with blank\\my file.txt", "m");
    }
    int code(std::vector<std::string> args) { return runRovik(args, in(dir.path())).exitCode; }
    std::string chat(std::vector<std::string> args) {
        args.insert(args.begin(), "-chat");
        return runRovik(args, in(dir.path())).out;
    }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Drives, Tree, ::testing::Values("", "Z:\\tmp"),
                         [](const auto& info) { return std::string(info.param[0] ? "DriveZ" : "DriveC"); });

TEST_P(Tree, FileExistsSeesOrdinaryFilesOnly) {
    ASSERT_TRUE(GetFileAttributesA(dir.file("hidden only\\secret.txt").c_str()) & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(code({"-fileexists", "empty\\*.*"}), 1);
    EXPECT_EQ(code({"-fileexists", "dirs only\\*.*"}), 1);
    EXPECT_EQ(code({"-fileexists", "dirs only\\b.txt"}), 1);
    EXPECT_EQ(code({"-fileexists", "hidden only\\*"}), 1);
    EXPECT_EQ(code({"-fileexists"}), 1);
    EXPECT_EQ(code({"-fileexists", "with blank\\*.txt"}), 0);
    EXPECT_EQ(chat({"-fileexists", "with blank\\*.txt"}), "\"my file.txt\" existed");
    EXPECT_EQ(chat({"-fileexists", "empty\\*"}), "no file existed");
}

TEST_P(Tree, SizeLimitsOfAHundredByteFile) {
    EXPECT_EQ(code({"-filelte", "sized\\*.dat", "100"}), 1);
    EXPECT_EQ(code({"-filelte", "sized\\*.dat", "99"}), 0);
    EXPECT_EQ(code({"-filegte", "sized\\hundred.dat", "100"}), 1);
    EXPECT_EQ(code({"-filegte", "sized\\hundred.dat", "101"}), 0);
    EXPECT_EQ(code({"-filelte", "sized\\none", "0"}), 1);
    EXPECT_EQ(code({"-filegte", "sized\\none", "0"}), 1);
    EXPECT_EQ(chat({"-filelte", "sized\\*.dat", "99"}),
              "\"hundred.dat\" existed\r\n\"sized\\*.dat\" size 100 > 99 (errorlevel 0)");
    EXPECT_EQ(chat({"-filegte", "sized\\*.dat", "100"}),
              "\"hundred.dat\" existed\r\n\"sized\\*.dat\" size 100 >= 100 (errorlevel 1)");
    auto r = runRovik({"-k-", "-filegte", "sized\\*.dat"}, in(dir.path()));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("filegte"));
}

TEST_P(Tree, FileOrDirectory) {
    EXPECT_EQ(code({"-file", "sized\\hundred.dat"}), 0);
    EXPECT_EQ(code({"-file", "empty"}), 1);
    EXPECT_EQ(code({"-file", "nothing"}), 3);
    EXPECT_EQ(code({"-directory", "empty"}), 0);
    EXPECT_EQ(code({"-directory", "sized\\hundred.dat"}), 2);
    EXPECT_EQ(code({"-directory", "nothing"}), 3);
    EXPECT_EQ(code({"-directory", dir.file("empty\"")}), 0);  // a quoted name that ended in a backslash
    EXPECT_EQ(code({"-directory", "empty\\"}), 0);
    EXPECT_EQ(chat({"-directory", "empty\\"}), "empty is a directory");
    EXPECT_EQ(chat({"-file", "nothing"}), "nothing is neither file nor directory");
}

TEST_P(Tree, CurrentDirectoryTests) {
    std::string here = dir.mkdir("Mixed Case");
    RunOptions o = in(here);
    std::string other = here;
    for (char& c : other)
        c = static_cast<char>(isupper(static_cast<unsigned char>(c)) ? tolower(c) : toupper(c));
    EXPECT_EQ(runRovik({"-cwd", other}, o).exitCode, 0);
    EXPECT_EQ(runRovik({"-cwd", here + "\\"}, o).exitCode, 1);
    EXPECT_EQ(runRovik({"-/+", "-cwd", here}, o).exitCode, 0);  // slash modifiers do not apply
    EXPECT_EQ(runRovik({"-chat", "-cwd", "x"}, o).out, "\"x\" isn't current directory \"" + here + "\"");
    // A quoted name that ends in a backslash, as a batch file would type it.
    EXPECT_EQ(runRovikRaw("-direq \"" + here.substr(2) + "\\\"", o).exitCode, 0);
    EXPECT_EQ(runRovik({"-direq", other}, o).exitCode, 0);
    std::string otherDrive = here;
    otherDrive[0] = 'Q';
    EXPECT_EQ(runRovik({"-direq", otherDrive}, o).exitCode, 1);
    EXPECT_EQ(runRovik({"-direq", here.substr(2, here.size() - 4)}, o).exitCode, 1);
}

TEST(TextTests, ExitCodesAndVerdicts) {
    auto chat = [](std::vector<std::string> args) {
        args.insert(args.begin(), "-chat");
        return runRovik(args);
    };
    auto r = chat({"-ifchars", "aB", "xyzb"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "\"xyzb\" contains b");
    r = chat({"-ifchars", "qr", "xyz"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\"xyz\" did not contain any of qr");
    EXPECT_EQ(runRovik({"-ifchars", "", "xyz"}).exitCode, 0);

    r = chat({"-stristr", "Hello", "LL"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "\"Hello\" contains \"LL\"\r\n");
    r = chat({"-stristr", "Hello", ""});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\"Hello\" does NOT contain \"\"\r\n");

    r = chat({"-stricmp", "abc", "ABC"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "abc == ABC\r\n");
    EXPECT_EQ(chat({"-stricmp", "abd", "abc"}).out, "abd > abc\r\n");
    EXPECT_EQ(runRovik({"-stricmp", "abc", "abd"}).exitCode, 1);
    EXPECT_EQ(runRovik({"-stricmp", "abd", "abc"}).exitCode, 1);

    r = chat({"-*", "a?b"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "\"a?b\" contains wild cards *?\r\n");
    r = chat({"-*", "abc"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "\"abc\" doesn't contain wild cards *?\r\n");

    r = runRovik({"-k-", "-stristr", "x"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, notEnoughReport("stristr"));
}

TEST(TextTests, ChatGoesToStandardOutputNotTheOutputFile) {
    TempDir dir;
    auto r = runRovik({"-o", dir.file("out.bat"), "-chat", "-stricmp", "a", "b"});
    EXPECT_EQ(r.out, "a < b\r\n");
    EXPECT_FALSE(fileExists(dir.file("out.bat")));
}
