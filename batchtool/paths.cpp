// Path services and the path operations: splits, truenames, the current
// directory in its forms, the drive twin and the small path conversions.
#include "paths.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <vector>

#include "operations.h"
#include "optiontable.h"
#include "pathtext.h"

namespace rovik {

namespace {

// Runs a platform call that fills a path buffer and returns the length
// (or the size it needs when the buffer is too small, 0 on failure). A result
// of any length is fetched whole and then cut to the path limit.
template <typename Call>
std::optional<std::string> askPlatform(Call call) {
    std::vector<char> buffer(MAX_PATH + 1);
    DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::nullopt;
    if (n >= buffer.size()) {
        buffer.resize(n + 1);
        n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0 || n >= buffer.size()) return std::nullopt;
    }
    return cutPath(std::string(buffer.data(), n));
}

std::optional<std::string> platformFullPath(const std::string& name) {
    return askPlatform(
        [&](char* buf, DWORD size) { return GetFullPathNameA(name.c_str(), size, buf, nullptr); });
}

std::optional<std::string> platformLongPath(const std::string& path) {
    return askPlatform([&](char* buf, DWORD size) { return GetLongPathNameA(path.c_str(), buf, size); });
}

std::optional<std::string> platformShortPath(const std::string& path) {
    return askPlatform([&](char* buf, DWORD size) { return GetShortPathNameA(path.c_str(), buf, size); });
}

// Full path, then long or short form; the name as typed when either fails.
std::string resolveName(const std::string& name, bool shortNames) {
    std::optional<std::string> full = platformFullPath(name);
    if (!full) return cutPath(name);
    std::optional<std::string> converted = shortNames ? platformShortPath(*full) : platformLongPath(*full);
    return converted ? *converted : cutPath(name);
}

void write(Run& run, const std::string& text) {
    std::fputs(text.c_str(), run.outputTarget());
}

// The command-line argument after the option, or the missing-argument report.
std::string nextArgOrExit(Run& run, const OpCall& call) {
    std::optional<std::string> arg = run.arg(call.pos + 1);
    if (!arg) run.notEnoughArguments(call.row->missingName);
    return *arg;
}

}  // namespace

std::string fullName(const std::string& name, bool shortNames) {
    if (hasWildcards(name)) {
        if (std::optional<FoundFile> found = findOrdinaryFile(name)) {
            // Resolve the directory through the matching file, keep the pattern.
            PathParts pattern = splitPath(name);
            PathParts resolved =
                splitPath(resolveName(pattern.drive + pattern.dir + found->name, shortNames));
            return cutPath(resolved.drive + resolved.dir + pattern.name + pattern.ext);
        }
    }
    return resolveName(name, shortNames);
}

std::string shortForm(const std::string& path) {
    std::optional<std::string> converted = platformShortPath(path);
    return converted ? *converted : cutPath(path);
}

std::string platformCurrentDir() {
    return askPlatform([](char* buf, DWORD size) { return GetCurrentDirectoryA(size, buf); })
        .value_or(std::string());
}

std::string currentDir(const RunSettings& settings, bool forceSlash) {
    std::string dir = platformCurrentDir();
    if (std::optional<std::string> longDir = platformLongPath(dir)) dir = *longDir;
    if (settings.shortNames) dir = fullName(dir, true);
    if (settings.addSlash)
        dir = addTrailingSlash(dir);
    else if (settings.dropSlash)
        dir = stripTrailingSlash(dir);
    else if (forceSlash)
        dir = addTrailingSlash(dir);
    return dir;
}

std::optional<FoundFile> findOrdinaryFile(const std::string& pattern) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<FoundFile> found;
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & excluded) continue;
        found = FoundFile{name, static_cast<int32_t>(data.nFileSizeLow)};
    } while (!found && FindNextFileA(search, &data));
    FindClose(search);
    return found;
}

bool pathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string tempName(Run& run, const std::string& ext) {
    // The counter part lives for the whole run, so a second name goes on
    // from the first.
    static std::string counter = "AAAAAAA~";
    std::string name = counter + ext;
    while (pathExists(name)) {
        if (!advanceTempCounter(counter)) run.reportFatal("Ran out of temp names!?");
        name = counter + ext;
    }
    std::fclose(run.openOrExit(name, "w"));
    return name;
}

// -fnsplit, -.fnsplit, -.Fnsplit, -nPath: drive, directory, name, extension.
int opFnsplit(Run& run, const OpCall& call) {
    const std::string row = call.row->text;
    std::string path;
    if (call.row->match == Match::SecondChar) {
        path = call.attached();
    } else {
        std::optional<std::string> arg = run.fetchArg(call.pos + 1, 0);
        if (!arg) run.notEnoughArguments(call.row->missingName);
        path = *arg;
    }
    std::string full = fullName(path, run.settings.shortNames);
    if (full.empty()) full = path;
    PathParts parts = splitPath(full);
    if (row == ".Fnsplit" && !parts.drive.empty()) parts.drive[0] = upperChar(parts.drive[0]);
    bool keepPeriod = row == ".fnsplit" || row == ".Fnsplit";
    if (!keepPeriod && !parts.ext.empty() && parts.ext[0] == '.') parts.ext.erase(0, 1);
    std::fprintf(run.outputTarget(), "set d~rv=%s\nset d~ir=%s\nset f~il=%s\nset e~xt=%s\n",
                 parts.drive.c_str(), parts.dir.c_str(), parts.name.c_str(), parts.ext.c_str());
    return 0;
}

// -UNCsplit: server and path of a network name.
int opUncSplit(Run& run, const OpCall& call) {
    std::optional<std::string> arg = run.fetchArg(call.pos + 1, 0);
    if (!arg) run.notEnoughArguments(call.row->missingName);
    UncParts parts = splitUnc(*arg);
    std::fprintf(run.outputTarget(), "set s~vr=%s\nset p~th=%s\n", parts.server.c_str(), parts.path.c_str());
    return 0;
}

// -w: NAME, -w. NAME, -w:NAME: the truename of a name.
int opTruename(Run& run, const OpCall& call) {
    std::string name;
    if (call.row->match == Match::Prefix)
        name = call.text.substr(2);
    else
        name = run.fetchArg(call.pos + 1, 0).value_or(std::string());

    std::string value;
    if (name.find_first_of(":\\/") != std::string::npos)
        value = run.settings.shortNames ? shortForm(name) : cutPath(name);
    else
        value = fullName(name, run.settings.shortNames);

    if (run.settings.addSlash)
        value = addTrailingSlash(value);
    else if (run.settings.dropSlash)
        value = stripTrailingSlash(value);
    if (std::string(call.row->text) == "w.") value = cutExtension(value);
    run.emitSet(run.varName("c~wd"), run.quotify(value));
    return 0;
}

// -w, -w+, -w-, -wdrv, -w+drv: the current directory.
int opCurrentDir(Run& run, const OpCall& call) {
    const std::string row = call.row->text;
    std::string dir = currentDir(run.settings, row == "w+");
    if (row == "w+drv") {
        std::fprintf(run.outputTarget(), "%c:\ncd %s\n", dir.empty() ? ' ' : dir[0],
                     run.quotify(dir).c_str());
        return 0;
    }
    if (row == "w-")
        dir = withoutDrive(dir);
    else if (row == "wdrv")
        dir = driveAsElement(dir);
    run.emitSet(run.varName("c~wd"), run.quotify(dir));
    return 0;
}

// -d:cwd DRIVE: make this directory's twin on another drive and enter it.
int opDriveTwin(Run& run, const OpCall& call) {
    std::optional<std::string> target = run.fetchArg(call.pos + 1, 0);
    if (!target) run.notEnoughArguments(call.row->missingName);
    std::string path = driveTwin(currentDir(run.settings, false), *target);
    if (!path.empty() && !pathExists(path)) {
        for (const std::string& dir : directoriesToMake(path)) {
            if (!pathExists(dir) && !CreateDirectoryA(dir.c_str(), nullptr)) break;
        }
    }
    return !path.empty() && SetCurrentDirectoryA(path.c_str()) ? 0 : 17;
}

// -// PATH: backslashes to slashes.
int opSlashes(Run& run, const OpCall& call) {
    std::string arg = nextArgOrExit(run, call);
    run.emitSet("c~wd", run.quotify(backslashesToSlashes(arg)));
    return 0;
}

// -:: WORDS...: the words joined into an address.
int opHttpize(Run& run, const OpCall& call) {
    if (!run.arg(call.pos + 1)) run.notEnoughArguments(call.row->missingName);
    std::vector<std::string> words(run.args().begin() + call.pos + 1, run.args().end());
    write(run, "set httpized=" + httpize(words) + "\n");
    return 0;
}

// -copy TEXT: the text as c_opy, without a line end.
int opCopy(Run& run, const OpCall& call) {
    std::string arg = nextArgOrExit(run, call);
    std::fprintf(run.outputTarget(), "set c_opy=%s", run.quotify(arg).c_str());
    return 0;
}

}  // namespace rovik
