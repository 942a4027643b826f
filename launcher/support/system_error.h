// What the system says about one of its error codes, for a message to the
// user.
#pragma once

#include <string>

namespace vq {

// The system's text for the code (FormatMessage, in the ANSI code page),
// without its line end and its full stop, or "error N" when it has none.
std::string system_error_text(unsigned long code);

}  // namespace vq
