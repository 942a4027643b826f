// Translation of a key press into the characters it would type.
#include <windows.h>

#include "support/keys.h"

namespace vq {

std::string key_chars(int virtual_key) {
    BYTE state[256] = {};
    if (!GetKeyboardState(state)) return {};
    UINT scan = MapVirtualKeyA(static_cast<UINT>(virtual_key), 0);
    // The characters arrive packed as bytes, one after the other.
    alignas(WORD) char buffer[4] = {};
    int n = ToAscii(static_cast<UINT>(virtual_key), scan, state, reinterpret_cast<LPWORD>(buffer), 0);
    if (n == 1 || n == 2) return std::string(buffer, static_cast<std::size_t>(n));
    return {};
}

bool is_char_key(int virtual_key) {
    return !key_chars(virtual_key).empty();
}

}  // namespace vq
