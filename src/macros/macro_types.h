// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value types every macro user shares: one step, one macro, one library node and a
// position in the library tree.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace ferrox {

// Action codes (b0 of a MacroAction). Below 8 is a delay; 8..223 and 240..251 are keyboard
// keys (Windows virtual-key codes and the extra codes agreed with the keyboard hook).
namespace MacroActionCode {
inline constexpr std::uint8_t Delay = 0x03; // what every producer writes for a delay
inline constexpr std::uint8_t DelayLimit = 0x08;
inline constexpr std::uint8_t LeftButton = 0xE0;
inline constexpr std::uint8_t RightButton = 0xE1;
inline constexpr std::uint8_t MiddleButton = 0xE2;
inline constexpr std::uint8_t Button4 = 0xE3;
inline constexpr std::uint8_t Button5 = 0xE4;
inline constexpr std::uint8_t MoveX = 0xE5;
inline constexpr std::uint8_t MoveY = 0xE6;
inline constexpr std::uint8_t Wheel = 0xE7;
} // namespace MacroActionCode

// b1 bit 7 on a key or button action.
inline constexpr std::uint8_t MacroReleaseFlag = 0x80;

// One macro step: four bytes b0..b3. As a 32-bit word b0 is the low byte; files write b0
// first.
struct MacroAction {
    std::uint8_t b0 = 0;
    std::uint8_t b1 = 0;
    std::uint8_t b2 = 0;
    std::uint8_t b3 = 0;

    constexpr std::uint32_t Word() const {
        return std::uint32_t(b0) | std::uint32_t(b1) << 8 | std::uint32_t(b2) << 16 |
               std::uint32_t(b3) << 24;
    }
    static constexpr MacroAction FromWord(std::uint32_t w) {
        return {std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(w >> 16),
                std::uint8_t(w >> 24)};
    }
    // Any code below 8 is read as a delay, whatever was written.
    constexpr bool IsDelay() const { return b0 < MacroActionCode::DelayLimit; }
    // Milliseconds, 24 bits big-endian in b1..b3.
    constexpr std::uint32_t DelayMs() const {
        return std::uint32_t(b1) << 16 | std::uint32_t(b2) << 8 | b3;
    }
    static constexpr MacroAction MakeDelay(std::uint32_t ms) {
        return {MacroActionCode::Delay, std::uint8_t(ms >> 16), std::uint8_t(ms >> 8),
                std::uint8_t(ms)};
    }
    static constexpr MacroAction MakeKey(std::uint8_t code, bool release) {
        return {code, release ? MacroReleaseFlag : std::uint8_t(0), 0, 0};
    }

    friend constexpr bool operator==(const MacroAction&, const MacroAction&) = default;
};
static_assert(sizeof(MacroAction) == 4);

// Ready-made words of the editing operations.
inline constexpr MacroAction MacroDefaultInsertedDelay = MacroAction::MakeDelay(100);
inline constexpr MacroAction MacroPairDelay = MacroAction::MakeDelay(50);
inline constexpr std::uint8_t MacroPairDefaultKey = 0x41; // "A"

inline constexpr std::uint32_t MacroActionCapacity = 336;
inline constexpr std::uint8_t MacroCommandLimit = 168;
// Delays recorded or carried by the device stop at this many milliseconds.
inline constexpr std::uint32_t MacroDelayDeviceMax = 4095;

// MacroLoopType: the stored values of the three loop modes; only the counted mode uses
// MacroKeyLoopNum.
namespace MacroLoopType {
inline constexpr std::uint8_t Mode1 = 1;
inline constexpr std::uint8_t Counted = 2;
inline constexpr std::uint8_t Mode4 = 4;
} // namespace MacroLoopType

// One macro. Slots at and beyond MacroActionNum carry no meaning but are saved; whatever
// replaces all the actions leaves them zero.
struct MacroKey {
    std::wstring name;
    std::int32_t MacroKeyIndex = 0;
    std::uint32_t MacroActionNum = 0;
    std::array<MacroAction, MacroActionCapacity> actions{};
    std::uint8_t MacroKeyLoopType = MacroLoopType::Counted;
    std::uint8_t MacroKeyLoopNum = 1;
    std::uint8_t MacroCommandActionNum = 0;

    MacroKey() = default;
    explicit MacroKey(std::wstring macroName) : name(std::move(macroName)) {}

    // Slot index; an index of 336 or more yields slot 0.
    MacroAction GetAction(std::uint32_t index) const;
    // False and no change when index >= 336. MacroActionNum is left alone.
    [[nodiscard]] bool SetAction(std::uint32_t index, MacroAction action);
    // False when the macro is full; a position past the end appends.
    [[nodiscard]] bool InsertAction(std::uint32_t position, MacroAction action);
    // False when index >= MacroActionNum. The last slot becomes zero.
    [[nodiscard]] bool DeleteAction(std::uint32_t index);
    // The first count actions of source (at most the capacity) become the macro's actions and
    // every later slot becomes zero: inserting shifts the slots beyond the count along, so bytes
    // left there from earlier contents would pile up behind the new ones and reach the files.
    void ReplaceActions(const MacroKey& source, std::uint32_t count);
    void ClearActions() { ReplaceActions(*this, 0); }

    friend bool operator==(const MacroKey&, const MacroKey&) = default;
};

// Position of a node: stage 0 = top level, 1 = inside a top-level folder, 2 = inside a
// second-level folder; index fields below the node's level are 0. Stage -1: nothing.
struct MacroLocation {
    std::int32_t stage = -1;
    std::int32_t stage0Index = 0;
    std::int32_t stage1Index = 0;
    std::int32_t stage2Index = 0;

    friend constexpr bool operator==(const MacroLocation&, const MacroLocation&) = default;
};

// One node of the library tree. An empty name means a free slot (no macro, flags 0).
struct MacroItem {
    std::wstring MacroItemName;
    std::unique_ptr<MacroKey> macro; // macro nodes only
    std::int32_t MacroItemIsFolder = 0;
    std::int32_t MacroItemFolderIsOpen = 0;

    bool IsFree() const { return MacroItemName.empty(); }
    bool IsOpenFolder() const { return MacroItemIsFolder == 1 && MacroItemFolderIsOpen == 1; }
    // Empties the slot; the macro it held is destroyed.
    void Clear() {
        MacroItemName.clear();
        macro.reset();
        MacroItemIsFolder = 0;
        MacroItemFolderIsOpen = 0;
    }
};

} // namespace ferrox
