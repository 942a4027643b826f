// Operations not built yet: each answers with a plain fatal report.
#include "operations.h"

namespace rovik {

int opFnsplit(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opUncSplit(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opTruename(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opCurrentDir(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opPushDir(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opPopDir(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opPushDd(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opDriveTwin(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opSlashes(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opHttpize(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opCopy(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opDate(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opDateForm(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opFileDateTime(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opWildTest(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opCwdTest(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opFileExists(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opFileSize(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opDirEq(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opIfChars(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opStrIStr(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opStrICmp(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opFileOrDir(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }

}  // namespace rovik
