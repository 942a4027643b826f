// Texts that cross between the launcher's ANSI code page and the console's
// OEM code page, in which the command interpreter reads batch files and
// doskey writes the console's history.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/text_encoding.h"

namespace vq {

// Between the ANSI code page and the wide text of the controls and the
// system: every text that crosses goes through these.  A letter without an
// ANSI form becomes the system's nearest one; the _exact form gives none
// instead.
std::wstring ansi_to_wide(std::string_view text);
std::string wide_to_ansi(std::wstring_view text);
std::optional<std::string> wide_to_ansi_exact(std::wstring_view text);

// The text of a file that starts with a byte-order mark, without the mark,
// as wide text (a file without one is taken as ANSI).
std::wstring marked_text_to_wide(std::string_view bytes, const ByteOrderMark& mark);
// A file's text in the ANSI code page: a file with a byte-order mark is
// converted, any other is left as it is.
std::string file_text_as_ansi(std::string bytes);

// True when every byte is below 128: such a text reads the same in every
// code page the launcher meets.
bool is_plain_ascii(std::string_view text);

// The ANSI text in the OEM code page; none when a letter has no OEM form.
// Plain ASCII comes back unchanged.
std::optional<std::string> ansi_to_oem(const std::string& text);

// The OEM text in the ANSI code page; a letter without an ANSI form is
// written as the system's nearest one.  Plain ASCII comes back unchanged.
std::string oem_to_ansi(const std::string& text);

// An ANSI path as a batch file must hold it: in the OEM code page; when a
// letter has no OEM form, the path's short (8.3) form where the file
// system gives one (for a file that does not exist yet, the short form of
// its directory), else the nearest OEM text.
std::string path_for_batch(const std::string& path);

}  // namespace vq
