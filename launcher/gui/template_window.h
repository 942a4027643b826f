// The file-template window TformGui, beside the main window.
#pragma once

#include <windows.h>

#include "main/window.h"

namespace vq {

class TformGui : public SecondaryWindow {
  public:
    bool create(HINSTANCE instance);
};

}  // namespace vq
