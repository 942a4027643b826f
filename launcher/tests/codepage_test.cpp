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
