#include "driver.h"

#include <cstdarg>
#include <cstdlib>

#include "argfile.h"
#include "console.h"
#include "optiontable.h"
#include "usage.h"

namespace rovik {

Run::Run(std::vector<std::string> args, FILE* out, FILE* err)
    : args_(std::move(args)), out_(out), err_(err) {}

Run::~Run() {
    finish();
}

std::optional<std::string> Run::arg(int pos) const {
    if (pos < 0 || pos >= argc()) return std::nullopt;
    return args_[pos];
}

std::optional<std::string> Run::fetchArg(int base, int offset) {
    if (settings.argFile) {
        if (FILE* f = openFile(*settings.argFile, "r")) {
            std::string value = readArgFrom(f, offset + 1);
            std::fclose(f);
            return value;
        }
        // An argument file that cannot be opened: the command line answers.
    }
    return arg(base + offset);
}

void Run::notEnoughArguments(const std::string& name) {
    reportFatal("%s \xC4\xC4 not enough arguments", name.c_str());
}

void Run::reportFatal(const char* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::vfprintf(err_, format, ap);
    va_end(ap);
    std::fputs("\a\n", err_);
    keyWait();
    throw RunExit{ExitCode::Failed};
}

void Run::keyWait() {
    if (!settings.waitForKey) return;
    std::fputs("press a key\n", err_);
    std::fflush(err_);
    // Without a console keyboard (a batch run from a service, a pipe, CI)
    // there is nobody to press it: go on rather than hang.
    readKey();
}

FILE* Run::openOrExit(const std::string& path, const char* mode) {
    FILE* f = openFile(path, mode);
    if (!f) {
        std::fprintf(err_, "couldn't open %s for %s.", path.c_str(), mode);
        keyWait();
        throw RunExit{ExitCode::NoFile};
    }
    return f;
}

void* Run::allocOrExit(size_t size) {
    void* p = std::calloc(size ? size : 1, 1);
    if (!p) {
        std::fputs("ran out of memory.", err_);
        throw RunExit{ExitCode::OutOfMemory};
    }
    return p;
}

FILE* Run::outputTarget() {
    if (!target_) {
        if (settings.outputPath) {
            target_ = openOrExit(*settings.outputPath, "w");
            targetIsFile_ = true;
        } else {
            target_ = out_;
        }
    }
    return target_;
}

void Run::write(const std::string& text) {
    std::fputs(text.c_str(), outputTarget());
}

void Run::emitSet(const std::string& name, const std::string& value) {
    std::fprintf(outputTarget(), "set %s=%s\n", name.c_str(), value.c_str());
}

std::string Run::varName(const std::string& defaultName) const {
    return settings.varName ? *settings.varName : defaultName;
}

std::string Run::quotify(const std::string& text) const {
    if (settings.quote && text.find(' ') != std::string::npos && (text.empty() || text[0] != '"'))
        return "\"" + text + "\"";
    return text;
}

void Run::finish() {
    if (targetIsFile_ && target_) std::fclose(target_);
    target_ = nullptr;
    targetIsFile_ = false;
    std::fflush(out_);
    std::fflush(err_);
}

namespace {

// Lists the argument file: "set aK=value" (or "set aK=" when clearing) for
// K = 1, 2, ... up to the first empty value.
ExitCode listArgFile(Run& run, bool clear) {
    const std::string& path = *run.settings.argFile;
    for (long k = 1;; ++k) {
        FILE* f = openFile(path, "r");
        if (!f) {
            std::fprintf(run.err(), "couldn't open arg file \"%s\"!\n", path.c_str());
            run.keyWait();
            throw RunExit{ExitCode::Refused};
        }
        std::string value = readArgFrom(f, k);
        std::fclose(f);
        if (value.empty()) return ExitCode::Ok;
        std::string name = "a";
        name += std::to_string(k);
        run.emitSet(name, clear ? std::string() : value);
    }
}

void applySetting(RunSettings& s, Setting setting, const OpCall& call) {
    switch (setting) {
        case Setting::ArgFile:
            s.argFile = call.optionalArg(0);
            break;
        case Setting::Output:
            s.outputPath = call.optionalArg(0);
            break;
        case Setting::VarName:
            s.varName = call.optionalArg(0);
            break;
        case Setting::OutputDefault:
            s.outputPath = "rovik~.bat";
            break;
        case Setting::Chat:
            s.chat = true;
            break;
        case Setting::AddSlash:
            s.addSlash = true;
            break;
        case Setting::DropSlash:
            s.dropSlash = true;
            break;
        case Setting::ShortNames:
            s.shortNames = true;
            break;
        case Setting::Quote:
            s.quote = true;
            break;
        case Setting::NoKeyWait:
            s.waitForKey = false;
            break;
        case Setting::None:
            break;
    }
}

}  // namespace

// -argvC FILE: the argument file's variables, cleared.
ExitCode opArgvClear(Run& run, const OpCall& call) {
    run.settings.argFile = call.args[0];
    return listArgFile(run, true);
}

ExitCode dispatch(Run& run) {
    int i = 1;
    while (i < run.argc()) {
        const std::string& a = run.args()[i];
        if (!a.empty() && a[0] == '/') run.settings.switchChar = '/';
        if (a.empty() || a[0] != run.settings.switchChar) {
            std::fprintf(run.err(), "\ndidn't like %s\n", a.c_str());
            showUsage(run);
        }
        const std::string text = a.substr(1);
        const OptionRow* row = findRow(text);
        if (!row) run.reportFatal("argument %s not recognized", a.c_str());
        OpCall call = collectArgs(run, *row, i, text);
        if (!row->isModifier()) return row->operation(run, call);

        applySetting(run.settings, row->setting, call);
        i += 1 + static_cast<int>(call.args.size());
        // -argv with its file name as the last argument lists the file.
        if (row->setting == Setting::ArgFile && run.settings.argFile && i == run.argc())
            return listArgFile(run, false);
    }
    showUsage(run);
}

void reportUnrepresentable(FILE* err, const UnrepresentableText& text) {
    std::fprintf(err, "couldn't write %s in the console's code page.", text.shown.c_str());
}

ExitCode runRovik(std::vector<std::string> args, FILE* out, FILE* err) {
    Run run(std::move(args), out, err);
    ExitCode code;
    try {
        code = dispatch(run);
    } catch (const RunExit& e) {
        code = e.code;
    } catch (const UnrepresentableText& e) {
        // A path or name the batch file could not be handed unchanged.
        reportUnrepresentable(run.err(), e);
        run.keyWait();
        code = ExitCode::NoFile;
    }
    run.finish();
    return code;
}

}  // namespace rovik
