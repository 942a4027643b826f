// rovik as batch files use it under the real command interpreter: set lines
// redirected into a batch file that is then called, and exit codes read with
// "if errorlevel".
#include <gtest/gtest.h>

#include "testsupport.h"

using namespace testsupport;

namespace {

RunOptions withEnv(std::map<std::string, std::optional<std::string>> env) {
    RunOptions o;
    o.env = std::move(env);
    return o;
}

}  // namespace

TEST(BatchFiles, FnsplitOfAFile) {
    TempDir dir("Z:\\tmp");
    dir.write("my notes.txt", "n");
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "rovik -fnsplit \"my notes.txt\" >T~.BAT\r\n"
                      "call T~.BAT\r\n"
                      "echo [%d~rv%][%d~ir%][%f~il%][%e~xt%]\r\n");
    EXPECT_EQ(r.out, "[Z:][" + dir.path().substr(2) + "\\][my notes][txt]\r\n");
}

TEST(BatchFiles, QuotedCurrentDirectoryWithABlank) {
    TempDir dir;
    std::string blank = dir.mkdir("with blank");
    auto r = runBatch(blank,
                      "@echo off\r\n"
                      "rovik -q -w >..\\T~.BAT\r\n"
                      "call ..\\T~.BAT\r\n"
                      "cd \\\r\n"
                      "cd %c~wd%\r\n"
                      "cd\r\n"
                      "echo %c~wd%\r\n");
    EXPECT_EQ(r.out, blank + "\r\n\"" + blank + "\"\r\n");
}

TEST(BatchFiles, PushdirThenPopdirAcrossCalls) {
    TempDir dir;
    std::string a = dir.mkdir("a dir");
    std::string b = dir.mkdir("b");
    std::string pop = dir.file("pop.lst");
    dir.write("push.bat", "@rovik -pushdir\r\n");
    dir.write("pop.bat", "@rovik -popdir >%TEMPBAT%\r\n@call %TEMPBAT%\r\n");
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "set TEMPBAT=" +
                          dir.file("T~.BAT") +
                          "\r\n"
                          "cd \"a dir\"\r\n"
                          "call ..\\push.bat\r\n"
                          "cd ..\\b\r\n"
                          "call ..\\pop.bat\r\n"
                          "cd\r\n",
                      withEnv({{"JPOP", pop}}));
    EXPECT_EQ(r.out, a + "\r\n");
    EXPECT_EQ(readFile(pop), "");
    EXPECT_FALSE(fileExists(b + "\\AAAAAAA~.J~G"));
}

TEST(BatchFiles, ErrorlevelTests) {
    TempDir dir("Z:\\tmp");
    dir.write("data\\hundred.dat", std::string(100, 'x'));
    dir.mkdir("sub dir");
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "rovik -fileexists data\\*.dat\r\n"
                      "if errorlevel 1 echo no data\r\n"
                      "if not errorlevel 1 echo data\r\n"
                      "rovik -fileexists data\\*.txt\r\n"
                      "if errorlevel 1 echo no text\r\n"
                      "rovik -filelte data\\hundred.dat 100\r\n"
                      "if errorlevel 1 echo small\r\n"
                      "rovik -directory \"%CD%\\sub dir\\\"\r\n"
                      "if errorlevel 3 goto missing\r\n"
                      "if errorlevel 2 goto file\r\n"
                      "echo directory\r\n"
                      "rovik -file \"sub dir\"\r\n"
                      "if errorlevel 1 echo not a file\r\n"
                      "rovik -stricmp %CD% \"%CD%\"\r\n"
                      "if not errorlevel 1 echo same\r\n"
                      "goto end\r\n"
                      ":missing\r\necho missing\r\ngoto end\r\n"
                      ":file\r\necho file\r\n"
                      ":end\r\n");
    EXPECT_EQ(r.out, "data\r\nno text\r\nsmall\r\ndirectory\r\nnot a file\r\nsame\r\n");
}
