#include "testsupport.h"

#include <windows.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <thread>

namespace testsupport {

std::string exeDir() {
    char buf[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    std::string path(buf, n);
    return path.substr(0, path.find_last_of("\\/") + 1);
}

std::string siblingExe(const std::string& name) {
    return exeDir() + name;
}

std::string quoteArg(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\"") == std::string::npos) return arg;
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        if (c == '"')
            out.append(backslashes * 2 + 1, '\\');
        else
            out.append(backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, '\\');
    return out + "\"";
}

std::string environmentWith(const std::map<std::string, std::optional<std::string>>& changes) {
    auto upper = [](std::string s) {
        for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return s;
    };
    std::map<std::string, std::string> vars;  // NAME in upper case -> "Name=value"
    char* block = GetEnvironmentStringsA();
    for (const char* p = block; *p; p += strlen(p) + 1) {
        std::string entry = p;
        size_t eq = entry.find('=', 1);  // "=C:=C:\..." entries begin with '='
        if (eq == std::string::npos) continue;
        vars[upper(entry.substr(0, eq))] = entry;
    }
    FreeEnvironmentStringsA(block);
    for (const auto& [name, value] : changes) {
        if (value)
            vars[upper(name)] = name + "=" + *value;
        else
            vars.erase(upper(name));
    }
    std::string out;
    for (const auto& [key, entry] : vars) out += entry + '\0';
    return out + '\0';
}

namespace {

void drain(HANDLE h, std::string* into) {
    char buf[4096];
    DWORD n;
    while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) into->append(buf, n);
}

}  // namespace

ProcessResult runProcess(const std::string& commandLine, const RunOptions& options) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite, inRead, inWrite;
    if (!CreatePipe(&outRead, &outWrite, &sa, 0) || !CreatePipe(&errRead, &errWrite, &sa, 0) ||
        !CreatePipe(&inRead, &inWrite, &sa, 0))
        throw std::runtime_error("CreatePipe failed");
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = inRead;
    si.hStdOutput = outWrite;
    si.hStdError = errWrite;
    PROCESS_INFORMATION pi{};
    std::string cmd = commandLine;
    std::string env = environmentWith(options.env);
    BOOL ok = CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, env.data(),
                             options.cwd.empty() ? nullptr : options.cwd.c_str(), &si, &pi);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    CloseHandle(inRead);
    if (!ok) {
        CloseHandle(outRead);
        CloseHandle(errRead);
        CloseHandle(inWrite);
        throw std::runtime_error("cannot start: " + commandLine);
    }

    ProcessResult result;
    std::thread outThread(drain, outRead, &result.out);
    std::thread errThread(drain, errRead, &result.err);
    if (options.input) {
        DWORD written;
        WriteFile(inWrite, options.input->data(), static_cast<DWORD>(options.input->size()), &written,
                  nullptr);
    }
    CloseHandle(inWrite);

    if (WaitForSingleObject(pi.hProcess, options.timeoutMs) == WAIT_TIMEOUT) {
        result.timedOut = true;
        TerminateProcess(pi.hProcess, 255);
        WaitForSingleObject(pi.hProcess, kPatienceMs);
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    result.exitCode = static_cast<int>(code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // A grandchild that still holds the pipes would keep these reads open;
    // the tests start none that outlive their parent.
    outThread.join();
    errThread.join();
    CloseHandle(outRead);
    CloseHandle(errRead);
    return result;
}

ProcessResult runRovik(const std::vector<std::string>& args, const RunOptions& options) {
    std::string cmd = quoteArg(siblingExe("rovik.exe"));
    for (const auto& a : args) {
        cmd += ' ';
        cmd += quoteArg(a);
    }
    return runProcess(cmd, options);
}

ProcessResult runRovikRaw(const std::string& rawArgs, const RunOptions& options) {
    return runProcess(quoteArg(siblingExe("rovik.exe")) + " " + rawArgs, options);
}

ProcessResult runBatch(const std::string& dir, const std::string& content, RunOptions options,
                       const std::string& name) {
    std::string bat = dir + "\\" + name;
    writeFile(bat, content);
    if (!options.env.count("PATH")) {
        char buf[32768];
        DWORD n = GetEnvironmentVariableA("PATH", buf, sizeof buf);
        std::string path = exeDir();
        path.pop_back();
        if (n > 0 && n < sizeof buf) {
            path += ';';
            path.append(buf, n);
        }
        options.env["PATH"] = path;
    }
    if (options.cwd.empty()) options.cwd = dir;
    char comspec[MAX_PATH] = "cmd.exe";
    GetEnvironmentVariableA("COMSPEC", comspec, sizeof comspec);
    return runProcess(quoteArg(comspec) + " /c " + quoteArg(bat), options);
}

std::string readFile(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) throw std::runtime_error("cannot read " + path);
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    fclose(f);
    return out;
}

std::string readFileIfAny(const std::string& path) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return {};
    fclose(f);
    return readFile(path);
}

void writeFile(const std::string& path, const std::string& content) {
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) throw std::runtime_error("cannot write " + path);
    fwrite(content.data(), 1, content.size(), f);
    fclose(f);
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {
std::atomic<unsigned> tempCounter{0};
}

TempDir::TempDir(const std::string& parent) {
    std::string base = parent;
    if (base.empty()) {
        char buf[MAX_PATH];
        DWORD n = GetTempPathA(sizeof buf, buf);
        base.assign(buf, n);
    }
    if (!base.empty() && base.back() != '\\') base += '\\';
    for (;;) {
        std::string candidate =
            base + "rvt" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(tempCounter++);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) throw std::runtime_error("cannot make " + candidate);
    }
}

TempDir::~TempDir() {
    removeTree(path_);
}

std::string TempDir::file(const std::string& name) const {
    return path_ + "\\" + name;
}

std::string TempDir::mkdir(const std::string& name) const {
    std::string full = file(name);
    for (size_t i = path_.size() + 1; i <= full.size(); ++i)
        if (i == full.size() || full[i] == '\\') CreateDirectoryA(full.substr(0, i).c_str(), nullptr);
    return full;
}

std::string TempDir::write(const std::string& name, const std::string& content) const {
    std::string full = file(name);
    size_t slash = name.find_last_of('\\');
    if (slash != std::string::npos) mkdir(name.substr(0, slash));
    writeFile(full, content);
    return full;
}

// Through the wide functions, so that names beyond the ANSI code page (a
// test's directory named with letters of another page) go too.
void removeTree(const std::wstring& path) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((path + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring full = path + L"\\" + name;
            SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                removeTree(full);
            else
                DeleteFileW(full.c_str());
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

void removeTree(const std::string& path) {
    std::wstring wide(path.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    removeTree(wide);
}

}  // namespace testsupport
