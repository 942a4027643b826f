// Path services and the path operations: splits, truenames, the current
// directory in its forms, the drive twin and the small path conversions.
#include "paths.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <vector>

#include "codepage.h"
#include "operations.h"
#include "pathtext.h"

namespace rovik {

namespace {

// Runs a platform call that fills a wide path buffer and returns the length
// (or the size it needs when the buffer is too small, 0 on failure). A result
// of any length is fetched whole, taken into the console code page and then
// cut to the path limit.
template <typename Call>
std::optional<std::string> askPlatform(Call call) {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::nullopt;
    if (n >= buffer.size()) {
        buffer.resize(n + 1);
        n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0 || n >= buffer.size()) return std::nullopt;
    }
    return cutPath(fromWide(std::wstring(buffer.data(), n)));
}

std::optional<std::string> platformFullPath(const std::string& name) {
    const std::wstring wide = toWide(name);
    return askPlatform(
        [&](wchar_t* buf, DWORD size) { return GetFullPathNameW(wide.c_str(), size, buf, nullptr); });
}

std::optional<std::string> platformLongPath(const std::string& path) {
    const std::wstring wide = toWide(path);
    return askPlatform([&](wchar_t* buf, DWORD size) { return GetLongPathNameW(wide.c_str(), buf, size); });
}

std::optional<std::string> platformShortPath(const std::string& path) {
    const std::wstring wide = toWide(path);
    return askPlatform([&](wchar_t* buf, DWORD size) { return GetShortPathNameW(wide.c_str(), buf, size); });
}

// Full path, then long or short form; the name as typed when either fails.
std::string resolveName(const std::string& name, bool shortNames) {
    std::optional<std::string> full = platformFullPath(name);
    if (!full) return cutPath(name);
    std::optional<std::string> converted = shortNames ? platformShortPath(*full) : platformLongPath(*full);
    return converted ? *converted : cutPath(name);
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
    return askPlatform([](wchar_t* buf, DWORD size) { return GetCurrentDirectoryW(size, buf); })
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

namespace {

// A found file's name in the console code page: its short form stands in
// for a name the code page cannot hold.
std::string foundName(const std::wstring& name, const wchar_t* alternate) {
    if (std::optional<std::string> exact = fromWideExact(name)) return *exact;
    if (alternate[0] != L'\0')
        if (std::optional<std::string> shortName = fromWideExact(alternate)) return *shortName;
    throw UnrepresentableText{fromWideLossy(name)};
}

}  // namespace

std::optional<FoundFile> findOrdinaryFile(const std::string& pattern) {
    WIN32_FIND_DATAW data;
    HANDLE search = FindFirstFileW(toWide(pattern).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    bool found = false;
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & excluded) continue;
        found = true;
    } while (!found && FindNextFileW(search, &data));
    FindClose(search);
    if (!found) return std::nullopt;
    return FoundFile{foundName(data.cFileName, data.cAlternateFileName), static_cast<int32_t>(data.nFileSizeLow)};
}

bool pathExists(const std::string& path) {
    return GetFileAttributesW(toWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
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
ExitCode opFnsplit(Run& run, const OpCall& call) {
    const std::string& path = call.args[0];
    const auto form = call.variant.as<FnsplitForm>();
    std::string full = fullName(path, run.settings.shortNames);
    if (full.empty()) full = path;
    PathParts parts = splitPath(full);
    if (form == FnsplitForm::UpperDrive && !parts.drive.empty()) parts.drive[0] = upperChar(parts.drive[0]);
    if (form == FnsplitForm::DropPeriod && !parts.ext.empty() && parts.ext[0] == '.') parts.ext.erase(0, 1);
    std::fprintf(run.outputTarget(), "set d~rv=%s\nset d~ir=%s\nset f~il=%s\nset e~xt=%s\n",
                 parts.drive.c_str(), parts.dir.c_str(), parts.name.c_str(), parts.ext.c_str());
    return ExitCode::Ok;
}

// -UNCsplit: server and path of a network name.
ExitCode opUncSplit(Run& run, const OpCall& call) {
    UncParts parts = splitUnc(call.args[0]);
    std::fprintf(run.outputTarget(), "set s~vr=%s\nset p~th=%s\n", parts.server.c_str(), parts.path.c_str());
    return ExitCode::Ok;
}

// -w: NAME, -w. NAME, -w:NAME: the truename of a name (none: the empty text).
ExitCode opTruename(Run& run, const OpCall& call) {
    const std::string name = call.optionalArg(0).value_or(std::string());
    std::string value;
    if (name.find_first_of(":\\/") != std::string::npos)
        value = run.settings.shortNames ? shortForm(name) : cutPath(name);
    else
        value = fullName(name, run.settings.shortNames);

    if (run.settings.addSlash)
        value = addTrailingSlash(value);
    else if (run.settings.dropSlash)
        value = stripTrailingSlash(value);
    if (call.variant.as<TruenameForm>() == TruenameForm::NoExtension) value = cutExtension(value);
    run.emitSet(run.varName("c~wd"), run.quotify(value));
    return ExitCode::Ok;
}

// -w, -w+, -w-, -wdrv, -w+drv: the current directory.
ExitCode opCurrentDir(Run& run, const OpCall& call) {
    const auto form = call.variant.as<DirForm>();
    std::string dir = currentDir(run.settings, form == DirForm::TrailingSlash);
    switch (form) {
        case DirForm::DriveAndCd:
            std::fprintf(run.outputTarget(), "%c:\ncd %s\n", dir.empty() ? ' ' : dir[0],
                         run.quotify(dir).c_str());
            return ExitCode::Ok;
        case DirForm::WithoutDrive:
            dir = withoutDrive(dir);
            break;
        case DirForm::DriveAsElement:
            dir = driveAsElement(dir);
            break;
        case DirForm::Plain:
        case DirForm::TrailingSlash:
            break;
    }
    run.emitSet(run.varName("c~wd"), run.quotify(dir));
    return ExitCode::Ok;
}

// -d:cwd DRIVE: make this directory's twin on another drive and enter it.
ExitCode opDriveTwin(Run& run, const OpCall& call) {
    std::string path = driveTwin(currentDir(run.settings, false), call.args[0]);
    if (!path.empty() && !pathExists(path)) {
        for (const std::string& dir : directoriesToMake(path)) {
            if (!pathExists(dir) && !CreateDirectoryW(toWide(dir).c_str(), nullptr)) break;
        }
    }
    return !path.empty() && SetCurrentDirectoryW(toWide(path).c_str()) ? ExitCode::Ok : ExitCode::Refused;
}

// -// PATH: backslashes to slashes.
ExitCode opSlashes(Run& run, const OpCall& call) {
    run.emitSet("c~wd", run.quotify(backslashesToSlashes(call.args[0])));
    return ExitCode::Ok;
}

// -:: WORDS...: the words joined into an address.
ExitCode opHttpize(Run& run, const OpCall& call) {
    run.write("set httpized=" + httpize(call.args) + "\n");
    return ExitCode::Ok;
}

// -copy TEXT: the text as c_opy, without a line end.
ExitCode opCopy(Run& run, const OpCall& call) {
    run.write("set c_opy=" + run.quotify(call.args[0]));
    return ExitCode::Ok;
}

}  // namespace rovik
