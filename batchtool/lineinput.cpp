#include "lineinput.h"

namespace rovik {

PromptWords splitPromptWords(const std::vector<std::string>& words) {
    PromptWords result;
    for (const std::string& word : words) {
        if (!word.empty() && word[0] == '^') {
            result.defaultSource = word.substr(1);
        } else {
            result.shown += word;
            result.shown += ' ';
        }
    }
    return result;
}

int capFieldLength(int requested) {
    return requested > lineInputColumns ? lineInputColumns : requested;
}

int widenToLastColumn(int length, int cursorColumn) {
    int room = lineInputColumns - cursorColumn;
    return room > length ? room : length;
}

std::string startFromVariable(const std::string& value, int length, LetterLength letterLength) {
    int keep = length - 3;
    if (keep <= 0) return std::string();
    return firstLetters(value, static_cast<size_t>(keep), letterLength);
}

std::string startFromFile(const std::string& content, int length, LetterLength letterLength) {
    if (length <= 0) return std::string();
    return firstLetters(content.substr(0, content.find('\n')), static_cast<size_t>(length), letterLength);
}

}  // namespace rovik
