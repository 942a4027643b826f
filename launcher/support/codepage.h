// Texts that cross between the launcher's ANSI code page and the console's
// OEM code page, in which the command interpreter reads batch files and
// doskey writes the console's history.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/text_encoding.h"

namespace vq {

// Between the ANSI code page and the wide text of the controls and the
// system: every text that crosses goes through these.  A letter without an
// ANSI form becomes the system's nearest one; the _exact form gives none
// instead (exact: no nearest letter, no default character, and the bytes
// read back as the same text).  Only texts that are looked at, never run
// or stored, may take the nearest letters.
std::wstring ansi_to_wide(std::string_view text);
std::string wide_to_ansi(std::wstring_view text);
std::optional<std::string> wide_to_ansi_exact(std::wstring_view text);

// A wide text in the ANSI code page exactly, or the letters it lacks.
struct AnsiText {
    std::string text;                  // empty when a letter is lacking
    std::vector<std::wstring> lacking;  // each once, in order of appearance
    bool exact() const { return lacking.empty(); }
};
AnsiText wide_to_ansi_checked(std::wstring_view text);

// The text of a file that starts with a byte-order mark, without the mark,
// as wide text (a file without one is taken as ANSI).
std::wstring marked_text_to_wide(std::string_view bytes, const ByteOrderMark& mark);
// The other way: the mark of `encoding` and the text in it (without a mark
// for a code page: the ANSI one).
std::string marked_text_from_wide(std::wstring_view text, TextEncoding encoding);
// A file's text in the ANSI code page: a file with a byte-order mark is
// converted line by line, and a line that holds a letter the ANSI code
// page lacks is left out (counted in `lacking_lines` when given); any
// other file is left as it is.
std::string file_text_as_ansi(std::string bytes, int* lacking_lines = nullptr);

// True when every byte is below 128: such a text reads the same in every
// code page the launcher meets.
bool is_plain_ascii(std::string_view text);

// The ANSI text in the OEM code page; none when a letter has no OEM form.
// Plain ASCII comes back unchanged.
std::optional<std::string> ansi_to_oem(const std::string& text);

// Between the OEM code page and wide text; a letter without an OEM form
// becomes the system's nearest one.
std::wstring oem_to_wide(std::string_view text);
std::string wide_to_oem(std::wstring_view text);

// The OEM text in the ANSI code page; a letter without an ANSI form is
// written as the system's nearest one.  Plain ASCII comes back unchanged.
std::string oem_to_ansi(const std::string& text);

// An ANSI path as a batch file must hold it: in the OEM code page; when a
// letter has no OEM form, the path's short (8.3) form where the file
// system gives one (for a file that does not exist yet, the short form of
// its directory), else the nearest OEM text.
std::string path_for_batch(const std::string& path);

}  // namespace vq
