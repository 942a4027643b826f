// rovik's argument pre-processing, option table and dispatcher over random
// command lines: options drawn from the table (either switch character,
// letters in either case, text attached), the name of an argument file
// whose lines are random too, numbers and random words. The operations
// that need the system are host stand-ins (fuzz/host/rovik_operations.h);
// the others run for real.
//
// Checked: pre-processing translates every argument the same way twice
// over and leaves no pair it removes; the run ends with one of the program's
// exit codes; every operation gets at least the arguments its row requires;
// a run that fails writes no output file.
//
// Every file rovik opens is redirected into a scratch directory of this
// program (the link wraps fopen), so no name on a random command line can
// touch a file outside it: the argument file is "args", every file opened
// for writing is "written", every other name does not exist.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "args.h"
#include "driver.h"
#include "optiontable.h"
#include "rovik_operations.h"

namespace {

std::string scratch;
bool insideRun = false;

std::string scratchFile(const char* name) {
    return scratch + "/" + name;
}

void removeScratch() {
    std::remove(scratchFile("args").c_str());
    std::remove(scratchFile("written").c_str());
    rmdir(scratch.c_str());
}

[[noreturn]] void fail(const char* what, const std::vector<std::string>& args) {
    std::fprintf(stderr, "rovik: %s; arguments:", what);
    for (const auto& a : args) std::fprintf(stderr, " [%s]", a.c_str());
    std::fputs("\n", stderr);
    std::abort();
}

// An option of the table as a user might type it.
std::string tableOption(FuzzedDataProvider& in) {
    const auto rows = rovik::optionRows();
    const rovik::OptionRow& row = rows[in.ConsumeIntegralInRange<size_t>(0, rows.size() - 1)];
    std::string text = in.ConsumeBool() ? "-" : "/";
    text += row.text;
    if (in.ConsumeBool()) {
        const size_t at = in.ConsumeIntegralInRange<size_t>(0, text.size() - 1);
        text[at] = static_cast<char>(text[at] ^ 0x20);  // the other letter case
    }
    if (row.match == rovik::Match::SecondChar || row.match == rovik::Match::Prefix)
        text += in.ConsumeRandomLengthString(12);
    return text;
}

std::string anyArgument(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 7)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return tableOption(in);
        case 4:
            return "args";
        case 5:
            return std::to_string(in.ConsumeIntegral<int8_t>());
        default:
            return in.ConsumeRandomLengthString(24);
    }
}

// The raw command line the arguments came from: each one in quotes when it
// holds a blank, and sometimes in any case (a quoted argument ending in a
// backslash is what makes rovik split the line again).
std::string rawLine(FuzzedDataProvider& in, const std::vector<std::string>& args) {
    std::string raw;
    for (const auto& a : args) {
        if (!raw.empty()) raw += ' ';
        const bool quote = a.find(' ') != std::string::npos || in.ConsumeBool();
        raw += quote ? '"' + a + '"' : a;
    }
    return raw;
}

// The raw line as the process receives it, wide; each byte one character
// (and back), as in a single-byte code page.
std::wstring widen(const std::string& text) {
    std::wstring wide;
    for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}
std::string narrow(const std::wstring& wide) {
    std::string text;
    for (wchar_t c : wide) text += static_cast<char>(c);
    return text;
}

void checkPreprocessing(const std::vector<std::string>& runtime, const std::wstring& raw,
                        const std::vector<std::string>& args) {
    if (rovik::needsResplit(raw)) {
        size_t total = 0;
        for (const auto& a : args) total += a.size() + 1;
        if (total > raw.size() + 1) fail("the split line holds more than the line", args);
        return;
    }
    // Without empty ones, quotes, backslashes and tabs, the runtime's split
    // gives the arguments back as they were.
    const bool plain = std::none_of(runtime.begin(), runtime.end(), [](const std::string& a) {
        return a.empty() || a.find_first_of("\"\\\t") != std::string::npos;
    });
    if (plain && args.size() != runtime.size()) fail("pre-processing changed the number of arguments", args);
    for (const auto& a : args) {
        if (a.find("^^") != std::string::npos || a.find("/\\") != std::string::npos ||
            a.find('\xFA') != std::string::npos)
            fail("a translated argument keeps what translation removes", args);
        if (rovik::translateArg(a) != a) fail("translating twice changes an argument", args);
    }
}

// The fewest arguments any row of this operation requires.
int requiredFor(rovik::Operation op) {
    int fewest = -1;
    for (const auto& row : rovik::optionRows())
        if (row.operation == op && (fewest < 0 || row.args.required < fewest)) fewest = row.args.required;
    return fewest;
}

}  // namespace

// fopen as rovik sees it while a run is on: inside the scratch directory.
extern "C" FILE* __real_fopen(const char* path, const char* mode);
extern "C" FILE* __wrap_fopen(const char* path, const char* mode) {
    if (!insideRun) return __real_fopen(path, mode);
    if (std::strpbrk(mode, "wa+")) return __real_fopen(scratchFile("written").c_str(), mode);
    if (std::strcmp(path, "args") == 0 || std::strcmp(path, "written") == 0)
        return __real_fopen(scratchFile(path).c_str(), mode);
    errno = ENOENT;
    return nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char dir[] = "/tmp/fuzz_rovik_args.XXXXXX";
    if (!mkdtemp(dir)) {
        std::perror("mkdtemp");
        std::exit(1);
    }
    scratch = dir;
    std::atexit(removeScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    if (FILE* f = __real_fopen(scratchFile("args").c_str(), "wb")) {
        const std::string lines = in.ConsumeRandomLengthString(600);
        std::fwrite(lines.data(), 1, lines.size(), f);
        std::fclose(f);
    }
    std::remove(scratchFile("written").c_str());

    std::vector<std::string> runtime{"rovik.exe"};
    const int count = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < count; ++i) runtime.push_back(anyArgument(in));
    const std::wstring raw = widen(rawLine(in, runtime));
    const std::vector<std::string> args = rovik::preprocessWideArgs(raw, narrow);
    checkPreprocessing(runtime, raw, args);

    char* outText = nullptr;
    char* errText = nullptr;
    size_t outSize = 0, errSize = 0;
    FILE* out = open_memstream(&outText, &outSize);
    FILE* err = open_memstream(&errText, &errSize);
    rovik::host::forget();
    insideRun = true;
    const rovik::ExitCode code = rovik::runRovik(args, out, err);
    insideRun = false;
    std::fclose(out);
    std::fclose(err);
    std::free(outText);
    std::free(errText);

    switch (code) {
        case rovik::ExitCode::Ok:
        case rovik::ExitCode::Failed:
        case rovik::ExitCode::NoFile:
        case rovik::ExitCode::Refused:
        case rovik::ExitCode::Cancelled:
            break;
        default:
            fail("unexpected exit code", args);
    }
    if (const auto& called = rovik::host::lastStandIn()) {
        if (static_cast<int>(called->call.args.size()) < requiredFor(called->operation))
            fail("an operation got fewer arguments than its row requires", args);
    }
    if (code != rovik::ExitCode::Ok && access(scratchFile("written").c_str(), F_OK) == 0)
        fail("a failed run wrote its output file", args);
    return 0;
}
