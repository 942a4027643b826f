// The exit codes of a run: what a batch file reads back as errorlevel.
#pragma once

namespace rovik {

enum class ExitCode : int {
    // The operation completed; a test's outcome 0.
    Ok = 0,
    // A fatal report (argument not recognized, not enough arguments, -s form
    // not recognized, bad -math operator, out of temporary names); -fdt and
    // -xct found nothing to write; a test's outcome 1.
    Failed = 1,
    // -directory: the name is a file.
    IsFile = 2,
    // A file cannot be opened (or the pop file cannot be replaced); -file and
    // -directory: the name is neither a file nor a directory.
    NoFile = 3,
    // Memory exhausted.
    OutOfMemory = 7,
    // The usage was shown (no operation, or an argument without the switch
    // character); the argument file cannot be opened for the -argv/-argvC
    // listing; -d:cwd cannot enter the directory.
    Refused = 17,
    // -g cancelled (or no keyboard to read from); -i without a variable name.
    Cancelled = 18,
};

// The outcome of a test operation: errorlevel 1 when `one` holds, else 0.
constexpr ExitCode outcome(bool one) {
    return one ? ExitCode::Failed : ExitCode::Ok;
}

}  // namespace rovik
