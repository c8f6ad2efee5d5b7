// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a macro is laid out for the mouse: its 512-byte image of 3-byte commands and the chunks
// of command 0x0E that carry it.

#include <array>
#include <cstdint>
#include <vector>

#include "device/protocol/frame.h"
#include "macros/macro_types.h"

namespace ferrox {

// 0: 0x09, 1: 0x90, 2: device macro slot, 3: MacroCommandActionNum, 4..: the commands.
using MacroImage = std::array<uint8_t, 512>;
inline constexpr std::size_t MacroImageHeader = 4;
inline constexpr std::size_t MacroChunkData = 25;

MacroImage BuildMacroImage(const MacroKey& macro, uint8_t slot);

// The 0x0E frames that upload slot's image, in order (at least one).
std::vector<Frame> BuildMacroChunks(const MacroImage& image, uint8_t slot);

} // namespace ferrox
