// The wide command line split as the C runtime splits it for main, and the
// pre-processing of its arguments in the console code page.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "args.h"
#include "cmdline.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

using Args = std::vector<std::wstring>;

TEST(CommandLineSplit, BlanksQuotesAndBackslashes) {
    EXPECT_EQ(rovik::splitCommandLine(L"rovik -w"), (Args{L"rovik", L"-w"}));
    EXPECT_EQ(rovik::splitCommandLine(L"rovik  \t-a   b "), (Args{L"rovik", L"-a", L"b"}));
    EXPECT_EQ(rovik::splitCommandLine(L"rovik \"my notes.txt\" x\"y z\"w"),
              (Args{L"rovik", L"my notes.txt", L"xy zw"}));
    EXPECT_EQ(rovik::splitCommandLine(L"rovik \"\" a"), (Args{L"rovik", L"", L"a"}));
    // 2n backslashes before a quote: n and the quote switches; 2n+1: n and a
    // literal quote; elsewhere backslashes are ordinary.
    EXPECT_EQ(rovik::splitCommandLine(L"rovik a\\\\\"b c\" d\\\"e f\\\\g"),
              (Args{L"rovik", L"a\\b c", L"d\"e", L"f\\\\g"}));
    EXPECT_EQ(rovik::splitCommandLine(L"rovik \"a\"\"b c\""), (Args{L"rovik", L"a\"b", L"c"}));
    EXPECT_EQ(rovik::splitCommandLine(L"rovik \"open ended"), (Args{L"rovik", L"open ended"}));
}

TEST(CommandLineSplit, ProgramTokenKeepsItsBackslashes) {
    EXPECT_EQ(rovik::splitCommandLine(L"\"C:\\my tools\\rovik.exe\" -w"),
              (Args{L"C:\\my tools\\rovik.exe", L"-w"}));
    EXPECT_EQ(rovik::splitCommandLine(L"C:\\bin\\rovik.exe\\ -w"), (Args{L"C:\\bin\\rovik.exe\\", L"-w"}));
    EXPECT_EQ(rovik::splitCommandLine(L""), (Args{L""}));
}

#ifdef _WIN32
// The arguments after the program token agree with the system's own split.
TEST(CommandLineSplit, AgreesWithTheSystemsSplit) {
    const wchar_t* lines[] = {
        L"p a b",           L"p \"a b\" c",       L"p a\\\\\\\"b",   L"p \"a\\\\\" b",
        L"p a\\b\\ \"c\\\\\"", L"p \"\"\"\" x",     L"p \"a\"\"b\"\"c\"", L"p a\"b\"\"c d\"e",
        L"p \t x\t\ty",       L"p \"caf\u00e9 \u0151\" \u20ac",
    };
    for (const wchar_t* line : lines) {
        int n = 0;
        LPWSTR* system = CommandLineToArgvW(line, &n);
        ASSERT_NE(system, nullptr);
        Args expected(system + 1, system + n);
        LocalFree(system);
        Args ours = rovik::splitCommandLine(line);
        ours.erase(ours.begin());
        EXPECT_EQ(ours, expected) << "line " << std::string(line, line + wcslen(line)).c_str();
    }
}
#endif

// Each argument is narrowed, then translated; re-split items are narrowed
// only.
TEST(WideArgs, NarrowedThenTranslated) {
    auto narrow = [](const std::wstring& w) {
        std::string s;
        for (wchar_t c : w) s += c == L'\u00e9' ? '\x82' : static_cast<char>(c);
        return s;
    };
    EXPECT_EQ(rovik::preprocessWideArgs(L"rovik -g 10 n ^^^^caf\u00e9", narrow),
              (std::vector<std::string>{"rovik", "-g", "10", "n", "^caf\x82"}));
    EXPECT_EQ(rovik::preprocessWideArgs(L"rovik -directory \"C:\\caf\u00e9\\\" ^^", narrow),
              (std::vector<std::string>{"rovik", "-directory", "C:\\caf\x82\\", "^^"}));
}

}  // namespace
