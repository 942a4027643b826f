// -date, -date0, -dateA, -lastmonth, -datetime, -s, -fdt and -fdts.
#include <windows.h>

#include <cstdio>
#include <ctime>

#include "codepage.h"
#include "datetext.h"
#include "operations.h"

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

// The last-write time of a file in local time, as the file system packs it.
std::optional<CivilTime> fileStamp(const std::string& name) {
    HANDLE file =
        CreateFileW(toWide(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

// The set lines of today's date (or last month's) in one of its forms.
std::string dateText(DateForm form) {
    const CivilTime now = readClock();
    switch (form) {
        case DateForm::Plain:
            return dateLines(now, DateStyle::Plain);
        case DateForm::TwoDigit:
            return dateLines(now, DateStyle::TwoDigit);
        case DateForm::MonthName:
            return dateLines(now, DateStyle::MonthName);
        case DateForm::LastMonth:
            return dateLines(oneMonthBack(now), DateStyle::MonthName);
        case DateForm::DateTime:
            break;
    }
    return dateTimeLine(now);
}

}  // namespace

// -date, -date0, -dateA, -lastmonth, -datetime.
ExitCode opDate(Run& run, const OpCall& call) {
    run.write(dateText(call.variant.as<DateForm>()));
    return ExitCode::Ok;
}

// -s [FORM]: no form (or an empty one) gives -date, "-0" -date0, "-m-1"
// -lastmonth.
ExitCode opDateForm(Run& run, const OpCall& call) {
    const std::string form = call.optionalArg(0).value_or(std::string());
    DateForm chosen = DateForm::Plain;
    if (form == "-0")
        chosen = DateForm::TwoDigit;
    else if (form == "-m-1")
        chosen = DateForm::LastMonth;
    else if (!form.empty())
        run.reportFatal("\"-s %s\" not recognized", form.c_str());
    run.write(dateText(chosen));
    return ExitCode::Ok;
}

// -fdt FILE, -fdts FILE: the file's last-write date and time.
ExitCode opFileDateTime(Run& run, const OpCall& call) {
    std::optional<CivilTime> stamp = fileStamp(call.args[0]);
    if (!stamp) return ExitCode::Failed;
    const bool compact = call.variant.as<StampForm>() == StampForm::Compact;
    run.write(compact ? fileStampCompact(*stamp) : fileStampLines(*stamp));
    return ExitCode::Ok;
}

}  // namespace rovik
