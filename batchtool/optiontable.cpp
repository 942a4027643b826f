#include "optiontable.h"

#include "argfile.h"
#include "text.h"

namespace rovik {

namespace {
constexpr auto Op = Kind::Operation;
constexpr auto Mod = Kind::Modifier;
constexpr auto S = Setting::None;
}  // namespace

// clang-format off
const OptionRow optionTable[] = {
    // text        match              kind args           missing name      operation        setting
    {"*",          Match::SecondChar, Op,  Args::Next,     "filewild",       opWildTest,      S},
    {"xct",        Match::ExactCase,  Op,  Args::Next,     nullptr,          opXct,           S},
    {"Xct",        Match::ExactCase,  Op,  Args::Next,     nullptr,          opXct,           S},
    {"blr",        Match::Exact,      Op,  Args::Next,     "blr",            opBlr,           S},
    {"cwd",        Match::Exact,      Op,  Args::Next,     "cwd",            opCwdTest,       S},
    {"fdt",        Match::Exact,      Op,  Args::Fetch,    "fdt",            opFileDateTime,  S},
    {"fdts",       Match::Exact,      Op,  Args::Fetch,    "fdt",            opFileDateTime,  S},
    {"fileexists", Match::Exact,      Op,  Args::Next,     nullptr,          opFileExists,    S},
    {"filelte",    Match::Exact,      Op,  Args::Next,     "filelte",        opFileSize,      S},
    {"filegte",    Match::Exact,      Op,  Args::Next,     "filegte",        opFileSize,      S},
    {"argv",       Match::Exact,      Mod, Args::Next,     nullptr,          opArgvList,      Setting::ArgFile},
    {"direq",      Match::Exact,      Op,  Args::Next,     "direq",          opDirEq,         S},
    {"math",       Match::Exact,      Op,  Args::Next,     "math",           opMath,          S},
    {"ifchars",    Match::Exact,      Op,  Args::Next,     "ifchars",        opIfChars,       S},
    {"stristr",    Match::Exact,      Op,  Args::Next,     "stristr",        opStrIStr,       S},
    {"stricmp",    Match::Exact,      Op,  Args::Next,     "stricmp",        opStrICmp,       S},
    {"chat",       Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::Chat},
    {"file",       Match::Exact,      Op,  Args::Fetch,    "file/directory", opFileOrDir,     S},
    {"directory",  Match::Exact,      Op,  Args::Fetch,    "file/directory", opFileOrDir,     S},
    {"/+",         Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::AddSlash},
    {"/-",         Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::DropSlash},
    {"argvC",      Match::Exact,      Op,  Args::Next,     nullptr,          opArgvClear,     S},
    {"o",          Match::Exact,      Mod, Args::Next,     nullptr,          nullptr,         Setting::Output},
    {"oo",         Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::OutputDefault},
    {"short",      Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::ShortNames},
    {"u",          Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::ShortNames},
    {"q",          Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::Quote},
    {"k-",         Match::Exact,      Mod, Args::None,     nullptr,          nullptr,         Setting::NoKeyWait},
    {"d:cwd",      Match::Exact,      Op,  Args::Fetch,    "d:cwd",          opDriveTwin,     S},
    {"v",          Match::Exact,      Mod, Args::Next,     nullptr,          nullptr,         Setting::VarName},
    {"fnsplit",    Match::Exact,      Op,  Args::Fetch,    "fnsplit",        opFnsplit,       S},
    {".fnsplit",   Match::ExactCase,  Op,  Args::Fetch,    "fnsplit",        opFnsplit,       S},
    {".Fnsplit",   Match::ExactCase,  Op,  Args::Fetch,    "fnsplit",        opFnsplit,       S},
    {"UNCsplit",   Match::Exact,      Op,  Args::Fetch,    "fnsplit",        opUncSplit,      S},
    {"n",          Match::SecondChar, Op,  Args::Attached, nullptr,          opFnsplit,       S},
    {"w:",         Match::Exact,      Op,  Args::Fetch,    nullptr,          opTruename,      S},
    {"w.",         Match::Exact,      Op,  Args::Fetch,    nullptr,          opTruename,      S},
    {"w:",         Match::Prefix,     Op,  Args::Attached, nullptr,          opTruename,      S},
    {"w",          Match::Exact,      Op,  Args::None,     nullptr,          opCurrentDir,    S},
    {"w+",         Match::Exact,      Op,  Args::None,     nullptr,          opCurrentDir,    S},
    {"w-",         Match::Exact,      Op,  Args::None,     nullptr,          opCurrentDir,    S},
    {"wdrv",       Match::Exact,      Op,  Args::None,     nullptr,          opCurrentDir,    S},
    {"w+drv",      Match::Exact,      Op,  Args::None,     nullptr,          opCurrentDir,    S},
    {"pushdir",    Match::Exact,      Op,  Args::Fetch,    nullptr,          opPushDir,       S},
    {"popdir",     Match::Exact,      Op,  Args::Fetch,    nullptr,          opPopDir,        S},
    {"pushdd",     Match::Exact,      Op,  Args::Fetch,    "pushdd",         opPushDd,        S},
    {"date",       Match::Exact,      Op,  Args::None,     nullptr,          opDate,          S},
    {"lastmonth",  Match::Exact,      Op,  Args::None,     nullptr,          opDate,          S},
    {"date0",      Match::Exact,      Op,  Args::None,     nullptr,          opDate,          S},
    {"dateA",      Match::Exact,      Op,  Args::None,     nullptr,          opDate,          S},
    {"datetime",   Match::Exact,      Op,  Args::None,     nullptr,          opDate,          S},
    {"s",          Match::Exact,      Op,  Args::Fetch,    nullptr,          opDateForm,      S},
    {"getch",      Match::Exact,      Op,  Args::None,     nullptr,          opGetch,         S},
    {"g",          Match::Exact,      Op,  Args::Fetch,    "-g",             opGetLine,       S},
    {"g",          Match::SecondChar, Op,  Args::Attached, "-g",             opGetLine,       S},
    {"p",          Match::Exact,      Op,  Args::Fetch,    "-p",             opSetPart,       S},
    {"p",          Match::SecondChar, Op,  Args::Attached, "-p",             opSetPart,       S},
    {"clear",      Match::Exact,      Op,  Args::None,     nullptr,          opClear,         S},
    {"c",          Match::Exact,      Op,  Args::None,     nullptr,          opClear,         S},
    {"x",          Match::Exact,      Op,  Args::Fetch,    "-x",             opClearNamed,    S},
    {"x",          Match::SecondChar, Op,  Args::Attached, "-x",             opClearNamed,    S},
    {"i",          Match::SecondChar, Op,  Args::Next,     nullptr,          opIncrement,     S},
    {"//",         Match::Exact,      Op,  Args::Next,     "//",             opSlashes,       S},
    {"::",         Match::Exact,      Op,  Args::Next,     "//",             opHttpize,       S},
    {"copy",       Match::Exact,      Op,  Args::Next,     "//",             opCopy,          S},
    {nullptr,      Match::Exact,      Op,  Args::None,     nullptr,          nullptr,         S},
};
// clang-format on

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
    for (const OptionRow* row = optionTable; row->text; ++row)
        if (rowMatches(*row, text)) return row;
    return nullptr;
}

}  // namespace rovik
