// -xct / -Xct: the part of a found file's name that stands where the
// pattern has its "*".
#include <optional>
#include <string>

#include "casefold.h"
#include "operations.h"
#include "paths.h"
#include "textops.h"

namespace rovik {

// A missing pattern matches nothing.
ExitCode opXct(Run& run, const OpCall& call) {
    std::optional<std::string> pattern = call.optionalArg(0);
    if (!pattern) return ExitCode::Failed;
    std::optional<FoundFile> found = findOrdinaryFile(*pattern);
    if (!found) return ExitCode::Failed;
    std::optional<std::string> fragment = starFragment(*pattern, found->name);
    if (!fragment) return ExitCode::Failed;
    std::string text = *fragment;
    // The letters are folded with the system's mapping for the locale.
    lowerLocale(text);
    if (call.variant.as<FragmentCase>() == FragmentCase::UpperFirst) upperFirstLocale(text);
    run.emitSet("XCT", text);
    return ExitCode::Ok;
}

}  // namespace rovik
