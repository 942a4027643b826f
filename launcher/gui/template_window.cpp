#include "gui/template_window.h"

namespace vq {

bool TformGui::create(HINSTANCE instance) {
    return create_window(instance, {"TformGui", "formGui", WS_OVERLAPPEDWINDOW, 497, 63});
}

}  // namespace vq
