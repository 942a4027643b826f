// Real launcher runs over a history file: the launcher's set-up (no
// sound, no on-top timer, no pause after a start, the stand-in program
// "rec" on the path, which notes each command line it is started with),
// commands entered, and what the history file and the started programs
// show afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "harness.h"
#include "main/form.h"
#include "testsupport.h"

namespace vqtest {

inline Setup launcher(const std::optional<std::string>& history, const std::string& more_ini = "") {
    Setup setup;
    setup.ini = "[vq]\r\nbeep=0\r\nontoptime=0\r\napres_exec=-1\r\n" + more_ini;
    setup.history = history;
    setup.binFiles = {{"rec.exe", testsupport::readFile(testsupport::siblingExe("vq_stub.exe"))}};
    setup.env["VQ_STUB_CMDLINE"] = "{root}\\ran.txt";
    return setup;
}

// The command into the Edit box, then Enter.
inline void enter(const Window& main, const std::string& command) {
    Window edit = main.item(vq::ID_Edit);
    edit.setText(command);
    PostMessageA(edit.handle(), WM_KEYDOWN, VK_RETURN, 1);
}

// How often "rec" was started with `arguments` (so far: a started program
// may note its start after the launcher has ended).
inline int times_run(const Vq& vq, const std::string& arguments) {
    const std::string path = vq.root() + "\\ran.txt";
    const std::string ran = testsupport::fileExists(path) ? testsupport::readFile(path) : "";
    int n = 0;
    for (size_t at = 0; (at = ran.find(arguments, at)) != std::string::npos; at += arguments.size()) ++n;
    return n;
}

// True once "rec" has noted its start with `arguments`, when that was the
// only one.
inline bool ran_once(const Vq& vq, const std::string& arguments) {
    return waitFor([&] { return times_run(vq, arguments) > 0; }) && times_run(vq, arguments) == 1;
}

// Every one of `lines` is a line of the file exactly once, and the file
// holds no zero byte.
inline void expect_each_once(const std::string& file, const std::vector<std::string>& lines) {
    EXPECT_EQ(file.find('\0'), std::string::npos) << "a zero byte in the history";
    std::vector<std::string> have;
    for (size_t start = 0; start < file.size();) {
        size_t end = file.find("\r\n", start);
        if (end == std::string::npos) end = file.size();
        have.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    int missing = 0, twice = 0;
    for (const auto& line : lines) {
        const auto n = std::count(have.begin(), have.end(), line);
        if (n == 0) ++missing;
        if (n > 1) ++twice;
    }
    EXPECT_EQ(missing, 0) << "of " << lines.size() << " lines";
    EXPECT_EQ(twice, 0) << "of " << lines.size() << " lines";
}

inline std::vector<std::string> numbered(const char* format, int count) {
    std::vector<std::string> lines;
    char text[64];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(text, sizeof text, format, i);
        lines.emplace_back(text);
    }
    return lines;
}

inline std::string joined(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}

}  // namespace vqtest
