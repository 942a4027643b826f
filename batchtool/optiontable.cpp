#include "optiontable.h"

#include <algorithm>
#include <cstring>

#include "text.h"

namespace rovik {

// The Args letters are read at compile time: a wrong letter stops the build,
// and so does a row whose parts do not fit together.
consteval ArgShape::ArgShape(const char* letters) {
    bool afterFirst = false;
    for (const char* c = letters; *c; ++c) {
        if (*c == ' ') continue;
        if (rest) throw "nothing may follow \"...\"";
        if (*c == '|') {
            if (!afterFirst || restart || required + optional != 1)
                throw "\"|\" only after the first argument";
            restart = true;
            continue;
        }
        if (*c == '.') {
            if (c[1] != '.' || c[2] != '.' || optional == 0) throw "\"...\" follows a small letter";
            --optional;
            rest = true;
            c += 2;
            continue;
        }
        if (*c == 'A') {
            if (afterFirst) throw "A comes first";
            attached = true;
            ++required;
            afterFirst = true;
            continue;
        }
        const bool needed = *c >= 'A' && *c <= 'Z';
        const char letter = needed ? static_cast<char>(*c - 'A' + 'a') : *c;
        const ArgSource from = letter == 'n'   ? ArgSource::Next
                               : letter == 'f' ? ArgSource::Fetch
                               : letter == 'p' ? ArgSource::AtPosition
                                               : ArgSource::None;
        if (from == ArgSource::None) throw "unknown letter";
        if (source != ArgSource::None && source != from) throw "one source per row";
        if (attached && from == ArgSource::Next) throw "A goes with fetched arguments";
        source = from;
        if (needed) {
            if (optional > 0) throw "required arguments come first";
            ++required;
        } else {
            ++optional;
        }
        afterFirst = true;
    }
}

consteval OptionRow::OptionRow(const char* text, Match match, ArgShape args, const char* missingName,
                               Operation op, Variant variant)
    : text(text), match(match), args(args), missingName(missingName), operation(op), variant(variant) {
    if (!op) throw "an operation row needs its handler";
    if (args.required > (args.attached ? 1 : 0) && !missingName)
        throw "required arguments need a missing name";
    if (args.attached && match != Match::SecondChar && match != Match::Prefix)
        throw "only a SecondChar or Prefix row has attached text";
}

consteval OptionRow::OptionRow(const char* text, Match match, ArgShape args, Setting setting)
    : text(text), match(match), args(args), setting(setting) {
    if (setting == Setting::None) throw "a modifier row needs its setting";
    if (args.required > 0 || args.rest || args.attached)
        throw "a modifier takes at most one optional argument";
}

namespace {

using M = Match;

// A new option is one row here and its handler (operations.h). The Args
// letters are explained with ArgShape (optiontable.h).
// clang-format off
const OptionRow optionTable[] = {
    // text        match          args         missing name      handler         form
    {"*",          M::SecondChar, "N",         "filewild",       opWildTest},
    {"xct",        M::ExactCase,  "n",         nullptr,          opXct,          FragmentCase::Lower},
    {"Xct",        M::ExactCase,  "n",         nullptr,          opXct,          FragmentCase::UpperFirst},
    {"blr",        M::Exact,      "N",         "blr",            opBlr},
    {"cwd",        M::Exact,      "N",         "cwd",            opCwdTest},
    {"fdt",        M::Exact,      "F",         "fdt",            opFileDateTime, StampForm::Lines},
    {"fdts",       M::Exact,      "F",         "fdt",            opFileDateTime, StampForm::Compact},
    {"fileexists", M::Exact,      "n",         nullptr,          opFileExists},
    {"filelte",    M::Exact,      "N N",       "filelte",        opFileSize,     SizeLimit::AtMost},
    {"filegte",    M::Exact,      "N N",       "filegte",        opFileSize,     SizeLimit::AtLeast},
    {"argv",       M::Exact,      "n",         Setting::ArgFile},
    {"direq",      M::Exact,      "N",         "direq",          opDirEq},
    {"math",       M::Exact,      "N N N N",   "math",           opMath},
    {"ifchars",    M::Exact,      "N N",       "ifchars",        opIfChars},
    {"stristr",    M::Exact,      "N N",       "stristr",        opStrIStr},
    {"stricmp",    M::Exact,      "N N",       "stricmp",        opStrICmp},
    {"chat",       M::Exact,      "",          Setting::Chat},
    {"file",       M::Exact,      "F",         "file/directory", opFileOrDir,    NameKind::File},
    {"directory",  M::Exact,      "F",         "file/directory", opFileOrDir,    NameKind::Directory},
    {"/+",         M::Exact,      "",          Setting::AddSlash},
    {"/-",         M::Exact,      "",          Setting::DropSlash},
    {"argvC",      M::Exact,      "N",         "argvC",          opArgvClear},
    {"o",          M::Exact,      "n",         Setting::Output},
    {"oo",         M::Exact,      "",          Setting::OutputDefault},
    {"short",      M::Exact,      "",          Setting::ShortNames},
    {"u",          M::Exact,      "",          Setting::ShortNames},
    {"q",          M::Exact,      "",          Setting::Quote},
    {"k-",         M::Exact,      "",          Setting::NoKeyWait},
    {"d:cwd",      M::Exact,      "F",         "d:cwd",          opDriveTwin},
    {"v",          M::Exact,      "n",         Setting::VarName},
    {"fnsplit",    M::Exact,      "F",         "fnsplit",        opFnsplit,      FnsplitForm::DropPeriod},
    {".fnsplit",   M::ExactCase,  "F",         "fnsplit",        opFnsplit,      FnsplitForm::KeepPeriod},
    {".Fnsplit",   M::ExactCase,  "F",         "fnsplit",        opFnsplit,      FnsplitForm::UpperDrive},
    {"UNCsplit",   M::Exact,      "F",         "fnsplit",        opUncSplit},
    {"n",          M::SecondChar, "A",         nullptr,          opFnsplit,      FnsplitForm::DropPeriod},
    {"w:",         M::Exact,      "f",         nullptr,          opTruename,     TruenameForm::Whole},
    {"w.",         M::Exact,      "f",         nullptr,          opTruename,     TruenameForm::NoExtension},
    {"w:",         M::Prefix,     "A",         nullptr,          opTruename,     TruenameForm::Whole},
    {"w",          M::Exact,      "",          nullptr,          opCurrentDir,   DirForm::Plain},
    {"w+",         M::Exact,      "",          nullptr,          opCurrentDir,   DirForm::TrailingSlash},
    {"w-",         M::Exact,      "",          nullptr,          opCurrentDir,   DirForm::WithoutDrive},
    {"wdrv",       M::Exact,      "",          nullptr,          opCurrentDir,   DirForm::DriveAsElement},
    {"w+drv",      M::Exact,      "",          nullptr,          opCurrentDir,   DirForm::DriveAndCd},
    {"pushdir",    M::Exact,      "p",         nullptr,          opPushDir},
    {"popdir",     M::Exact,      "p",         nullptr,          opPopDir},
    {"pushdd",     M::Exact,      "P p",       "pushdd",         opPushDd},
    {"date",       M::Exact,      "",          nullptr,          opDate,         DateForm::Plain},
    {"lastmonth",  M::Exact,      "",          nullptr,          opDate,         DateForm::LastMonth},
    {"date0",      M::Exact,      "",          nullptr,          opDate,         DateForm::TwoDigit},
    {"dateA",      M::Exact,      "",          nullptr,          opDate,         DateForm::MonthName},
    {"datetime",   M::Exact,      "",          nullptr,          opDate,         DateForm::DateTime},
    {"s",          M::Exact,      "f",         nullptr,          opDateForm},
    {"getch",      M::Exact,      "",          nullptr,          opGetch},
    {"g",          M::Exact,      "F F f...",  "-g",             opGetLine},
    {"g",          M::SecondChar, "A F f...",  "-g",             opGetLine},
    {"p",          M::Exact,      "F | F f f", "-p",             opSetPart},
    {"p",          M::SecondChar, "A | F f f", "-p",             opSetPart},
    {"clear",      M::Exact,      "",          nullptr,          opClear},
    {"c",          M::Exact,      "",          nullptr,          opClear},
    {"x",          M::Exact,      "F | f...",  "-x",             opClearNamed},
    {"x",          M::SecondChar, "A | f...",  "-x",             opClearNamed},
    {"i",          M::SecondChar, "n",         nullptr,          opIncrement},
    {"//",         M::Exact,      "N",         "//",             opSlashes},
    {"::",         M::Exact,      "N n...",    "//",             opHttpize},
    {"copy",       M::Exact,      "N",         "//",             opCopy},
};
// clang-format on

// Argument k of the row's list from where its source keeps it, or none.
std::optional<std::string> readArg(Run& run, const ArgShape& shape, int pos, int k) {
    // The command-line position: the attached text stands at the option's own.
    const int position = pos + k + (shape.attached ? 0 : 1);
    switch (shape.source) {
        case ArgSource::Next:
            return run.arg(position);
        case ArgSource::Fetch: {
            const int offset = shape.restart && k > 0 ? k - 1 : k;
            return run.fetchArg(position - offset, offset);
        }
        case ArgSource::AtPosition:
            return run.fetchArg(0, position);
        case ArgSource::None:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::span<const OptionRow> optionRows() {
    return optionTable;
}

bool rowMatches(const OptionRow& row, const std::string& text) {
    switch (row.match) {
        case Match::Exact:
            return equalsIgnoreCase(text, row.text);
        case Match::ExactCase:
            return text == row.text;
        case Match::SecondChar:
            return !text.empty() && text[0] == row.text[0];
        case Match::Prefix:
            return text.size() >= 2 && equalsIgnoreCase(text.substr(0, 2), row.text);
    }
    return false;
}

const OptionRow* findRow(const std::string& text) {
    for (const OptionRow& row : optionTable)
        if (rowMatches(row, text)) return &row;
    return nullptr;
}

OpCall collectArgs(Run& run, const OptionRow& row, int pos, const std::string& text) {
    const ArgShape& shape = row.args;
    const int listed = shape.required + shape.optional;
    OpCall call{{}, row.variant};
    for (int k = 0; k < listed || shape.rest; ++k) {
        std::optional<std::string> value;
        if (k == 0 && shape.attached)
            value = text.substr(std::min(text.size(), std::strlen(row.text)));
        else
            value = readArg(run, shape, pos, k);
        if (!value) {
            if (k < shape.required) run.notEnoughArguments(row.missingName);
            break;
        }
        // An argument file answers every line number: its first empty value
        // ends a list of any length.
        if (k >= listed && value->empty() && shape.source != ArgSource::Next && run.settings.argFile) break;
        call.args.push_back(std::move(*value));
    }
    return call;
}

}  // namespace rovik
