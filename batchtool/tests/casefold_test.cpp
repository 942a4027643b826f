// Letter case in the console code page: every byte's partners are the ones
// the system's wide mapping gives for that byte's letter, and the letters of
// 437 beyond ASCII are letters.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "casefold.h"
#include "codepage.h"
#include "text.h"

namespace {

// The reference: the byte as a wide letter, mapped by the window library's
// wide functions, back into the code page; the byte itself without a
// partner there.
unsigned char reference(UINT cp, int byte, bool upper) {
    char in = static_cast<char>(byte);
    wchar_t w[2] = {0, 0};
    if (MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, &in, 1, w, 2) != 1) return static_cast<unsigned char>(byte);
    if (upper)
        CharUpperBuffW(w, 1);
    else
        CharLowerBuffW(w, 1);
    char out[4];
    BOOL lost = FALSE;
    if (WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, w, 1, out, sizeof out, nullptr, &lost) != 1 || lost)
        return static_cast<unsigned char>(byte);
    return static_cast<unsigned char>(out[0]);
}

TEST(CaseFold, EveryByteOfTheOemPagesMatchesTheWideMapping) {
    for (UINT cp : {437u, 850u, 1252u}) {
        rovik::CaseTable t = rovik::codePageCaseTable(cp);
        for (int c = 0; c < 256; ++c) {
            EXPECT_EQ(t.upper[c], reference(cp, c, true)) << "code page " << cp << " byte " << c;
            EXPECT_EQ(t.lower[c], reference(cp, c, false)) << "code page " << cp << " byte " << c;
        }
    }
}

TEST(CaseFold, AccentedLettersOf437AreLetters) {
    rovik::CaseTable t = rovik::codePageCaseTable(437);
    EXPECT_EQ(t.upper[0x82], 0x90);  // é É
    EXPECT_EQ(t.lower[0x90], 0x82);
    EXPECT_EQ(t.upper[0x81], 0x9A);  // ü Ü
    EXPECT_EQ(t.upper[0x84], 0x8E);  // ä Ä
    EXPECT_EQ(t.upper[0xE9], 0xE9);  // Θ has no partner in 437
    EXPECT_EQ(t.upper['q'], 'Q');
    EXPECT_EQ(t.lower['Q'], 'q');
}

// The program's own operations fold with the table it installs at start.
TEST(CaseFold, InstalledTableFoldsTheOperationsTexts) {
    const rovik::CaseTable saved = rovik::caseTable();
    rovik::installCaseTable(rovik::codePageCaseTable(437));
    std::string fragment = "\x90"
                           "CLAIR\x9A";
    rovik::lowerLocale(fragment);
    EXPECT_EQ(fragment, "\x82"
                        "clair\x81");
    rovik::upperFirstLocale(fragment);
    EXPECT_EQ(fragment, "\x90"
                        "clair\x81");
    EXPECT_EQ(rovik::compareIgnoreCase("caf\x82", "CAF\x90"), 0);
    EXPECT_TRUE(rovik::containsIgnoreCase("\x9A"
                                          "BER",
                                          "\x81"
                                          "b"));
    EXPECT_NE(rovik::compareIgnoreCase("caf\x82", "cafe"), 0);
    std::string empty;
    rovik::upperFirstLocale(empty);
    EXPECT_EQ(empty, "");
    rovik::installCaseTable(saved);
}

// Tests run with output into pipes and without a console: the OEM page.
TEST(CodePage, WithoutAConsoleTheOemPage) {
    EXPECT_EQ(GetConsoleCP(), 0u);
    EXPECT_EQ(rovik::consoleCodePage(), GetOEMCP());
}

TEST(CodePage, ConversionsKnowWhatTheCodePageHolds) {
    ASSERT_EQ(rovik::consoleCodePage(), 437u);
    EXPECT_EQ(rovik::fromWideExact(L"caf\u00e9 \u00fc"), std::optional<std::string>("caf\x82 \x81"));
    EXPECT_EQ(rovik::toWide("caf\x82"), L"caf\u00e9");
    // No best fit: ő must not become o, nor € an e.
    EXPECT_EQ(rovik::fromWideExact(L"\u0151"), std::nullopt);
    EXPECT_EQ(rovik::fromWideExact(L"\u20ac"), std::nullopt);
    EXPECT_EQ(rovik::fromWideLossy(L"a\u0151b"), "a?b");
    EXPECT_EQ(rovik::fromWide(L"Z:\\plain\\caf\u00e9"), "Z:\\plain\\caf\x82");
}

}  // namespace
