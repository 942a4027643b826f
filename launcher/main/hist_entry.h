// The entry object of one history item: its age, 0 for the newest command.
// The list box item that holds it owns it.
#pragma once

#include <cstdint>

namespace vq {

class THistEntry {
  public:
    explicit THistEntry(int32_t a) : age(a) {}
    int32_t age;
};

}  // namespace vq
