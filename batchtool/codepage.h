// rovik's texts are bytes of the console's code page: that is how the
// command interpreter reads the batch files rovik writes. This layer is the
// one place where they meet the system's wide (UTF-16) texts.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace rovik {

// A text the console's code page cannot hold and that has no short (8.3)
// form to stand in for it. `shown` is the text with every such letter as
// '?', for the error message only.
struct UnrepresentableText {
    std::string shown;
};

// The code page of every text: the console's input code page, or the OEM
// code page when the process has no console.
unsigned consoleCodePage();

std::wstring toWide(const std::string& text);

// The bytes of the first letter of `rest` in the console code page: a
// UTF-8 sequence under 65001, a lead byte and its partner in a double-byte
// code page, else one byte (a LetterLength of lineeditor.h).
size_t consoleLetter(std::string_view rest);

// The text in the console code page; none when a letter does not fit.
std::optional<std::string> fromWideExact(const std::wstring& text);

// The same with every letter that does not fit shown as '?': for messages
// and for texts that are only looked at (a number's digits), never for a
// text handed on.
std::string fromWideLossy(const std::wstring& text);

// A text from the system: exact when the code page holds it; otherwise every
// path component it cannot hold is replaced by that component's short form
// (where the file system has one). Throws UnrepresentableText when that is
// not enough.
std::string fromWide(const std::wstring& text);

// fopen, in the console code page.
FILE* openFile(const std::string& path, const char* mode);

// An environment variable's value (none when unset), in the console code
// page.
std::optional<std::string> environmentVariable(const std::string& name);

}  // namespace rovik
