// Rendering of the prompt words and the meaning of the answer key.
#include "batch/prompt.h"

namespace vq {

std::string question_text(const std::vector<std::string>& words) {
    std::string text;
    for (std::size_t w = 0; w < words.size(); ++w) {
        if (w > 0) text += ' ';
        const std::string& word = words[w];
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (word[i] == '^' && i + 1 < word.size() && word[i + 1] == 'H') {
                text += '\b';
                ++i;
            } else if (word[i] == '_' || word[i] == ':') {
                text += ' ';
            } else {
                text += word[i];
            }
        }
    }
    return text;
}

int answer_code(int key) {
    return key == 'y' || key == 'Y' ? 0 : 1;
}

}  // namespace vq
