#include "app/wake/compositor_activation.h"

namespace ferrox {

// Built without the Wayland client library: the window is brought back the way that needs no
// activation.
bool CompositorOffersActivation() {
    return false;
}

} // namespace ferrox
