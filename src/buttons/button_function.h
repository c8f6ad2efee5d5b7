// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three-byte function of a programmable button: what the mouse is told a button does.

#include <cstdint>
#include <optional>
#include <string>

namespace ferrox {

enum class FunctionCategory : std::uint8_t {
    Disabled = 0x00,
    MouseButton = 0x10, // param1: HID mouse button bit
    FireKey = 0x30,     // param1, param2: the two fire key values
    DpiSwitch = 0x40,   // param1: 1, 2 or 3
    DpiLock = 0x50,     // param1: 1..11, locked DPI = 100 + 100 * param1
    Category60 = 0x60,  // always 60 04 00
    KeyCombo = 0x70,    // param1: HID modifier byte, param2: keyboard usage
    Consumer = 0x80,    // param1/param2: low/high byte of a consumer-page usage
    Macro = 0x90,       // param1: loop type << 4 | device slot, param2: loop count
};

// HID mouse button bits of MouseButton's param1.
namespace MouseButtonBit {
inline constexpr std::uint8_t Left = 0x01;
inline constexpr std::uint8_t Right = 0x02;
inline constexpr std::uint8_t Middle = 0x04;
inline constexpr std::uint8_t Button4 = 0x08;
inline constexpr std::uint8_t Button5 = 0x10;
} // namespace MouseButtonBit

// HID keyboard modifier bits of KeyCombo's param1.
namespace ModifierBit {
inline constexpr std::uint8_t Ctrl = 0x01;
inline constexpr std::uint8_t Shift = 0x02;
inline constexpr std::uint8_t Alt = 0x04;
inline constexpr std::uint8_t Win = 0x08;
} // namespace ModifierBit

struct ButtonFunction {
    std::uint8_t category = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;

    constexpr FunctionCategory Category() const { return FunctionCategory(category); }
    // Param2 is not looked at: 10 01 07 is a left click too.
    constexpr bool IsLeftClick() const {
        return category == std::uint8_t(FunctionCategory::MouseButton) &&
               param1 == MouseButtonBit::Left;
    }
    friend constexpr bool operator==(const ButtonFunction&, const ButtonFunction&) = default;
};

constexpr ButtonFunction MakeFunction(FunctionCategory category, std::uint8_t param1 = 0,
                                      std::uint8_t param2 = 0) {
    return {std::uint8_t(category), param1, param2};
}

inline constexpr ButtonFunction LeftClickFunction =
    MakeFunction(FunctionCategory::MouseButton, MouseButtonBit::Left);
inline constexpr ButtonFunction DisabledFunction = MakeFunction(FunctionCategory::Disabled);

// Six upper-case hexadecimal digits, category first: left click is "100100".
std::wstring FormatFunction(const ButtonFunction& function);

} // namespace ferrox
