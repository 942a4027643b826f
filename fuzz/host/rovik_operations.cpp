#include "rovik_operations.h"

namespace rovik {

namespace {
std::optional<host::OperationCall> last;

ExitCode standIn(Run& run, const OpCall& call, Operation self, const char* name) {
    last = host::OperationCall{self, call};
    run.emitSet("op~", name);
    return ExitCode::Ok;
}
}  // namespace

namespace host {
const std::optional<OperationCall>& lastStandIn() {
    return last;
}
void forget() {
    last.reset();
}
}  // namespace host

#define ROVIK_STAND_IN(op)                      \
    ExitCode op(Run& run, const OpCall& call) { \
        return standIn(run, call, &op, #op);    \
    }

ROVIK_STAND_IN(opFnsplit)
ROVIK_STAND_IN(opUncSplit)
ROVIK_STAND_IN(opTruename)
ROVIK_STAND_IN(opCurrentDir)
ROVIK_STAND_IN(opPushDir)
ROVIK_STAND_IN(opPopDir)
ROVIK_STAND_IN(opPushDd)
ROVIK_STAND_IN(opDriveTwin)
ROVIK_STAND_IN(opSlashes)
ROVIK_STAND_IN(opHttpize)
ROVIK_STAND_IN(opCopy)
ROVIK_STAND_IN(opDate)
ROVIK_STAND_IN(opDateForm)
ROVIK_STAND_IN(opFileDateTime)
ROVIK_STAND_IN(opWildTest)
ROVIK_STAND_IN(opCwdTest)
ROVIK_STAND_IN(opFileExists)
ROVIK_STAND_IN(opFileSize)
ROVIK_STAND_IN(opDirEq)
ROVIK_STAND_IN(opIfChars)
ROVIK_STAND_IN(opStrIStr)
ROVIK_STAND_IN(opStrICmp)
ROVIK_STAND_IN(opFileOrDir)
ROVIK_STAND_IN(opGetch)
ROVIK_STAND_IN(opGetLine)
ROVIK_STAND_IN(opXct)

}  // namespace rovik
