// The argument file of -argv/-argvC: lines of "NUMBER  value".
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace rovik {

// Lines are read through a buffer of this many bytes: a longer line arrives
// in pieces of up to 399 characters, each taken as a line of its own.
constexpr size_t argLineBuffer = 400;

// The number a line starts with (leading blanks and a sign allowed; no
// digits count as 0), as the C runtime's atoi reads it.
long argLineNumber(const std::string& line);

// The value of a line: the blanks before the number and the number token
// skipped (everything up to the first character at or below blank, bytes
// 128-255 counting as blanks), then the blanks after it; the rest, trailing
// blanks included.
std::string argLineValue(const std::string& line);

// Argument k of an open file (read from its start): the value of the first
// line numbered k, or the empty text when there is none.
std::string readArgFrom(FILE* file, long k);

}  // namespace rovik
