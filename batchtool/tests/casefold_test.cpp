// The locale case mapping gives what the system's window-library text
// functions give, byte for byte, for every character of the code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "casefold.h"

namespace {

std::string everyByte() {
    std::string s;
    for (int c = 1; c < 256; ++c) s += static_cast<char>(c);
    return s;
}

TEST(CaseFold, LowerMatchesTheSystemForEveryByte) {
    std::string ours = everyByte(), system = everyByte();
    rovik::lowerLocale(ours);
    CharLowerBuffA(system.data(), static_cast<DWORD>(system.size()));
    for (size_t i = 0; i < ours.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(ours[i]), static_cast<unsigned char>(system[i])) << "byte " << i + 1;
}

TEST(CaseFold, UpperFirstMatchesTheSystemForEveryByteAndLeavesTheRest) {
    for (int c = 1; c < 256; ++c) {
        std::string ours{static_cast<char>(c), 'a', '\xE9'}, system = ours;
        rovik::upperFirstLocale(ours);
        CharUpperBuffA(system.data(), 1);
        EXPECT_EQ(ours, system) << "byte " << c;
    }
    std::string empty;
    rovik::upperFirstLocale(empty);
    EXPECT_EQ(empty, "");
}

}  // namespace
