// Importing a captured console history (-stuff) into the history file.
#pragma once

#include <string>

#include "history/history_lock.h"

namespace vq {

// Appends every line of the file `stuff` that is not empty and does
// not begin with ";" to the history file `history`, each ended by
// CR LF, in pieces of at most 500 characters (a last line without a line
// end included), after a line end when the history's last line has none.
// The captured file is in the console's (OEM) code page, or in UTF-16 or
// UTF-8 when it begins with a byte-order mark; its lines are turned into
// the ANSI one, and a line holding a letter that the ANSI code page lacks
// is not imported (a box shows how many, and the first as written).  It
// appends under the history lock (`waiting` is told when the wait lasts,
// `pause` passes its time and may give it up), so that no launcher's save
// in the meantime drops the lines, and shows its boxes only after letting
// go of it.  The lines go in whole or not at all: a write that fails (a
// full disk) is cut back to the file's old end, and a box says why.
// Afterwards, unless `bug` (debug mode) is set, the wait was given up or
// the append failed, the captured file keeps only the lines not imported,
// in its own encoding, and goes when there are none.  Returns the message
// to show with the usage text, empty when the import went through.
std::string stuffhistory(const std::string& stuff, const std::string& history, bool bug,
                         const HistoryLock::Waiting& waiting = {}, const HistoryLock::Pause& pause = {});

}  // namespace vq
