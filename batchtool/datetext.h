// Date and time texts of the date operations, from a broken-down time, so
// that any calendar day can be formatted without the clock.
#pragma once

#include <cstdint>
#include <string>

namespace rovik {

// A calendar date and time with the full year (2001, not 101 or 1).
struct CivilTime {
    int year = 0;
    int month = 1;  // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The clock's year as years since 1900 made into a full year; a value of
// 1000 or more is taken as a full year already, and small values count from
// 2000 below 30 and from 1900 otherwise.
int fullYear(int platformYear);

// "January" .. "December"; empty outside 1..12.
std::string monthName(int month);

// The same date one month back; the day is kept as it is (31 March gives
// 31 February).
CivilTime oneMonthBack(const CivilTime& t);

enum class DateStyle {
    Plain,      // 11, 29, 2001
    TwoDigit,   // 11, 29, 01
    MonthName,  // November, 29, 2001
};

// The three set lines for d~m, d~d and d~y.
std::string dateLines(const CivilTime& t, DateStyle style);

// "set d~m=yymmddhhmm\n".
std::string dateTimeLine(const CivilTime& t);

// A file stamp in the file system's packed form: the date word (years since
// 1980, month, day) and the time word (hour, minute, seconds / 2).
CivilTime unpackDosStamp(uint16_t dosDate, uint16_t dosTime);

// The six set lines of a file's stamp (two digits each, year modulo 100).
std::string fileStampLines(const CivilTime& t);

// "set d~m=mmddyyhhmm" without a line end.
std::string fileStampCompact(const CivilTime& t);

}  // namespace rovik
