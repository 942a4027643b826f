// The usage message that every start-up error ends in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/format.h"

namespace vq {

// Formats the message and shows it, the arguments the program was given in
// parentheses and the usage lines in an error box; returns when the box is
// closed.  The caller then ends start-up.
void showusage(const std::vector<std::string>& args_given, std::string_view format, const Args& args = {});

// The full box text: message plus " (joined args)" when there are any, the
// banner with the build stamp and the usage lines, CR LF between lines.
std::string usage_text(const std::string& message, const std::string& joined_args);

}  // namespace vq
