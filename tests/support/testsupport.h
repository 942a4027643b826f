// Helpers shared by the test programs: child processes with pipes,
// temporary directories and whole-file reads and writes. Win32 only.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testsupport {

// How long a test waits for what it expects to happen: far above what the
// slowest machine we test on takes in normal work (32-bit programs through
// an emulator on a busy machine), so that only a fault reaches it. Every
// wait ends as soon as its event happens; none paces a test.
constexpr unsigned kPatienceMs = 180000;

// The directory of the running test program, with a trailing backslash.
// The programs under test are built into the same directory.
std::string exeDir();
std::string siblingExe(const std::string& name);

struct ProcessResult {
    int exitCode = -1;
    std::string out;  // everything the child wrote to standard output
    std::string err;  // ... and to standard error
    bool timedOut = false;
};

struct RunOptions {
    std::optional<std::string> input;                       // standard input; none: an empty pipe
    std::string cwd;                                        // working directory; empty: inherit
    std::map<std::string, std::optional<std::string>> env;  // set (value) or remove (none)
    unsigned timeoutMs = kPatienceMs;
};

// The environment block of this process with the given changes applied:
// set (value) or remove (none); names compare without regard to case.
std::string environmentWith(const std::map<std::string, std::optional<std::string>>& changes);

// Starts commandLine (as CreateProcess sees it) and collects its output.
ProcessResult runProcess(const std::string& commandLine, const RunOptions& options = {});

// Quotes one argument the way the C runtime splits it again.
std::string quoteArg(const std::string& arg);

// Runs rovik.exe (beside the test) with the given arguments.
ProcessResult runRovik(const std::vector<std::string>& args, const RunOptions& options = {});
// Runs rovik.exe with a raw argument text appended after the program name.
ProcessResult runRovikRaw(const std::string& rawArgs, const RunOptions& options = {});

// Writes content to a batch file in dir and runs it with "cmd.exe /c".
// The directory of the test programs (so rovik.exe) is put first on PATH.
ProcessResult runBatch(const std::string& dir, const std::string& content, RunOptions options = {},
                       const std::string& name = "case.bat");

std::string readFile(const std::string& path);
// The file's content, or "" while it does not exist (a file that another
// process is about to write).
std::string readFileIfAny(const std::string& path);
void writeFile(const std::string& path, const std::string& content);
bool fileExists(const std::string& path);

// A fresh directory, removed with everything in it when it goes away.
// Without a parent it is made in the system's temporary directory (drive C
// under Wine); tests that want a Z: path pass one, e.g. "Z:\\tmp".
class TempDir {
  public:
    explicit TempDir(const std::string& parent = "");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory without a trailing backslash.
    const std::string& path() const { return path_; }
    // path() + "\\" + name
    std::string file(const std::string& name) const;
    // Creates a sub-directory (and its parents) and returns its path.
    std::string mkdir(const std::string& name) const;
    // Writes a file below the directory and returns its path.
    std::string write(const std::string& name, const std::string& content) const;

  private:
    std::string path_;
};

// Deletes a directory tree; quiet about what is not there.
void removeTree(const std::string& path);
void removeTree(const std::wstring& path);

}  // namespace testsupport
