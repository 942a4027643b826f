// Script texts from their templates.  Every line ends in CR LF; "%%" in a
// template becomes one percent sign.  The program that asks "Again?" is
// quoted when its path holds a blank.
#include "options/batch_scripts.h"

#include "options/options.h"
#include "support/command_words.h"
#include "support/format.h"

namespace vq {

namespace {

constexpr const char* history_capture_template =
    "@echo off\r\n"
    "doskey /history >>\"%s\"\r\n"
    "exit\r\n";

// The command line is taken whole (%*): the numbered parameters would drop
// every argument after the ninth and turn "=", "," and ";" between
// arguments into blanks.
constexpr const char* repeat_loop_template =
    "@echo off\r\n"
    ":LOOP\r\n"
    "%%*\r\n"
    "@echo off\r\n"
    "%s _ yn ___::: Again? N:::^^H^^H^^H^^H\r\n"
    "if not errorlevel 1 goto LOOP\r\n";

}  // namespace

std::string history_capture_script(const std::string& history) {
    return sformat(history_capture_template, {history});
}

std::string repeat_loop_script(const std::string& batch) {
    return sformat(repeat_loop_template, {command_word(batch)});
}

bool scripts_current(const std::string& version) {
    return version == build_stamp;
}

}  // namespace vq
