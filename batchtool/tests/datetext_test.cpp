// Date texts for fixed days, independent of the clock.
#include <gtest/gtest.h>

#include "datetext.h"

using namespace rovik;

namespace {
CivilTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return CivilTime{y, mo, d, h, mi, s};
}
}  // namespace

TEST(DateText, TwentyNinthNovember2001) {
    CivilTime t = at(2001, 11, 29, 9, 5);
    EXPECT_EQ(dateLines(t, DateStyle::Plain), "set d~m=11\nset d~d=29\nset d~y=2001\n");
    EXPECT_EQ(dateLines(t, DateStyle::TwoDigit), "set d~m=11\nset d~d=29\nset d~y=01\n");
    EXPECT_EQ(dateLines(t, DateStyle::MonthName), "set d~m=November\nset d~d=29\nset d~y=2001\n");
    EXPECT_EQ(dateTimeLine(t), "set d~m=0111290905\n");
}

TEST(DateText, SmallNumbersHaveNoLeadingZeros) {
    EXPECT_EQ(dateLines(at(2017, 1, 5), DateStyle::Plain), "set d~m=1\nset d~d=5\nset d~y=2017\n");
    EXPECT_EQ(dateLines(at(2017, 1, 5), DateStyle::TwoDigit), "set d~m=01\nset d~d=05\nset d~y=17\n");
}

TEST(DateText, LastMonthWrapsTheYearAndKeepsTheDay) {
    EXPECT_EQ(dateLines(oneMonthBack(at(2017, 1, 5)), DateStyle::MonthName),
              "set d~m=December\nset d~d=5\nset d~y=2016\n");
    EXPECT_EQ(dateLines(oneMonthBack(at(2020, 3, 31)), DateStyle::MonthName),
              "set d~m=February\nset d~d=31\nset d~y=2020\n");
}

TEST(DateText, YearRule) {
    EXPECT_EQ(fullYear(101), 2001);  // years since 1900
    EXPECT_EQ(fullYear(99), 1999);
    EXPECT_EQ(fullYear(29), 2029);
    EXPECT_EQ(fullYear(30), 1930);
    EXPECT_EQ(fullYear(2001), 2001);
}

TEST(FileStamp, YearsBeforeAndAfter2000) {
    CivilTime t = unpackDosStamp(static_cast<uint16_t>(((1999 - 1980) << 9) | (12 << 5) | 31), 0);
    EXPECT_EQ(fileStampCompact(t), "set d~m=1231990000");
    t = unpackDosStamp(static_cast<uint16_t>((127 << 9) | (2 << 5) | 28),
                       static_cast<uint16_t>((23 << 11) | (59 << 5) | 29));
    EXPECT_EQ(fileStampLines(t), "set d~m=02\nset d~d=28\nset d~y=07\nset t~h=23\nset t~m=59\nset t~s=58\n");
}
