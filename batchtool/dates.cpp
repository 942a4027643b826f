// -date, -date0, -dateA, -lastmonth, -datetime, -s, -fdt and -fdts.
#include <windows.h>

#include <cstdio>
#include <ctime>

#include "datetext.h"
#include "operations.h"
#include "optiontable.h"

namespace rovik {

namespace {

// The clock in local time, read once per run.
CivilTime readClock() {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    CivilTime t;
    t.year = fullYear(local.tm_year);
    t.month = local.tm_mon + 1;
    t.day = local.tm_mday;
    t.hour = local.tm_hour;
    t.minute = local.tm_min;
    t.second = local.tm_sec;
    return t;
}

void write(Run& run, const std::string& text) {
    std::fputs(text.c_str(), run.outputTarget());
}

// The last-write time of a file in local time, as the file system packs it.
std::optional<CivilTime> fileStamp(const std::string& name) {
    HANDLE file =
        CreateFileA(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    FILETIME written, local;
    WORD dosDate = 0, dosTime = 0;
    bool ok = GetFileTime(file, nullptr, nullptr, &written) && FileTimeToLocalFileTime(&written, &local) &&
              FileTimeToDosDateTime(&local, &dosDate, &dosTime);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return unpackDosStamp(dosDate, dosTime);
}

}  // namespace

int opDate(Run& run, const OpCall& call) {
    const std::string row = call.row->text;
    CivilTime now = readClock();
    if (row == "date")
        write(run, dateLines(now, DateStyle::Plain));
    else if (row == "date0")
        write(run, dateLines(now, DateStyle::TwoDigit));
    else if (row == "dateA")
        write(run, dateLines(now, DateStyle::MonthName));
    else if (row == "lastmonth")
        write(run, dateLines(oneMonthBack(now), DateStyle::MonthName));
    else
        write(run, dateTimeLine(now));
    return 0;
}

// -s [FORM]: no form (or an empty one) gives -date, "-0" -date0, "-m-1"
// -lastmonth.
int opDateForm(Run& run, const OpCall& call) {
    std::optional<std::string> form = run.fetchArg(call.pos + 1, 0);
    if (form && !form->empty() && *form != "-0" && *form != "-m-1")
        run.reportFatal("\"-s %s\" not recognized", form->c_str());
    CivilTime now = readClock();
    if (!form || form->empty())
        write(run, dateLines(now, DateStyle::Plain));
    else if (*form == "-0")
        write(run, dateLines(now, DateStyle::TwoDigit));
    else
        write(run, dateLines(oneMonthBack(now), DateStyle::MonthName));
    return 0;
}

// -fdt FILE, -fdts FILE: the file's last-write date and time.
int opFileDateTime(Run& run, const OpCall& call) {
    std::optional<std::string> name = run.fetchArg(call.pos + 1, 0);
    if (!name) run.notEnoughArguments(call.row->missingName);
    std::optional<CivilTime> stamp = fileStamp(*name);
    if (!stamp) return 1;
    write(run, std::string(call.row->text) == "fdts" ? fileStampCompact(*stamp) : fileStampLines(*stamp));
    return 0;
}

}  // namespace rovik
