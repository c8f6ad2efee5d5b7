// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// HID keyboard usages (usage page 0x07) of the Windows virtual-key codes and of the extra
// codes agreed with the keyboard hook.

#include <array>
#include <cstdint>

namespace ferrox {

// 256 entries; 0 where the key has no usage.
extern const std::array<std::uint8_t, 256> KeyCodeTable;

// Takes the low 8 bits of the code, so no code is out of range.
inline std::uint8_t KeyUsage(unsigned code) {
    return KeyCodeTable[code & 0xFF];
}

} // namespace ferrox
