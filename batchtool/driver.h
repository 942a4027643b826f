// rovik's driver: run-wide settings, the services operations use (argument
// access, output target, fatal reports) and the dispatcher.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "codepage.h"
#include "exitcode.h"

namespace rovik {

// Settings that modifiers change while the dispatcher walks the arguments.
struct RunSettings {
    char switchChar = '-';
    std::optional<std::string> outputPath;  // -o NAME / -oo
    std::optional<std::string> varName;     // -v NAME
    bool quote = false;                     // -q
    bool shortNames = false;                // -short / -u
    bool addSlash = false;                  // -/+
    bool dropSlash = false;                 // -/-
    bool chat = false;                      // -chat
    bool waitForKey = true;                 // cleared by -k-
    std::optional<std::string> argFile;     // -argv / -argvC
};

// Ends the run with an exit code. Thrown by every service that "ends the
// program"; caught once in runRovik, which flushes and closes the output.
struct RunExit {
    ExitCode code;
};

class Run {
  public:
    Run(std::vector<std::string> args, FILE* out = stdout, FILE* err = stderr);
    ~Run();

    RunSettings settings;

    // The argument list after pre-processing; position 0 is the program.
    const std::vector<std::string>& args() const { return args_; }
    int argc() const { return static_cast<int>(args_.size()); }
    // The command-line argument at pos, or none past the end.
    std::optional<std::string> arg(int pos) const;

    // Argument access as the option table's rows read it: the command line
    // at base + offset, or line offset + 1 of the argument file when one is
    // set and readable.
    std::optional<std::string> fetchArg(int base, int offset);

    [[noreturn]] void notEnoughArguments(const std::string& name);
    [[noreturn]] void reportFatal(const char* format, ...);
    // Writes "press a key" and waits for one, when waitForKey is set.
    void keyWait();
    FILE* openOrExit(const std::string& path, const char* mode);
    void* allocOrExit(size_t size);

    // The stream for set lines; opened on first use (the -o file, or stdout).
    FILE* outputTarget();
    // Writes text to the output target as it is.
    void write(const std::string& text);
    // Writes "set NAME=VALUE\n" to the output target.
    void emitSet(const std::string& name, const std::string& value);
    // The -v name if one was given, else the operation's default.
    std::string varName(const std::string& defaultName) const;
    std::string quotify(const std::string& text) const;

    FILE* out() const { return out_; }  // standard output (chat, usage)
    FILE* err() const { return err_; }  // standard error

    // Closes the output target (at the end of every run).
    void finish();

  private:
    std::vector<std::string> args_;
    FILE* out_;
    FILE* err_;
    FILE* target_ = nullptr;
    bool targetIsFile_ = false;
};

// Walks the arguments, applies modifiers and performs the first operation.
// Returns its exit code (or throws RunExit).
ExitCode dispatch(Run& run);

// The message of a text that the console code page cannot hold (no line
// end, like the other file messages).
void reportUnrepresentable(FILE* err, const UnrepresentableText& text);

// The whole run over pre-processed arguments (see args.h): dispatch, then
// flush and close the output. Returns the process exit code.
ExitCode runRovik(std::vector<std::string> args, FILE* out = stdout, FILE* err = stderr);

}  // namespace rovik
