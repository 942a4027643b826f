// Letters the ANSI code page (1252 here) lacks, as real launchers meet
// them: a command set into the Edit box, a history file saved by an editor
// in UTF-8 with its mark, a capture in UTF-16.  Nothing starts or is stored
// with other letters in their place, and no line is lost; the letters the
// code page holds (e acute, u umlaut, sharp s) go through byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

using vqtest::Vq;
using vqtest::Window;

namespace {

const std::wstring kGreek = L"\u03B1\u03B2\u03B3 \u0394\u03B5\u03BB\u03C4\u03B1";  // alpha beta gamma Delta...
const std::wstring kCyrillic = L"\u043F\u0440\u0438\u0432\u0435\u0442";
const std::wstring kCjk = L"\u6F22\u5B57";
const std::wstring kEmoji = L"\U0001F600";

vqtest::Setup launcher(const std::string& history) {
    vqtest::Setup setup;
    setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\napres_exec=-1\r\n";
    setup.history = history;
    setup.binFiles = {{"rec.exe", testsupport::readFile(testsupport::siblingExe("vq_stub.exe"))}};
    setup.env["VQ_STUB_CMDLINE"] = "{root}\\ran.txt";
    return setup;
}

std::wstring wide_text(const Window& control) {
    std::wstring text(static_cast<size_t>(SendMessageW(control.handle(), WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(control.handle(), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    return text;
}

std::wstring box_text(const vqtest::Box& box) {
    std::wstring text(4096, L'\0');
    text.resize(GetDlgItemTextW(box.handle(), 0xFFFF, text.data(), static_cast<int>(text.size())));
    return text;
}

std::string utf8(const std::wstring& text) {
    std::string bytes(text.size() * 4, '\0');
    bytes.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                         bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                         nullptr)));
    return "\xEF\xBB\xBF" + bytes;
}

std::string utf16(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    return bytes;
}

std::string ran(const Vq& vq) {
    return testsupport::readFile(vq.root() + "\\ran.txt");
}

}  // namespace

// Greek, Cyrillic, CJK and an emoji set into the Edit box: Enter starts
// nothing and stores nothing, a box names the letters, the text stays for
// the user to change.  Changed to e acute, u umlaut and sharp s, it runs
// and is stored with exactly those bytes.
TEST(VqLetters, ACommandRunsAsShownOrNotAtAll) {
    Vq vq({}, launcher("echo earlier command\r\n"));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    Window edit = main.item(vq::ID_Edit);
    const std::wstring command = L"rec.exe run " + kGreek + L" " + kCyrillic + L" " + kCjk + L" " + kEmoji;
    SendMessageW(edit.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(command.c_str()));
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
    vqtest::Box box = vq.waitBox("Error");
    ASSERT_TRUE(box);
    const std::wstring named = L"\u03B1 \u03B2 \u03B3 \u0394 \u03B5 \u03BB \u03C4 \u043F \u0440 \u0438 \u0432 \u0435 "
                               L"\u0442 \u6F22 \u5B57 \U0001F600";
    EXPECT_NE(box_text(box).find(named), std::wstring::npos);
    box.press(IDOK);
    EXPECT_EQ(wide_text(edit), command);
    EXPECT_TRUE(vq.running());
    EXPECT_FALSE(testsupport::fileExists(vq.root() + "\\ran.txt"));
    EXPECT_EQ(vq.readDataFile("vq.txt"), "echo earlier command\r\n");

    const std::wstring western = L"rec.exe run caf\u00E9 \u00FCber Stra\u00DFe";
    SendMessageW(edit.handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(western.c_str()));
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_NE(ran(vq).find(" run caf\xE9 \xFC" "ber Stra\xDF" "e"), std::string::npos) << ran(vq);
    EXPECT_EQ(vq.readDataFile("vq.txt"),
              "echo earlier command\r\nrec.exe run caf\xE9 \xFC" "ber Stra\xDF" "e\r\n");
}

// A history saved by an editor in UTF-8 with its mark: the list shows the
// lines the code page holds, never a line with other letters; the save
// writes plain ANSI and keeps the file as it was beside it, and says so.
TEST(VqLetters, AMarkedHistoryLosesNoLineAtTheSave) {
    const std::string history = utf8(L"echo plain old line\r\nrec.exe run " + kGreek + L"\r\necho " + kCyrillic +
                                     L"\r\ntype " + kCjk + L".txt\r\necho " + kEmoji +
                                     L" party\r\ntype caf\u00E9 menu.txt\r\n");
    Vq vq({}, launcher(history));
    Window main = vq.waitReady();
    ASSERT_TRUE(main);
    EXPECT_EQ(main.item(vq::ID_ListBox).items(),
              (std::vector<std::string>{"type caf\xE9 menu.txt", "echo plain old line"}));
    main.item(vq::ID_Edit).setText("rec run the next one");
    PostMessageA(main.item(vq::ID_Edit).handle(), WM_KEYDOWN, VK_RETURN, 1);
    vqtest::Box box = vq.waitBox("Information");
    ASSERT_TRUE(box);
    EXPECT_EQ(box.message().rfind("4 lines of \"" + vq.historyPath() + "\"", 0), 0u) << box.message();
    EXPECT_NE(box.message().find(vq.dataDir() + "\\vq-unicode.txt"), std::string::npos) << box.message();
    box.press(IDOK);
    EXPECT_EQ(vq.waitExit(), 0);
    EXPECT_EQ(vq.readDataFile("vq.txt"),
              "echo plain old line\r\ntype caf\xE9 menu.txt\r\nrec run the next one\r\n");
    EXPECT_EQ(vq.readDataFile("vq-unicode.txt"), history);
}

// vq -stuff of a UTF-16 capture: the box quotes the first line it could
// not take as written; the capture keeps those lines alone, in UTF-16 with
// its mark, so a second import adds nothing.
TEST(VqLetters, AnImportLeavesOnlyWhatItCouldNotTake) {
    const std::wstring kept = L"rec.exe cap " + kGreek + L"\r\necho " + kCjk + L" " + kEmoji + L"\r\n";
    std::string captured = utf16(L"make all\r\nrec.exe cap " + kGreek + L"\r\ncopy a.txt b.txt\r\necho " + kCjk +
                                 L" " + kEmoji + L"\r\n");
    std::string history = "echo old one\r\n";
    for (int round = 1; round <= 2; ++round) {
        vqtest::Setup setup = launcher(history);
        setup.workFiles = {{"captured.txt", captured}};
        Vq stuff({"-stuff", "captured.txt"}, setup);
        vqtest::Box box = stuff.waitBox("Error");
        ASSERT_TRUE(box) << round;
        EXPECT_EQ(box_text(box).rfind(L"2 lines of \"captured.txt\"", 0), 0u) << round;
        EXPECT_NE(box_text(box).find(L"\r\nrec.exe cap " + kGreek), std::wstring::npos) << round;
        box.press(IDOK);
        EXPECT_EQ(stuff.waitExit(), 0) << round;
        history = stuff.readDataFile("vq.txt");
        captured = testsupport::readFile(stuff.workDir() + "\\captured.txt");
        EXPECT_EQ(history, "echo old one\r\nmake all\r\ncopy a.txt b.txt\r\n") << round;
        EXPECT_EQ(captured, utf16(kept)) << round;
    }
}
