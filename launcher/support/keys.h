// What a key press would type under the current keyboard state.
#pragma once

#include <string>

namespace vq {

// The characters (zero, one or two) that the virtual key would type now.
std::string key_chars(int virtual_key);
// True when key_chars yields at least one character.
bool is_char_key(int virtual_key);

}  // namespace vq
