// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wake/compositor_activation.h"

#include <wayland-client.h>

#include <cstring>

namespace ferrox {

namespace {

void OnGlobal(void* found, wl_registry*, uint32_t, const char* interface, uint32_t) {
    if (std::strcmp(interface, "xdg_activation_v1") == 0)
        *static_cast<bool*>(found) = true;
}

void OnGlobalRemoved(void*, wl_registry*, uint32_t) {}

// A connection of our own, so that Qt's event queue sees nothing of the question.
bool AskCompositor() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool found = false;
    static const wl_registry_listener listener{OnGlobal, OnGlobalRemoved};
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &found);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return found;
}

} // namespace

bool CompositorOffersActivation() {
    static const bool offered = AskCompositor();
    return offered;
}

} // namespace ferrox
