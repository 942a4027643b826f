// The operations the option table dispatches to. Each gets its arguments,
// already fetched and checked by the dispatcher as its row says, and the
// form its row selects; it returns the run's exit code.
#pragma once

#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "driver.h"
#include "exitcode.h"

namespace rovik {

// Which of the rows that share a handler selected it: each family of rows
// has its own enum (below, with its handler), kept here as its number.
class Variant {
  public:
    constexpr Variant() = default;
    template <typename E>
    requires std::is_enum_v<E>
    constexpr Variant(E form) : value_(static_cast<int>(form)) {}
    template <typename E>
    constexpr E as() const {
        return static_cast<E>(value_);
    }

  private:
    int value_ = 0;
};

// What an operation is handed.
struct OpCall {
    // The arguments in the order of the row's Args column: every required
    // one, then the others as far as they were there.
    std::vector<std::string> args;
    Variant variant;

    // Argument k, or none when the run did not give it.
    std::optional<std::string> optionalArg(size_t k) const {
        return k < args.size() ? std::optional<std::string>(args[k]) : std::nullopt;
    }
};

using Operation = ExitCode (*)(Run& run, const OpCall& call);

// The argument file (driver.cpp)
ExitCode opArgvClear(Run& run, const OpCall& call);  // -argvC

// Paths and directories (paths.cpp, popfile.cpp)
enum class FnsplitForm { DropPeriod, KeepPeriod, UpperDrive };  // UpperDrive keeps the period too
enum class TruenameForm { Whole, NoExtension };
enum class DirForm { Plain, TrailingSlash, WithoutDrive, DriveAsElement, DriveAndCd };
ExitCode opFnsplit(Run& run, const OpCall& call);     // -fnsplit -.fnsplit -.Fnsplit -nPath
ExitCode opUncSplit(Run& run, const OpCall& call);    // -UNCsplit
ExitCode opTruename(Run& run, const OpCall& call);    // -w: -w. -w:name
ExitCode opCurrentDir(Run& run, const OpCall& call);  // -w -w+ -w- -wdrv -w+drv
ExitCode opPushDir(Run& run, const OpCall& call);     // -pushdir
ExitCode opPopDir(Run& run, const OpCall& call);      // -popdir
ExitCode opPushDd(Run& run, const OpCall& call);      // -pushdd
ExitCode opDriveTwin(Run& run, const OpCall& call);   // -d:cwd
ExitCode opSlashes(Run& run, const OpCall& call);     // -//
ExitCode opHttpize(Run& run, const OpCall& call);     // -::
ExitCode opCopy(Run& run, const OpCall& call);        // -copy

// Dates and times (dates.cpp)
enum class DateForm { Plain, TwoDigit, MonthName, LastMonth, DateTime };
enum class StampForm { Lines, Compact };
ExitCode opDate(Run& run, const OpCall& call);          // -date -lastmonth -date0 -dateA -datetime
ExitCode opDateForm(Run& run, const OpCall& call);      // -s
ExitCode opFileDateTime(Run& run, const OpCall& call);  // -fdt -fdts

// Tests answering through the exit code (checks.cpp)
enum class SizeLimit { AtMost, AtLeast };
enum class NameKind { File, Directory };
ExitCode opWildTest(Run& run, const OpCall& call);    // -*
ExitCode opCwdTest(Run& run, const OpCall& call);     // -cwd
ExitCode opFileExists(Run& run, const OpCall& call);  // -fileexists
ExitCode opFileSize(Run& run, const OpCall& call);    // -filelte -filegte
ExitCode opDirEq(Run& run, const OpCall& call);       // -direq
ExitCode opIfChars(Run& run, const OpCall& call);     // -ifchars
ExitCode opStrIStr(Run& run, const OpCall& call);     // -stristr
ExitCode opStrICmp(Run& run, const OpCall& call);     // -stricmp
ExitCode opFileOrDir(Run& run, const OpCall& call);   // -file -directory

// Input, arithmetic and text (input.cpp, variables.cpp, filefragment.cpp)
enum class FragmentCase { Lower, UpperFirst };
ExitCode opGetch(Run& run, const OpCall& call);       // -getch
ExitCode opGetLine(Run& run, const OpCall& call);     // -g -gLEN
ExitCode opSetPart(Run& run, const OpCall& call);     // -p -pName
ExitCode opClear(Run& run, const OpCall& call);       // -clear -c
ExitCode opClearNamed(Run& run, const OpCall& call);  // -x -xName
ExitCode opIncrement(Run& run, const OpCall& call);   // -i
ExitCode opMath(Run& run, const OpCall& call);        // -math
ExitCode opBlr(Run& run, const OpCall& call);         // -blr
ExitCode opXct(Run& run, const OpCall& call);         // -xct -Xct

}  // namespace rovik
