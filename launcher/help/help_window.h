// The help window Thelpf, beside the main window.
#pragma once

#include <windows.h>

#include "main/window.h"

namespace vq {

class Thelpf : public SecondaryWindow {
  public:
    bool create(HINSTANCE instance);
};

}  // namespace vq
