// Date and time texts; see datetext.h.
#include "datetext.h"

#include <cstdio>

namespace rovik {

namespace {

const char* const kMonthNames[] = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

std::string format(const char* fmt, int a, int b, int c, int d = 0, int e = 0, int f = 0) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, fmt, a, b, c, d, e, f);
    return buffer;
}

std::string number(const char* fmt, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, fmt, value);
    return buffer;
}

}  // namespace

int fullYear(int platformYear) {
    if (platformYear >= 1000) return platformYear;
    return platformYear + (platformYear < 30 ? 2000 : 1900);
}

std::string monthName(int month) {
    if (month < 1 || month > 12) return std::string();
    return kMonthNames[month - 1];
}

CivilTime oneMonthBack(const CivilTime& t) {
    CivilTime back = t;
    if (--back.month == 0) {
        back.month = 12;
        --back.year;
    }
    return back;
}

std::string dateLines(const CivilTime& t, DateStyle style) {
    std::string month, day, year;
    switch (style) {
        case DateStyle::Plain:
            month = number("%d", t.month);
            day = number("%d", t.day);
            year = number("%d", t.year);
            break;
        case DateStyle::TwoDigit:
            month = number("%02d", t.month);
            day = number("%02d", t.day);
            year = number("%02d", t.year % 100);
            break;
        case DateStyle::MonthName:
            month = monthName(t.month);
            day = number("%d", t.day);
            year = number("%d", t.year);
            break;
    }
    return "set d~m=" + month + "\nset d~d=" + day + "\nset d~y=" + year + "\n";
}

std::string dateTimeLine(const CivilTime& t) {
    return format("set d~m=%02d%02d%02d%02d%02d\n", t.year % 100, t.month, t.day, t.hour, t.minute);
}

CivilTime unpackDosStamp(uint16_t dosDate, uint16_t dosTime) {
    CivilTime t;
    t.year = 1980 + (dosDate >> 9);
    t.month = (dosDate >> 5) & 0x0F;
    t.day = dosDate & 0x1F;
    t.hour = dosTime >> 11;
    t.minute = (dosTime >> 5) & 0x3F;
    t.second = (dosTime & 0x1F) * 2;
    return t;
}

std::string fileStampLines(const CivilTime& t) {
    return format("set d~m=%02d\nset d~d=%02d\nset d~y=%02d\nset t~h=%02d\nset t~m=%02d\nset t~s=%02d\n",
                  t.month, t.day, t.year % 100, t.hour, t.minute, t.second);
}

std::string fileStampCompact(const CivilTime& t) {
    return format("set d~m=%02d%02d%02d%02d%02d", t.month, t.day, t.year % 100, t.hour, t.minute);
}

}  // namespace rovik
