// The operations the option table dispatches to. Each returns the run's exit
// code; call.row->text tells a shared handler which row selected it.
#pragma once

#include "driver.h"

namespace rovik {

using Operation = int (*)(Run& run, const OpCall& call);

// The argument file (driver.cpp)
int opArgvList(Run& run, const OpCall& call);   // -argv NAME as the last argument
int opArgvClear(Run& run, const OpCall& call);  // -argvC

// Paths and directories (paths.cpp, popfile.cpp)
int opFnsplit(Run& run, const OpCall& call);     // -fnsplit -.fnsplit -.Fnsplit -nPath
int opUncSplit(Run& run, const OpCall& call);    // -UNCsplit
int opTruename(Run& run, const OpCall& call);    // -w: -w. -w:name
int opCurrentDir(Run& run, const OpCall& call);  // -w -w+ -w- -wdrv -w+drv
int opPushDir(Run& run, const OpCall& call);     // -pushdir
int opPopDir(Run& run, const OpCall& call);      // -popdir
int opPushDd(Run& run, const OpCall& call);      // -pushdd
int opDriveTwin(Run& run, const OpCall& call);   // -d:cwd
int opSlashes(Run& run, const OpCall& call);     // -//
int opHttpize(Run& run, const OpCall& call);     // -::
int opCopy(Run& run, const OpCall& call);        // -copy

// Dates and times (dates.cpp)
int opDate(Run& run, const OpCall& call);          // -date -lastmonth -date0 -dateA -datetime
int opDateForm(Run& run, const OpCall& call);      // -s
int opFileDateTime(Run& run, const OpCall& call);  // -fdt -fdts

// Tests answering through the exit code (checks.cpp)
int opWildTest(Run& run, const OpCall& call);    // -*
int opCwdTest(Run& run, const OpCall& call);     // -cwd
int opFileExists(Run& run, const OpCall& call);  // -fileexists
int opFileSize(Run& run, const OpCall& call);    // -filelte -filegte
int opDirEq(Run& run, const OpCall& call);       // -direq
int opIfChars(Run& run, const OpCall& call);     // -ifchars
int opStrIStr(Run& run, const OpCall& call);     // -stristr
int opStrICmp(Run& run, const OpCall& call);     // -stricmp
int opFileOrDir(Run& run, const OpCall& call);   // -file -directory

// Input, arithmetic and text (input.cpp, variables.cpp, filefragment.cpp)
int opGetch(Run& run, const OpCall& call);       // -getch
int opGetLine(Run& run, const OpCall& call);     // -g -gLEN
int opSetPart(Run& run, const OpCall& call);     // -p -pName
int opClear(Run& run, const OpCall& call);       // -clear -c
int opClearNamed(Run& run, const OpCall& call);  // -x -xName
int opIncrement(Run& run, const OpCall& call);   // -i
int opMath(Run& run, const OpCall& call);        // -math
int opBlr(Run& run, const OpCall& call);         // -blr
int opXct(Run& run, const OpCall& call);         // -xct -Xct

}  // namespace rovik

// Handlers read their row (call.row->missingName and the like).
#include "optiontable.h"
