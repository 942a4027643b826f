// Finding a program word on the search path, as the command interpreter
// would: the current directory first, then each PATH directory, trying
// ".com", ".exe", ".bat" (and ".cmd") before the bare name.
#pragma once

#include <string>

#include "support/textlist.h"

namespace vq {

// The directories searched now: ".\" and those of the PATH variable.
TextList path_dirs();

// The name itself when it holds a path part and names an existing file;
// else the first existing candidate of the search, in double quotes when it
// holds a blank; else the name unchanged.  With `diagnostic` a found
// candidate is shown in an information box.
std::string x_in_path(const std::string& name, bool diagnostic);

// True when the name, with its quotes removed, names an existing file (not
// a directory).
bool exists_unquoted(const std::string& name);

// True when the name's extension is ".bat", or ".cmd" on Windows 2000 and
// later.  The name is not unquoted first.
bool is_batch(const std::string& name);

}  // namespace vq
