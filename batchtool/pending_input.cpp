// Operations not built yet: each answers with a plain fatal report.
#include "operations.h"

namespace rovik {

int opGetch(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opGetLine(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opSetPart(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opClear(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opClearNamed(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opIncrement(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opMath(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opBlr(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }
int opXct(Run& run, const OpCall& call) { run.reportFatal("-%s: not built yet", call.text.c_str()); }

}  // namespace rovik
