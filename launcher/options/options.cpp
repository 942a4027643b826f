// The options file vq.ini and the data directory, read through the
// platform's profile-file interface.
#include <windows.h>

#include <vector>

#include "options/inivalues.h"
#include "options/makebats.h"
#include "options/options.h"
#include "support/files.h"
#include "support/messages.h"
#include "support/textops.h"

namespace vq {

namespace {

// Drops the profile interface's cached copy of the file.
void flush_profile(const std::string& path) {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}

std::string read_text(const std::string& path, const char* key, const std::string& fallback) {
    std::vector<char> buffer(ini_text_limit + 1, '\0');
    DWORD n = GetPrivateProfileStringA("vq", key, fallback.c_str(), buffer.data(),
                                       static_cast<DWORD>(buffer.size()), path.c_str());
    return decode_text(std::string(buffer.data(), n));
}

std::int32_t read_int(const std::string& path, const char* key, std::int32_t fallback) {
    return decode_int(read_text(path, key, ""), fallback);
}

bool read_bool(const std::string& path, const char* key, bool fallback) {
    return decode_bool(read_text(path, key, ""), fallback);
}

TextList read_keys(const std::string& path, const char* section) {
    std::vector<char> buffer(ini_key_list_size, '\0');
    DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                       path.c_str());
    return split_key_list(buffer.data(), n);
}

std::string lower_locale(std::string text) {
    if (!text.empty()) CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

}  // namespace

std::string data_dir() {
    std::string dir = get_env("APPDATA");
    if (dir.empty() || !directory_exists(dir)) {
        dir = "c:\\Documents and Settings";
        if (!directory_exists(dir)) dir = program_dir();
    }
    add_backslash(dir);
    return dir;
}

bool getoptions(const std::string& path, Options& options, TextList& deletes, TextList& favorites) {
    options.history = data_dir() + "vq.txt";
    if (path.empty()) return false;
    flush_profile(path);

    options.history = read_text(path, "history", options.history);
    options.bug = read_bool(path, "bug", options.bug);
    options.no_nil = read_bool(path, "no_nil", options.no_nil);
    options.no_fix = read_bool(path, "no_fix", options.no_fix);
    options.max = read_int(path, "max", options.max);
    options.length = read_int(path, "length", options.length);
    options.leave_short = read_int(path, "leave_short", options.leave_short);
    options.leave_1 = read_bool(path, "leave_1", options.leave_1);
    options.x = read_text(path, "x", options.x);
    options.vqargs = read_text(path, "vqargs", options.vqargs);
    options.batch = read_text(path, "batch", options.batch);
    options.version = read_text(path, "version", options.version);
    options.builtins = read_text(path, "builtins", options.builtins);
    options.apres_exec = read_int(path, "apres_exec", options.apres_exec);
    options.beep = read_int(path, "beep", options.beep);
    options.beepwav = read_text(path, "beepwav", options.beepwav);

    deletes = read_keys(path, "deletes");
    if (deletes.empty()) {
        deletes.push_back("x");
        deletes.push_back("vq");
    }
    favorites = read_keys(path, "favorites");

    flush_profile(path);
    options.widepercent = read_int(path, "widepercent", options.widepercent);
    options.ontoptime = read_int(path, "ontoptime", options.ontoptime);

    // The scripts live beside the options file, in the program directory.
    vq::makebats(options, directory_of(path));

    options.builtin_list = split_comma_text(lower_locale(options.builtins));
    return true;
}

void putoptions(const std::string& path, StatusDisplay& status) {
    for (int attempt = 1; attempt <= 3; ++attempt) {
        if (WritePrivateProfileStringA("vq", "version", build_stamp, path.c_str())) {
            flush_profile(path);
            return;
        }
        status.show_status(sformat("putoptions failures: %d", {attempt}));
        Sleep(500);
    }
    errorf("Couldn't write %s, sorry", {path});
}

}  // namespace vq
