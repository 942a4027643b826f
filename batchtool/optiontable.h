// The option table: one row per option, in the order rows are tested.
#pragma once

#include <string>

#include "operations.h"

namespace rovik {

enum class Match {
    Exact,       // whole text, ignoring case
    ExactCase,   // whole text, case counts
    SecondChar,  // only the character after the switch character, case counts
    Prefix,      // the first two characters, ignoring case ("w:")
};

enum class Kind {
    Operation,
    Modifier,
};

// What a row reads, as documentation of the row and for its checks.
enum class Args {
    None,
    Next,      // the command-line argument after the option
    Fetch,     // fetchArg from the position after the option
    Attached,  // the rest of the option's own argument
};

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
    Kind kind;
    Args args;
    const char* missingName;  // name for notEnoughArguments, or nullptr
    Operation operation;      // for operations
    Setting setting;          // for modifiers
};

// The table, in test order, ending with a row whose text is nullptr.
extern const OptionRow optionTable[];

// Does row match the option text (the argument without its switch character)?
bool rowMatches(const OptionRow& row, const std::string& text);
// The first matching row, or nullptr.
const OptionRow* findRow(const std::string& text);

}  // namespace rovik
