// The file-template window TformGui: created hidden at program start
// beside the main window; closing it hides it again.
#pragma once

#include <windows.h>

#include "main/window.h"

namespace vq {

class TformGui : public Window {
  public:
    bool create(HINSTANCE instance);

  private:
    LRESULT handle_message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnClose(HWND hwnd);
};

}  // namespace vq
