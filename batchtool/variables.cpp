// Operations that set, count, compute and clear batch variables.
#include <cstdlib>
#include <string>

#include "codepage.h"
#include "operations.h"
#include "textops.h"

namespace rovik {

// -p NAME VALUE [INDEX [COUNT]] and -pNAME VALUE [INDEX [COUNT]].
ExitCode opSetPart(Run& run, const OpCall& call) {
    run.emitSet(call.args[0], selectPart(call.args[1], call.optionalArg(2), call.optionalArg(3)));
    return ExitCode::Ok;
}

// -clear / -c: the variables the directory and date operations choose.
ExitCode opClear(Run& run, const OpCall&) {
    for (const char* name : clearedVariables) run.emitSet(name, "");
    return ExitCode::Ok;
}

// -x NAME [NAME...] and -xNAME [NAME...].
ExitCode opClearNamed(Run& run, const OpCall& call) {
    for (const std::string& name : call.args) run.emitSet(name, "");
    return ExitCode::Ok;
}

// -i NAME: the variable's number plus one (1 when unset or not a number).
ExitCode opIncrement(Run& run, const OpCall& call) {
    std::optional<std::string> name = call.optionalArg(0);
    if (!name) return ExitCode::Cancelled;
    int32_t number = 1;
    if (std::optional<std::string> value = environmentVariable(*name)) number = wrapAdd(parseInt(*value), 1);
    run.emitSet(*name, std::to_string(number));
    return ExitCode::Ok;
}

// -math OUTPUT OP A B.
ExitCode opMath(Run& run, const OpCall& call) {
    const std::string& op = call.args[1];
    MathResult result = calculate(op, call.args[2], call.args[3]);
    if (result.status == MathStatus::BadOperator) run.reportFatal("-math, bad op:%s", op.c_str());
    if (result.status == MathStatus::DivideByZero) run.reportFatal("-math, division by zero");
    run.emitSet(call.args[0], std::to_string(result.value));
    return ExitCode::Ok;
}

// -blr TEXT: underscores to blanks, backslash escapes the next character.
ExitCode opBlr(Run& run, const OpCall& call) {
    run.emitSet("BLR", blankTranslate(call.args[0]));
    return ExitCode::Ok;
}

}  // namespace rovik
