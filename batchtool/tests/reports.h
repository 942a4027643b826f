// rovik's fatal reports as a test run with -k- sees them on standard error.
#pragma once

#include <string>

// A missing argument: the row's name, a blank, two line characters of the
// console code page, the text, the bell and the line end.
inline std::string notEnoughReport(const std::string& name) {
    return name + " \xC4\xC4 not enough arguments\a\r\n";
}
