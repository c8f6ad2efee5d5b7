#pragma once
// Whether the Wayland compositor this program runs on offers xdg-activation, the only way a
// Wayland client can bring its own window to the front (and, on most desktops, back from
// minimised). Asked once, on a connection of its own; false where it cannot be asked.

namespace ferrox {

bool CompositorOffersActivation();

} // namespace ferrox
