// Importing a captured console history (-stuff) into the history file.
#pragma once

#include <string>

#include "options/options.h"

namespace vq {

// Appends every line of the file `options.stuff` that is not empty and does
// not begin with ";" to the history file `options.history`, each ended by
// CR LF, in pieces of at most 500 characters (a last line without a line
// end included), each turned from the console's (OEM) code page into the
// ANSI one.  It appends under the history lock, so that no launcher's save
// in the meantime drops the lines.  The captured file is deleted afterwards unless
// `options.bug` is set or a line could not be written (a failed write has
// shown its own error box).  Returns the message to show with the usage
// text, empty when the import went through.
std::string stuffhistory(const Options& options);

}  // namespace vq
