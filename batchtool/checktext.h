// Text rules of the tests that answer through the exit code: number reading,
// character and substring searches, comparisons and the preparation of names
// handed over by the command interpreter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text.h"

namespace rovik {

// A decimal number: leading blanks, an optional sign, digits; the first
// other character ends it; no digits give 0. Values beyond 32 bits are held
// at the nearest 32-bit bound.
int32_t parseDecimal(const std::string& text);

// The first character of chars (in its order) that occurs anywhere in what;
// none when no character occurs or chars is empty. Both compared as given.
std::optional<char> firstCharFound(const std::string& chars, const std::string& what);

// A name given to -file or -directory made ready for the attribute test:
// trailing carriage returns removed, a final double quote (a quoted name that
// ended in a backslash) turned back into that backslash, then the trailing
// backslash dropped as everywhere else.
std::string prepareTestedName(const std::string& name);

// Does path name the current directory cwd? Trailing backslashes do not
// count, and a path without a drive is compared with cwd's directory part
// only; letter case is ignored.
bool sameDirectory(const std::string& cwd, const std::string& path);

}  // namespace rovik
