// The launcher's command line: the options it sets and the delete words it
// adds, over the process arguments.
#pragma once

#include <string>
#include <vector>

#include "options/options.h"
#include "support/textlist.h"

namespace vq {

// Parses the arguments (the process arguments after the program name) into
// `options` and `deletes`.  False means an error was shown with the usage
// text and start-up must end.
bool parseargs(const std::vector<std::string>& args, Options& options, TextList& deletes);

}  // namespace vq
