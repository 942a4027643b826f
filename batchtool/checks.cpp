// The tests that answer through the exit code, with their -chat verdicts.
#include <windows.h>

#include <cstdio>

#include "checktext.h"
#include "codepage.h"
#include "operations.h"
#include "pathtext.h"
#include "paths.h"

namespace rovik {

namespace {

// The first ordinary file matching the pattern, reported with -chat.
std::optional<FoundFile> searchAndChat(Run& run, const std::optional<std::string>& pattern) {
    std::optional<FoundFile> found;
    if (pattern) found = findOrdinaryFile(*pattern);
    if (run.settings.chat) {
        if (found)
            std::fprintf(run.out(), "\"%s\" existed", found->name.c_str());
        else
            std::fprintf(run.out(), "no file existed");
    }
    return found;
}

}  // namespace

// -* WHAT: 1 when WHAT holds a wildcard.
ExitCode opWildTest(Run& run, const OpCall& call) {
    const std::string& what = call.args[0];
    bool wild = hasWildcards(what);
    if (run.settings.chat)
        std::fprintf(run.out(),
                     wild ? "\"%s\" contains wild cards *?\n" : "\"%s\" doesn't contain wild cards *?\n",
                     what.c_str());
    return outcome(wild);
}

// -fileexists PATTERN: 0 when an ordinary file matches.
ExitCode opFileExists(Run& run, const OpCall& call) {
    return outcome(!searchAndChat(run, call.optionalArg(0)));
}

// -filelte PATTERN SIZE, -filegte PATTERN SIZE: 1 when no file matches or the
// first match's size is at most (at least) SIZE.
ExitCode opFileSize(Run& run, const OpCall& call) {
    const std::string& pattern = call.args[0];
    int32_t limit = parseDecimal(call.args[1]);
    std::optional<FoundFile> found = searchAndChat(run, pattern);
    if (!found) return outcome(true);
    bool atMost = call.variant.as<SizeLimit>() == SizeLimit::AtMost;
    bool holds = atMost ? found->size <= limit : found->size >= limit;
    if (run.settings.chat) {
        const char* format = atMost ? (holds ? "\n\"%s\" size %ld <= %ld (errorlevel 1)"
                                             : "\n\"%s\" size %ld > %ld (errorlevel 0)")
                                    : (holds ? "\n\"%s\" size %ld >= %ld (errorlevel 1)"
                                             : "\n\"%s\" size %ld < %ld (errorlevel 0)");
        std::fprintf(run.out(), format, pattern.c_str(), static_cast<long>(found->size),
                     static_cast<long>(limit));
    }
    return outcome(holds);
}

// -file NAME: 0 file, 1 directory, 3 neither. -directory NAME: 0 directory,
// 2 file, 3 neither.
ExitCode opFileOrDir(Run& run, const OpCall& call) {
    std::string name = prepareTestedName(call.args[0]);
    DWORD attributes = GetFileAttributesW(toWide(name).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (run.settings.chat) std::fprintf(run.out(), "%s is neither file nor directory", name.c_str());
        return ExitCode::NoFile;
    }
    bool isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (run.settings.chat)
        std::fprintf(run.out(), "%s is a %s", name.c_str(), isDirectory ? "directory" : "file");
    if (call.variant.as<NameKind>() == NameKind::Directory)
        return isDirectory ? ExitCode::Ok : ExitCode::IsFile;
    return outcome(isDirectory);
}

// -cwd NAME: 0 when NAME, exactly as typed, is the current directory.
ExitCode opCwdTest(Run& run, const OpCall& call) {
    const std::string& name = call.args[0];
    RunSettings plain;  // the slash modifiers play no part here
    plain.shortNames = run.settings.shortNames;
    std::string cwd = stripTrailingSlash(currentDir(plain, false));
    bool same = compareIgnoreCase(name, cwd) == 0;
    if (run.settings.chat)
        std::fprintf(run.out(),
                     same ? "\"%s\" is current directory \"%s\"" : "\"%s\" isn't current directory \"%s\"",
                     name.c_str(), cwd.c_str());
    return outcome(!same);
}

// -direq PATH: 0 when PATH is the current directory (no drive: the
// directory part only).
ExitCode opDirEq(Run&, const OpCall& call) {
    return outcome(!sameDirectory(platformCurrentDir(), call.args[0]));
}

// -ifchars CHARS WHAT: 1 when WHAT holds any of CHARS, ignoring case.
ExitCode opIfChars(Run& run, const OpCall& call) {
    std::string chars = toLower(call.args[0]);
    std::string what = toLower(call.args[1]);
    std::optional<char> found = firstCharFound(chars, what);
    if (run.settings.chat) {
        if (found)
            std::fprintf(run.out(), "\"%s\" contains %c", what.c_str(), *found);
        else
            std::fprintf(run.out(), "\"%s\" did not contain any of %s", what.c_str(), chars.c_str());
    }
    return outcome(found.has_value());
}

// -stristr S WHAT: 1 when S holds WHAT, ignoring case.
ExitCode opStrIStr(Run& run, const OpCall& call) {
    const std::string& s = call.args[0];
    const std::string& what = call.args[1];
    bool found = containsIgnoreCase(s, what);
    if (run.settings.chat)
        std::fprintf(run.out(), found ? "\"%s\" contains \"%s\"\n" : "\"%s\" does NOT contain \"%s\"\n",
                     s.c_str(), what.c_str());
    return outcome(found);
}

// -stricmp S1 S2: 0 when equal ignoring case, else 1.
ExitCode opStrICmp(Run& run, const OpCall& call) {
    const std::string& a = call.args[0];
    const std::string& b = call.args[1];
    int order = compareIgnoreCase(a, b);
    if (run.settings.chat)
        std::fprintf(run.out(),
                     order == 0  ? "%s == %s\n"
                     : order < 0 ? "%s < %s\n"
                                 : "%s > %s\n",
                     a.c_str(), b.c_str());
    return outcome(order != 0);
}

}  // namespace rovik
