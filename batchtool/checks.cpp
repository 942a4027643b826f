// The tests that answer through the exit code, with their -chat verdicts.
#include <windows.h>

#include <cstdio>

#include "checktext.h"
#include "operations.h"
#include "pathtext.h"
#include "paths.h"

namespace rovik {

namespace {

// The command-line argument at pos, or the missing-argument report.
std::string argOrExit(Run& run, const OpCall& call, int pos) {
    std::optional<std::string> arg = run.arg(pos);
    if (!arg) run.notEnoughArguments(call.row->missingName);
    return *arg;
}

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
int opWildTest(Run& run, const OpCall& call) {
    std::string what = argOrExit(run, call, call.pos + 1);
    bool wild = hasWildcards(what);
    if (run.settings.chat)
        std::fprintf(run.out(),
                     wild ? "\"%s\" contains wild cards *?\n" : "\"%s\" doesn't contain wild cards *?\n",
                     what.c_str());
    return wild ? 1 : 0;
}

// -fileexists PATTERN: 0 when an ordinary file matches.
int opFileExists(Run& run, const OpCall& call) {
    return searchAndChat(run, run.arg(call.pos + 1)) ? 0 : 1;
}

// -filelte PATTERN SIZE, -filegte PATTERN SIZE: 1 when no file matches or the
// first match's size is at most (at least) SIZE.
int opFileSize(Run& run, const OpCall& call) {
    argOrExit(run, call, call.pos + 2);
    std::string pattern = *run.arg(call.pos + 1);
    int32_t limit = parseDecimal(*run.arg(call.pos + 2));
    std::optional<FoundFile> found = searchAndChat(run, pattern);
    if (!found) return 1;
    bool atMost = std::string(call.row->text) == "filelte";
    bool holds = atMost ? found->size <= limit : found->size >= limit;
    if (run.settings.chat) {
        const char* format = atMost ? (holds ? "\n\"%s\" size %ld <= %ld (errorlevel 1)"
                                             : "\n\"%s\" size %ld > %ld (errorlevel 0)")
                                    : (holds ? "\n\"%s\" size %ld >= %ld (errorlevel 1)"
                                             : "\n\"%s\" size %ld < %ld (errorlevel 0)");
        std::fprintf(run.out(), format, pattern.c_str(), static_cast<long>(found->size),
                     static_cast<long>(limit));
    }
    return holds ? 1 : 0;
}

// -file NAME: 0 file, 1 directory, 3 neither. -directory NAME: 0 directory,
// 2 file, 3 neither.
int opFileOrDir(Run& run, const OpCall& call) {
    std::optional<std::string> arg = run.fetchArg(call.pos + 1, 0);
    if (!arg) run.notEnoughArguments(call.row->missingName);
    std::string name = prepareTestedName(*arg);
    DWORD attributes = GetFileAttributesA(name.c_str());
    bool wantDirectory = std::string(call.row->text) == "directory";
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (run.settings.chat) std::fprintf(run.out(), "%s is neither file nor directory", name.c_str());
        return 3;
    }
    bool isDirectory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (run.settings.chat)
        std::fprintf(run.out(), "%s is a %s", name.c_str(), isDirectory ? "directory" : "file");
    if (wantDirectory) return isDirectory ? 0 : 2;
    return isDirectory ? 1 : 0;
}

// -cwd NAME: 0 when NAME, exactly as typed, is the current directory.
int opCwdTest(Run& run, const OpCall& call) {
    std::string name = argOrExit(run, call, call.pos + 1);
    RunSettings plain;  // the slash modifiers play no part here
    plain.shortNames = run.settings.shortNames;
    std::string cwd = stripTrailingSlash(currentDir(plain, false));
    bool same = compareIgnoreCase(name, cwd) == 0;
    if (run.settings.chat)
        std::fprintf(run.out(),
                     same ? "\"%s\" is current directory \"%s\"" : "\"%s\" isn't current directory \"%s\"",
                     name.c_str(), cwd.c_str());
    return same ? 0 : 1;
}

// -direq PATH: 0 when PATH is the current directory (no drive: the
// directory part only).
int opDirEq(Run& run, const OpCall& call) {
    std::string path = argOrExit(run, call, call.pos + 1);
    return sameDirectory(platformCurrentDir(), path) ? 0 : 1;
}

// -ifchars CHARS WHAT: 1 when WHAT holds any of CHARS, ignoring case.
int opIfChars(Run& run, const OpCall& call) {
    argOrExit(run, call, call.pos + 2);
    std::string chars = toLower(*run.arg(call.pos + 1));
    std::string what = toLower(*run.arg(call.pos + 2));
    std::optional<char> found = firstCharFound(chars, what);
    if (run.settings.chat) {
        if (found)
            std::fprintf(run.out(), "\"%s\" contains %c", what.c_str(), *found);
        else
            std::fprintf(run.out(), "\"%s\" did not contain any of %s", what.c_str(), chars.c_str());
    }
    return found ? 1 : 0;
}

// -stristr S WHAT: 1 when S holds WHAT, ignoring case.
int opStrIStr(Run& run, const OpCall& call) {
    argOrExit(run, call, call.pos + 2);
    std::string s = *run.arg(call.pos + 1);
    std::string what = *run.arg(call.pos + 2);
    bool found = containsIgnoreCase(s, what);
    if (run.settings.chat)
        std::fprintf(run.out(), found ? "\"%s\" contains \"%s\"\n" : "\"%s\" does NOT contain \"%s\"\n",
                     s.c_str(), what.c_str());
    return found ? 1 : 0;
}

// -stricmp S1 S2: 0 when equal ignoring case, else 1.
int opStrICmp(Run& run, const OpCall& call) {
    argOrExit(run, call, call.pos + 2);
    std::string a = *run.arg(call.pos + 1);
    std::string b = *run.arg(call.pos + 2);
    int order = compareIgnoreCase(a, b);
    if (run.settings.chat)
        std::fprintf(run.out(),
                     order == 0  ? "%s == %s\n"
                     : order < 0 ? "%s < %s\n"
                                 : "%s > %s\n",
                     a.c_str(), b.c_str());
    return order == 0 ? 0 : 1;
}

}  // namespace rovik
