// The launcher's message boxes: every message, error and question reaches
// the user through these.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "support/format.h"

namespace vq {

// Modal box centred on the screen: error icon, title "Error", one OK button.
void errorf(std::string_view format, const Args& args = {});
// The same with the information icon and the title "Information".
void infof(std::string_view format, const Args& args = {});
// An error box for a text that the ANSI code page cannot hold (letters
// quoted as they are written).
void error_wide(std::wstring_view text);
// Question box: title "Confirm", question icon, buttons Yes and No.
// True only when the box closes through Yes.
bool yesno(const std::string& text);
// yesno of the sformat text.
bool yesnof(std::string_view format, const Args& args = {});

// Test seam: when set, boxes are not shown; the function receives the text,
// the title and the MessageBox style flags and returns the button id
// (IDOK, IDYES, IDNO, ...); the text of a wide box comes in UTF-8. Pass an
// empty function to show real boxes again.
using MessageBoxHook = std::function<int(const std::string& text, const std::string& title, unsigned flags)>;
void set_message_box_hook(MessageBoxHook hook);

}  // namespace vq
