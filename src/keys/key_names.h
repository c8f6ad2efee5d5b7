// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display names of the Windows virtual-key codes, plus the eight mouse action codes of the
// macro model (0xE0..0xE7).

#include <array>
#include <string_view>

namespace ferrox {

// 256 entries; codes without a name read "Undefined".
extern const std::array<std::wstring_view, 256> KeyNameTable;

// Takes the low 8 bits of the code, so no code is out of range.
inline std::wstring_view KeyName(unsigned code) {
    return KeyNameTable[code & 0xFF];
}

} // namespace ferrox
