// The rules of -g around the editor: prompt words, start text and field
// length. Plain inputs and outputs; no platform calls.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lineeditor.h"

namespace rovik {

// The widest field -g asks for; a field also always reaches this column.
constexpr int lineInputColumns = 78;

struct PromptWords {
    std::string shown;                         // each shown word followed by one blank
    std::optional<std::string> defaultSource;  // the last "^word", without its caret
};

// Words starting with "^" name the default source (the last one counts)
// and are not shown; the others make up the prompt.
PromptWords splitPromptWords(const std::vector<std::string>& words);

// True when the default source means "the variable being asked for".
inline bool sourceIsVariable(const std::string& source) {
    return !source.empty() && source[0] == ':';
}

// The requested length, at most lineInputColumns.
int capFieldLength(int requested);

// The field grows so that it reaches at least to column 78 from the
// cursor's column (counted from 1).
int widenToLastColumn(int length, int cursorColumn);

// The start text taken from a variable's value: cut to length - 3 letters.
std::string startFromVariable(const std::string& value, int length,
                              LetterLength letterLength = singleByteLetter);

// The start text taken from a file's content: its first line without the
// line feed, at most length letters.
std::string startFromFile(const std::string& content, int length, LetterLength letterLength = singleByteLetter);

}  // namespace rovik
