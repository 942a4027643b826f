// The option table: one row per option, in the order rows are tested. A row
// says how its option is matched, which arguments the dispatcher hands its
// handler, and which form of the handler it selects.
#pragma once

#include <span>
#include <string>

#include "operations.h"

namespace rovik {

enum class Match {
    Exact,       // whole text, ignoring case
    ExactCase,   // whole text, case counts
    SecondChar,  // only the character after the switch character, case counts
    Prefix,      // the first two characters, ignoring case ("w:")
};

// Where the arguments after the option come from.
enum class ArgSource {
    None,
    Next,        // the command line right after the option (the argument file plays no part)
    Fetch,       // fetchArg from the position after the option
    AtPosition,  // fetchArg by the command-line position (argument file line: position + 1)
};

// A row's arguments, written in the table as letters, one per argument:
//   N  the next command-line argument          n  the same, read only when there
//   F  fetchArg after the option               f  the same, read only when there
//   P  fetchArg by command-line position       p  the same, read only when there
//   A  the rest of the option's own text; the arguments fetched after it
//      count from the option itself
// A capital letter must be there: without it the run ends in the
// not-enough-arguments report under the row's missing name. A small letter
// followed by "..." reads every further argument, up to the first absent one
// (fetched from an argument file: the first empty value). A "|" after the first
// argument makes the ones after it count from the argument file's line 1
// again. Blanks between the letters are for the eye.
struct ArgShape {
    ArgSource source = ArgSource::None;
    bool attached = false;  // argument 0 is the rest of the option's text
    bool restart = false;   // "|": the fetched ones after argument 0 count from line 1 again
    bool rest = false;      // "...": then every further argument
    int required = 0;       // the first arguments that must be there (the attached one included)
    int optional = 0;       // then those read when there

    consteval ArgShape(const char* letters);
};

// The run-wide setting a modifier row changes.
enum class Setting {
    None,
    ArgFile,
    Chat,
    AddSlash,
    DropSlash,
    Output,
    OutputDefault,
    ShortNames,
    Quote,
    NoKeyWait,
    VarName,
};

struct OptionRow {
    const char* text;  // option text (for SecondChar: the character)
    Match match;
    ArgShape args;
    const char* missingName = nullptr;  // for notEnoughArguments
    Operation operation = nullptr;      // an operation row's handler
    Variant variant;                    // which form of the handler
    Setting setting = Setting::None;    // a modifier row's setting

    // An operation.
    consteval OptionRow(const char* text, Match match, ArgShape args, const char* missingName, Operation op,
                        Variant variant = {});
    // A modifier.
    consteval OptionRow(const char* text, Match match, ArgShape args, Setting setting);

    bool isModifier() const { return operation == nullptr; }
};

// The table, in test order.
std::span<const OptionRow> optionRows();

// Does row match the option text (the argument without its switch character)?
bool rowMatches(const OptionRow& row, const std::string& text);
// The first matching row, or nullptr.
const OptionRow* findRow(const std::string& text);

// The arguments of the row for the option at position pos of the run's
// argument list (text is that option without its switch character), read as
// the row's Args column says. Ends the run with the not-enough-arguments
// report when a required one is missing.
OpCall collectArgs(Run& run, const OptionRow& row, int pos, const std::string& text);

}  // namespace rovik
