// -pushdir, -popdir and -pushdd: the directory stack in the pop file.
#include "popfile.h"

#include <windows.h>

#include <cstdio>

#include "codepage.h"
#include "operations.h"
#include "pathtext.h"
#include "paths.h"

namespace rovik {

namespace {

const char kDefaultPopFile[] = "c:\\pop~";

// Moves a file, replacing the target and copying when the two names lie on
// different drives.
bool moveReplacing(const std::string& from, const std::string& to) {
    return MoveFileExW(toWide(from).c_str(), toWide(to).c_str(),
                       MOVEFILE_COPY_ALLOWED | MOVEFILE_REPLACE_EXISTING) != 0;
}

[[noreturn]] void failedToReplace(Run& run, const std::string& from, const std::string& to) {
    std::fprintf(run.err(), "couldn't rename %s to %s.", from.c_str(), to.c_str());
    run.keyWait();
    throw RunExit{ExitCode::NoFile};
}

std::string readAll(FILE* in) {
    std::string content;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0) content.append(buffer, n);
    return content;
}

// Appends the current directory, as the platform reports it, to the pop file.
void pushCurrentDir(Run& run, const std::string& popFile) {
    FILE* file = run.openOrExit(popFile, "a");
    std::fprintf(file, "%s\n", platformCurrentDir().c_str());
    std::fclose(file);
}

}  // namespace

std::string popFileName(const std::optional<std::string>& argument) {
    std::string name = kDefaultPopFile;
    if (std::optional<std::string> env = environmentVariable("JPOP"); env && !env->empty()) name = *env;
    if (argument && !argument->empty()) name = *argument;
    return name;
}

std::string popBackupName() {
    PathParts parts = splitPath(kDefaultPopFile);
    return parts.drive + parts.dir + parts.name + ".b~k";
}

// -pushdir [POPFILE]
ExitCode opPushDir(Run& run, const OpCall& call) {
    pushCurrentDir(run, popFileName(call.optionalArg(0)));
    return ExitCode::Ok;
}

// -pushdd NEWDIR [POPFILE]: push the current directory, then enter NEWDIR.
ExitCode opPushDd(Run& run, const OpCall& call) {
    pushCurrentDir(run, popFileName(call.optionalArg(1)));
    run.write(changeDirectoryLines(call.args[0]));
    return ExitCode::Ok;
}

// -popdir [POPFILE]: drop the newest line of the pop file and enter it.
//
// The shorter contents are written to a temporary file in the current
// directory, the pop file becomes the backup and the temporary file becomes
// the pop file. At every step the previous contents stay under the pop
// file's name or the backup's: a failed write or move puts things back and
// ends with exit code 3 without a change of directory. When the backup
// cannot be made the pop file is replaced directly.
ExitCode opPopDir(Run& run, const OpCall& call) {
    const std::string backup = popBackupName();
    const std::string temp = tempName(run, ".J~G");
    const std::string popFile = popFileName(call.optionalArg(0));

    FILE* in = openFile(popFile, "r");
    if (!in) {
        DeleteFileW(toWide(temp).c_str());  // no litter when there is nothing to pop
        in = run.openOrExit(popFile, "r");
    }
    std::string content = readAll(in);
    std::fclose(in);
    PoppedEntry entry = popLastEntry(content);

    FILE* out = run.openOrExit(temp, "w");
    bool written = std::fwrite(entry.rest.data(), 1, entry.rest.size(), out) == entry.rest.size();
    written = std::fclose(out) == 0 && written;
    if (!written) {
        DeleteFileW(toWide(temp).c_str());
        failedToReplace(run, temp, popFile);
    }

    if (moveReplacing(popFile, backup)) {
        if (!moveReplacing(temp, popFile)) {
            moveReplacing(backup, popFile);
            DeleteFileW(toWide(temp).c_str());
            failedToReplace(run, temp, popFile);
        }
    } else if (!moveReplacing(temp, popFile)) {
        // No backup can be kept (drive C may be closed to the user): the pop
        // file is still replaced, so the stack shrinks as it should.
        DeleteFileW(toWide(temp).c_str());
        failedToReplace(run, temp, popFile);
    }

    run.write(changeDirectoryLines(entry.last));
    return ExitCode::Ok;
}

}  // namespace rovik
