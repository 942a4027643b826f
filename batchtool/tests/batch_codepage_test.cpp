// rovik under the real command interpreter in directories whose names hold
// letters beyond ASCII. The interpreter reads batch files in the console
// code page (437 here, without a console), so the batch files below spell
// é as 0x82 and ü as 0x81, and every set line rovik writes must spell them
// the same way. A directory named with letters 437 lacks (ő, €) is reached
// with "for /d" (the interpreter holds such names itself) and must come
// back in its short form, never as a wrong name.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "testsupport.h"

using namespace testsupport;

namespace {

std::wstring widen(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

void makeDir(const std::wstring& path) {
    ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr)) << "cannot make a directory";
}

void makeFile(const std::wstring& path, const char* content = "x") {
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written;
    WriteFile(h, content, static_cast<DWORD>(strlen(content)), &written, nullptr);
    CloseHandle(h);
}

// root\café\marker.txt, root\café\über\nü.txt and p_ÉCLAIRÜ.dat,
// root\lack\ő€\marker.txt.
class AccentedTree : public ::testing::Test {
  protected:
    void SetUp() override {
        root = widen(dir.path());
        makeDir(root + L"\\caf\u00e9");
        makeFile(root + L"\\caf\u00e9\\marker.txt");
        makeDir(root + L"\\caf\u00e9\\\u00fcber");
        makeFile(root + L"\\caf\u00e9\\\u00fcber\\n\u00fc.txt");
        makeFile(root + L"\\caf\u00e9\\\u00fcber\\p_\u00c9CLAIR\u00dc.dat");
        makeDir(root + L"\\lack");
        makeDir(root + L"\\lack\\\u0151\u20ac");
        makeFile(root + L"\\lack\\\u0151\u20ac\\marker.txt");
    }
    void TearDown() override {
        testsupport::removeTree(root + L"\\caf\u00e9");
        testsupport::removeTree(root + L"\\lack");
    }
    TempDir dir{"Z:\\tmp"};
    std::wstring root;
};

// -w, -fnsplit, -w: (bare name and full path), -pushdir and -popdir in
// directories named with é and ü, each called back and checked by the
// interpreter.
TEST_F(AccentedTree, PathsCalledBackNameTheSameDirectories) {
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "set T=%CD%\\T~.BAT\r\n"
                      "cd caf\x82\r\n"
                      "rovik -w >%T%\r\n"
                      "call %T%\r\n"
                      "if exist \"%c~wd%\\marker.txt\" echo w\r\n"
                      "if \"%c~wd%\"==\"%CD%\" echo w-same\r\n"
                      "cd \x81" "ber\r\n"
                      "rovik -fnsplit n\x81.txt >%T%\r\n"
                      "call %T%\r\n"
                      "if exist \"%d~rv%%d~ir%%f~il%.%e~xt%\" echo fnsplit\r\n"
                      "if \"%f~il%\"==\"n\x81\" echo fnsplit-name\r\n"
                      "rovik -w: n\x81.txt >%T%\r\n"
                      "call %T%\r\n"
                      "if \"%c~wd%\"==\"%CD%\\n\x81.txt\" echo truename\r\n"
                      "rovik -w: \"%CD%\" >%T%\r\n"
                      "call %T%\r\n"
                      "if exist \"%c~wd%\\n\x81.txt\" echo truename-path\r\n"
                      "rovik -pushdir ..\\..\\pop.lst\r\n"
                      "cd ..\\..\r\n"
                      "rovik -popdir pop.lst >%T%\r\n"
                      "call %T%\r\n"
                      "if exist n\x81.txt echo popdir\r\n");
    EXPECT_EQ(r.out, "w\r\nw-same\r\nfnsplit\r\nfnsplit-name\r\ntruename\r\ntruename-path\r\npopdir\r\n")
        << r.err;
}

// -file, -directory, -fileexists, -stricmp, -xct and -Xct: accented names
// are found, and é/É, ü/Ü are the same letter in two cases.
TEST_F(AccentedTree, TestsAndLetterCaseOfAccentedNames) {
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "set T=%CD%\\T~.BAT\r\n"
                      "cd caf\x82\r\n"
                      "rovik -file marker.txt\r\n"
                      "if not errorlevel 1 echo file\r\n"
                      "rovik -directory \"%CD%\\\x81" "ber\"\r\n"
                      "if not errorlevel 1 echo directory\r\n"
                      "rovik -fileexists \x81" "ber\\n\x81*.txt\r\n"
                      "if not errorlevel 1 echo exists\r\n"
                      "rovik -stricmp caf\x82-\x81 CAF\x90-\x9a\r\n"
                      "if not errorlevel 1 echo stricmp-same\r\n"
                      "rovik -stricmp caf\x82 cafe\r\n"
                      "if errorlevel 1 echo stricmp-differs\r\n"
                      "rovik -stristr \x9a" "BER \x81" "b\r\n"
                      "if errorlevel 1 echo stristr\r\n"
                      "rovik -xct \x81" "ber\\p_*.dat >%T%\r\n"
                      "call %T%\r\n"
                      "if \"%XCT%\"==\"\x82" "clair\x81\" echo xct\r\n"
                      "rovik -Xct \x81" "ber\\p_*.dat >%T%\r\n"
                      "call %T%\r\n"
                      "if \"%XCT%\"==\"\x90" "clair\x81\" echo Xct\r\n");
    EXPECT_EQ(r.out, "file\r\ndirectory\r\nexists\r\nstricmp-same\r\nstricmp-differs\r\nstristr\r\nxct\r\nXct\r\n")
        << r.err;
}

// In ő€ (letters 437 lacks) the directory comes back in its short form,
// which the interpreter enters and finds the file in; a name with such
// letters that has no short form is refused with exit code 3 and nothing
// written, never handed on wrong.
TEST_F(AccentedTree, LettersTheCodePageLacksGiveShortFormsOrARefusal) {
    auto r = runBatch(dir.path(),
                      "@echo off\r\n"
                      "set T=%CD%\\T~.BAT\r\n"
                      "set P=%CD%\\pop.lst\r\n"
                      "cd lack\r\n"
                      "for /d %%d in (*) do cd \"%%d\"\r\n"
                      "rovik -w >%T%\r\n"
                      "call %T%\r\n"
                      "cd \\\r\n"
                      "cd \"%c~wd%\"\r\n"
                      "if exist marker.txt echo w\r\n"
                      "rovik -w: \"%CD%\\marker.txt\" >%T%\r\n"
                      "call %T%\r\n"
                      "if exist \"%c~wd%\" echo truename-path\r\n"
                      "rovik -fnsplit marker.txt >%T%\r\n"
                      "call %T%\r\n"
                      "if exist \"%d~rv%%d~ir%marker.txt\" echo fnsplit\r\n"
                      "rovik -file \"%CD%\\marker.txt\"\r\n"
                      "if not errorlevel 1 echo file\r\n"
                      "rovik -pushdir %P%\r\n"
                      "cd ..\\..\r\n"
                      "rovik -popdir %P% >%T%\r\n"
                      "call %T%\r\n"
                      "if exist marker.txt echo popdir\r\n"
                      "echo old>%T%\r\n"
                      "rovik -k- -w: \"%CD%-gone\" >%T%\r\n"
                      "if errorlevel 3 echo refused\r\n"
                      "type %T%\r\n");
    EXPECT_EQ(r.out, "w\r\ntruename-path\r\nfnsplit\r\nfile\r\npopdir\r\nrefused\r\n") << r.err;
    EXPECT_NE(r.err.find("couldn't write"), std::string::npos) << r.err;
}

}  // namespace
