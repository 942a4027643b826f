// Texts between the ANSI code page (1252 under Wine here) and the
// console's OEM code page (437): e acute is 0xE9 in the one, 0x82 in the
// other; S caron (ANSI 0x8A) has no OEM form at all.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/codepage.h"
#include "testsupport.h"

namespace {

class CodePages : public ::testing::Test {
  protected:
    void SetUp() override {
        if (GetACP() != 1252 || GetOEMCP() != 437) GTEST_SKIP() << "needs ANSI 1252 and OEM 437";
    }
};

TEST_F(CodePages, LettersOfBothCodePagesAreCarriedOver) {
    EXPECT_EQ(vq::ansi_to_oem("C:\\caf\xe9\\vq.txt"), std::optional<std::string>("C:\\caf\x82\\vq.txt"));
    EXPECT_EQ(vq::oem_to_ansi("type caf\x82.txt"), "type caf\xe9.txt");
    EXPECT_EQ(vq::ansi_to_oem("\xc4\xd6\xdc\xe4\xf6\xfc\xdf"), std::optional<std::string>("\x8e\x99\x9a\x84\x94\x81\xe1"));
    EXPECT_FALSE(vq::ansi_to_oem("Ma\x8a"));
}

// What is run or stored goes into the ANSI code page exactly, or names the
// letters it lacks: the nearest letters (alpha as a, beta as sharp s,
// infinity as 8, a wide a as a) and the default "?" never stand in.
TEST_F(CodePages, AWideTextGoesIntoAnsiExactlyOrNamesTheLettersItLacks) {
    const struct {
        std::wstring text;
        std::string ansi;
        std::vector<std::wstring> lacking;
    } cases[] = {
        {L"type caf\u00E9 \u00FCber Stra\u00DFe \u20AC", "type caf\xE9 \xFC" "ber Stra\xDF" "e \x80", {}},
        {L"rec.exe run \u03B1\u03B2\u03B3 \u0394\u03B5\u03BB\u03C4\u03B1", "",
         {L"\u03B1", L"\u03B2", L"\u03B3", L"\u0394", L"\u03B5", L"\u03BB", L"\u03C4"}},
        {L"copy \u221E \uFF41 caf\u00E9", "", {L"\u221E", L"\uFF41"}},
        {L"del \u6F22\u5B57.txt", "", {L"\u6F22", L"\u5B57"}},
        {L"echo \U0001F600 \u043C\u0438\u0440", "", {L"\U0001F600", L"\u043C", L"\u0438", L"\u0440"}},
    };
    for (const auto& c : cases) {
        const vq::AnsiText got = vq::wide_to_ansi_checked(c.text);
        EXPECT_EQ(got.text, c.ansi);
        EXPECT_EQ(got.lacking, c.lacking) << got.text;
        EXPECT_EQ(vq::wide_to_ansi_exact(c.text).has_value(), c.lacking.empty());
    }
}

TEST_F(CodePages, PlainAsciiStaysByteForByte) {
    const std::string ascii = "doskey /history >>\"C:\\a b\\vq.txt\" & ^H~%1";
    EXPECT_EQ(vq::ansi_to_oem(ascii), std::optional<std::string>(ascii));
    EXPECT_EQ(vq::oem_to_ansi(ascii), ascii);
    EXPECT_EQ(vq::path_for_batch(ascii), ascii);
    EXPECT_EQ(vq::path_for_batch(""), "");
    EXPECT_TRUE(vq::is_plain_ascii(ascii));
    EXPECT_FALSE(vq::is_plain_ascii("caf\xe9"));
}

// The text a batch file holds must name the same file when cmd reads it
// back in the OEM code page.
std::string as_cmd_reads_it(const std::string& oem) {
    std::wstring wide(oem.size() + 1, L'\0');
    const int n = MultiByteToWideChar(CP_OEMCP, 0, oem.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? n - 1 : 0);
    return std::string(wide.begin(), wide.end());  // the test names are ASCII once shortened
}

TEST_F(CodePages, APathWithALetterCmdCannotReadGoesByItsShortForm) {
    testsupport::TempDir dir;
    const std::string odd = dir.mkdir("Ma\x8a long directory");
    const std::string file = odd + "\\vq.txt";
    testsupport::writeFile(file, "x\r\n");
    const std::string shown = vq::path_for_batch(file);
    ASSERT_TRUE(vq::is_plain_ascii(shown)) << shown;
    EXPECT_NE(GetFileAttributesA(as_cmd_reads_it(shown).c_str()), INVALID_FILE_ATTRIBUTES) << shown;

    // Not written yet: the short form of its directory and the name.
    const std::string later = vq::path_for_batch(odd + "\\later.txt");
    ASSERT_TRUE(vq::is_plain_ascii(later)) << later;
    EXPECT_EQ(later.substr(later.size() - 10), "\\later.txt");
    EXPECT_NE(GetFileAttributesA(later.substr(0, later.size() - 10).c_str()), INVALID_FILE_ATTRIBUTES);

    // No short form to be had: the nearest text, and no failure.
    EXPECT_FALSE(vq::path_for_batch("Q:\\no such drive\\Ma\x8a\\vq.txt").empty());
}

}  // namespace
