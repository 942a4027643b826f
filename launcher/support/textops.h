// Text helpers shared by the launcher. Texts are 8-bit strings with 1-based
// positions; several helpers bound what they carry over (255 or 10000
// characters) and those bounds are deliberate.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vq {

// The character at 1-based `pos`; NUL outside 1..length.
char char_at(const std::string& text, int pos);
// One-character text holding the n-th character from the end (n = 1 is the
// last); a one-character text holding NUL when that lies before the start.
std::string char_from_end(const std::string& text, int n);
// Position of the first occurrence of `pattern` lying wholly within the 255
// characters that begin at `start`; 0 when there is none.
int pos_from(const std::string& pattern, int start, const std::string& text);
// Removes the character at `pos`; only the first 255 characters after it
// remain.
void delete_char(std::string& text, int pos);
// Inserts `c` before `pos`; only the first 10000 characters from that
// position on remain.
void insert_char(std::string& text, int pos, char c);

// Drops one opening and (independently) one closing double quote, then
// collapses every run of double quotes to a single one.
std::string unquote(const std::string& text);
// Encloses the text in double quotes, doubling the quotes inside. With
// `only_if_needed`, a text without blanks that does not begin with a quote
// is returned unchanged.
std::string quote_arg(const std::string& text, bool only_if_needed);
// Every ampersand doubled.
std::string double_amp(const std::string& text);
// Lenient integer: blanks skipped, a minus anywhere negates, digits
// accumulate (32-bit), any other character ends the walk.
std::int32_t parse_int(const std::string& text);
// Raises `value` to `low`, then lowers it to `high`.
void clamp(std::int32_t low, std::int32_t high, std::int32_t& value);

// Removes one trailing backslash when present.
void strip_backslash(std::string& text);
// strip_backslash, then one backslash appended ("" becomes "\").
void add_backslash(std::string& text);
// True for a non-empty name holding neither a backslash nor a colon.
bool is_bare_name(const std::string& name);
// The directory part of a full file name: cut after its last backslash or
// colon, ending in one backslash.
std::string directory_of(const std::string& file_path);

// Trims characters at or below the blank from both ends.
std::string trim_blanks(const std::string& text);
// The same, as a view into `text`.
std::string_view trim_blanks_view(std::string_view text);
// Lower-cases the ASCII letters only.
std::string ascii_lower(std::string text);

}  // namespace vq
