// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wake/compositor_activation.h"

namespace ferrox {

// Built without the Wayland client library: the window is brought back the way that needs no
// activation.
bool CompositorOffersActivation() {
    return false;
}

} // namespace ferrox
