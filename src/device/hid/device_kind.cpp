// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/hid/device_kind.h"

namespace ferrox {

std::optional<SimulateKind> ParseSimulateKind(std::string_view text) {
    if (text == "wired")
        return SimulateKind::Wired;
    if (text == "receiver")
        return SimulateKind::Receiver;
    if (text == "both")
        return SimulateKind::Both;
    return std::nullopt;
}

} // namespace ferrox
