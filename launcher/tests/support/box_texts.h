// Message boxes collected instead of shown, for as long as the object
// lives; every box is answered with OK.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/messages.h"

class BoxTexts {
  public:
    BoxTexts() {
        vq::set_message_box_hook([this](const std::string& text, const std::string&, unsigned) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~BoxTexts() { vq::set_message_box_hook({}); }
    BoxTexts(const BoxTexts&) = delete;
    BoxTexts& operator=(const BoxTexts&) = delete;

    std::vector<std::string> texts;
};
