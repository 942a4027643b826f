// Where a long-running operation shows a short status text while it works
// (the main window's status label).
#pragma once

#include <string>

namespace vq {

class StatusDisplay {
  public:
    // Shows the text and paints it at once: the caller may wait right after
    // without letting window events run.
    virtual void show_status(const std::string& text) = 0;

  protected:
    ~StatusDisplay() = default;
};

}  // namespace vq
