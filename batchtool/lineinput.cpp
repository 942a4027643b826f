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

std::string startFromVariable(const std::string& value, int length) {
    int keep = length - 3;
    if (keep <= 0) return std::string();
    return value.substr(0, static_cast<size_t>(keep));
}

std::string startFromFile(const std::string& content, int length) {
    if (length <= 0) return std::string();
    std::string line = content.substr(0, content.find('\n'));
    if (line.size() > static_cast<size_t>(length)) line.resize(static_cast<size_t>(length));
    return line;
}

}  // namespace rovik
