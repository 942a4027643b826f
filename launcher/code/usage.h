// The usage message that every start-up error ends in.
#pragma once

#include <string>
#include <string_view>

#include "support/format.h"

// Formats the message, sets `cancelled`, and shows the message, the process
// arguments in parentheses and the usage lines in an error box; returns
// when the box is closed.
void showusage(std::string_view format, const Args& args = {});

// The full box text: message plus " (joined args)" when there are any, the
// banner with the build stamp and the usage lines, CR LF between lines.
std::string usage_text(const std::string& message, const std::string& joined_args);
