// Operations that set, count, compute and clear batch variables.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "operations.h"
#include "text.h"
#include "textops.h"

namespace rovik {

namespace {
constexpr int noNameExit = 18;

// The variable name -p and -x start with: attached to the option ("-pName")
// or, for the bare option, the first argument, after which base moves on.
std::string firstName(Run& run, const OpCall& call, const char* bare, int& base) {
    if (!equalsIgnoreCase(call.text, bare)) return call.attached();
    std::optional<std::string> fetched = run.fetchArg(base, 0);
    if (!fetched) run.notEnoughArguments(std::string("-") + bare);
    ++base;
    return *fetched;
}
}  // namespace

// -p NAME VALUE [INDEX [COUNT]] and -pNAME VALUE [INDEX [COUNT]].
int opSetPart(Run& run, const OpCall& call) {
    int base = call.pos + 1;
    std::string name = firstName(run, call, "p", base);
    std::optional<std::string> value = run.fetchArg(base, 0);
    if (!value) run.notEnoughArguments("-p");
    std::string text = *value;  // the next fetch may reuse the argument-file buffer
    std::optional<std::string> index = run.fetchArg(base, 1);
    std::optional<std::string> count = run.fetchArg(base, 2);
    run.emitSet(name, selectPart(text, index, count));
    return 0;
}

// -clear / -c: the variables the directory and date operations choose.
int opClear(Run& run, const OpCall&) {
    for (const char* name : clearedVariables) run.emitSet(name, "");
    return 0;
}

// -x NAME [NAME...] and -xNAME [NAME...].
int opClearNamed(Run& run, const OpCall& call) {
    int base = call.pos + 1;
    std::string first = firstName(run, call, "x", base);
    run.emitSet(first, "");
    for (int k = 0;; ++k) {
        std::optional<std::string> name = run.fetchArg(base, k);
        // From an argument file every line number answers; the first
        // empty value ends the names.
        if (!name || (name->empty() && run.settings.argFile)) break;
        run.emitSet(*name, "");
    }
    return 0;
}

// -i NAME: the variable's number plus one (1 when unset or not a number).
int opIncrement(Run& run, const OpCall& call) {
    std::optional<std::string> name = run.arg(call.pos + 1);
    if (!name) return noNameExit;
    int32_t number = 1;
    if (const char* value = std::getenv(name->c_str())) number = wrapAdd(parseInt(value), 1);
    run.emitSet(*name, std::to_string(number));
    return 0;
}

// -math OUTPUT OP A B.
int opMath(Run& run, const OpCall& call) {
    if (!run.arg(call.pos + 4)) run.notEnoughArguments("math");
    const std::string output = *run.arg(call.pos + 1);
    const std::string op = *run.arg(call.pos + 2);
    MathResult result = calculate(op, *run.arg(call.pos + 3), *run.arg(call.pos + 4));
    if (result.status == MathStatus::BadOperator) run.reportFatal("-math, bad op:%s", op.c_str());
    if (result.status == MathStatus::DivideByZero) run.reportFatal("-math, division by zero");
    run.emitSet(output, std::to_string(result.value));
    return 0;
}

// -blr TEXT: underscores to blanks, backslash escapes the next character.
int opBlr(Run& run, const OpCall& call) {
    std::optional<std::string> text = run.arg(call.pos + 1);
    if (!text) run.notEnoughArguments("blr");
    run.emitSet("BLR", blankTranslate(*text));
    return 0;
}

}  // namespace rovik
