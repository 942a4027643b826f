// How a command from the Edit box is started: what its first word is, and
// the command line handed to the runner, directly, through the command
// interpreter, or through the repeat-loop script.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "support/textlist.h"

namespace vq {

// What the first word of a command turned out to be.
struct ProgramClass {
    bool found = false;   // a builtin, or an existing file
    bool direct = false;  // an existing ".com" or ".exe" program
    std::string prefix;   // " call" for a ".bat" or ".cmd" file, else empty
    std::string program;  // the word as the lookup resolved it
};

// The lookups resolveprogram needs: the search-path lookup of a name (the
// name itself when nothing is found) and the existence test of a path.
using FindProgram = std::function<std::string(const std::string&)>;
using PathExists = std::function<bool(const std::string&)>;

// Classifies a program word given without quotes.  A builtin is found and
// goes to the interpreter unchanged; any other word is looked up, counts as
// found only when the result is an existing path without wildcards, and is
// direct only when found with the extension ".com" or ".exe".
ProgramClass resolveprogram(const std::string& name, const std::optional<TextList>& builtin_list,
                            const FindProgram& find, const PathExists& exists);

// True when a ">" stands outside double quotes.
bool has_redirect(const std::string& command);

// The three command lines.  `rest` is the command after its first word,
// leading blank included.  A program or script path holding a blank is put
// in double quotes; a text for the interpreter that begins with a quote is
// wrapped in one more pair, which the interpreter's /C removes again.
std::string direct_command_line(const std::string& program, const std::string& rest);
std::string interpreter_command_line(const std::string& comspec, const std::string& program,
                                     const std::string& rest);
std::string repeat_command_line(const std::string& comspec, const std::string& vqargs,
                                const std::string& prefix, const std::string& program,
                                const std::string& rest);

// What to hand to the runner for one command.
struct StartPlan {
    std::string application;     // the resolved program, or comspec
    std::string command_line;    // one of the three shapes
    bool repeat_script = false;  // the repeat-loop script asks "Again?" itself
};

// The command goes through the interpreter when it holds shell characters,
// its program is not direct, or the Repeat key box is checked; through the
// repeat-loop script when that box is checked and it has no redirection.
StartPlan plan_start(const std::string& command, const std::string& rest, const ProgramClass& program,
                     const std::string& comspec, const std::string& vqargs, bool repeat_key);

}  // namespace vq
