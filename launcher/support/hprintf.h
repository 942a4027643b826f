// Formatted writing straight into an open file handle.
#pragma once

#include <stdexcept>
#include <string>

#include "support/format.h"
#include "support/filehandle.h"

namespace vq {

// Raised inside hprintf when a write comes up short; never leaves hprintf.
// It carries its message text and nothing else.
class brokenprintf_exception : public std::runtime_error {
  public:
    explicit brokenprintf_exception(const std::string& message) : std::runtime_error(message) {}
};

// Formats with sformat and writes the text in pieces of at most 512 bytes,
// one write call per piece. Returns the total number of characters, or on a
// short or failed write the count that write reported (-1 when it failed);
// the failure is shown with errorf and nothing after that piece is written.
// No line-end translation takes place.
int hprintf(FileHandle handle, std::string_view format, const Args& args = {});

}  // namespace vq
