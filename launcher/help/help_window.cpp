#include "help/help_window.h"

namespace vq {

bool Thelpf::create(HINSTANCE instance) {
    return create_window(instance, {"Thelpf", "helpf", WS_OVERLAPPEDWINDOW, 514, 410, 327, 168});
}

}  // namespace vq
