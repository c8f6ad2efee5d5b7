// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the Wayland compositor this program runs on offers xdg-activation, the only way a
// Wayland client can bring its own window to the front (and, on most desktops, back from
// minimised). Asked once, on a connection of its own; false where it cannot be asked.

namespace ferrox {

bool CompositorOffersActivation();

} // namespace ferrox
