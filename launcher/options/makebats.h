// Writing the history-capture and repeat-loop scripts beside the program.
#pragma once

#include <string>

#include "options/options.h"

namespace vq {

// Puts a bare `path` into `program_dir` (stored back).  When `version` is
// not this build's stamp the file is deleted first; a file that still
// exists is then left alone.  Otherwise the text is written through a
// temporary file that replaces the script in one step; when that fails,
// "Couldn't create %s!" is shown.
void writebat(std::string& path, const std::string& text, const std::string& version,
              const std::string& program_dir);

// Writes both scripts: `x` from `history`, `vqargs` from `batch`, the two
// paths in the console's (OEM) code page (path_for_batch).  `batch`
// first becomes its full path in `program_dir` when such a file exists.
// `x`, `vqargs` and possibly `batch` are left holding full paths.
void makebats(Options& options, const std::string& program_dir);

}  // namespace vq
