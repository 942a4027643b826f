// The "Again?" question of the repeat-loop script: how its prompt words are
// shown and what a key answers.
#pragma once

#include <string>
#include <vector>

namespace vq {

// The prompt words joined by blanks, with "_" and ":" shown as blanks and
// "^H" as a backspace: "___::: Again? N:::^H^H^H^H" leaves the cursor on
// the default answer N.
std::string question_text(const std::vector<std::string>& words);

// Exit code for a typed character: 0 (run again) for y or Y, else 1.
int answer_code(int key);

}  // namespace vq
