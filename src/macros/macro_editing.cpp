// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "macros/macro_editing.h"

#include <algorithm>
#include <array>
#include <cwctype>
#include <limits>

namespace ferrox {

namespace {

constexpr std::uint32_t kCountedDelayAbove = 127;

struct InsertShape {
    std::uint32_t actions;  // slots the ready-made actions take
    std::uint32_t commands; // commands they count once confirmed
    std::uint8_t code;      // the button, key or axis
    std::int8_t move;       // a move's first distance
};

// In MacroInsertKind order.
constexpr std::array<InsertShape, MacroInsertKindCount> kShapes{{
    {3, 2, MacroActionCode::LeftButton, 0},
    {3, 2, MacroActionCode::RightButton, 0},
    {3, 2, MacroActionCode::MiddleButton, 0},
    {1, 0, MacroActionCode::Delay, 0},
    {3, 2, MacroPairDefaultKey, 0},
    {1, 1, MacroActionCode::MoveX, -1},
    {1, 1, MacroActionCode::MoveX, 1},
    {1, 1, MacroActionCode::MoveY, -1},
    {1, 1, MacroActionCode::MoveY, 1},
}};

const InsertShape& ShapeOf(MacroInsertKind kind) {
    return kShapes[std::size_t(std::clamp(int(kind), 0, MacroInsertKindCount - 1))];
}

bool Counted(std::uint32_t ms) {
    return ms > kCountedDelayAbove;
}

} // namespace

std::uint32_t MacroInsertPosition(const MacroKey& macro, int selectedRow) {
    if (selectedRow < 0 || std::uint32_t(selectedRow) >= macro.MacroActionNum)
        return macro.MacroActionNum;
    return std::uint32_t(selectedRow) + 1;
}

int MacroDelayToEdit(const MacroKey& macro, std::uint32_t position) {
    position = std::min(position, macro.MacroActionNum);
    if (position == 0 || !macro.GetAction(position - 1).IsDelay())
        return -1;
    return int(position - 1);
}

bool MacroInsertFits(const MacroKey& macro, MacroInsertKind kind, std::uint32_t position) {
    if (kind == MacroInsertKind::Delay && MacroDelayToEdit(macro, position) >= 0)
        return true;
    const InsertShape& shape = ShapeOf(kind);
    return macro.MacroActionNum + shape.actions <= MacroActionCapacity &&
           macro.MacroCommandActionNum + shape.commands <= MacroCommandLimit;
}

std::uint32_t InsertReadyMade(MacroKey& macro, MacroInsertKind kind, std::uint32_t position) {
    const InsertShape& shape = ShapeOf(kind);
    if (macro.MacroActionNum + shape.actions > MacroActionCapacity)
        return 0;
    position = std::min(position, macro.MacroActionNum);
    std::array<MacroAction, 3> made{};
    if (shape.actions == 3)
        made = {MacroAction::MakeKey(shape.code, false), MacroPairDelay,
                MacroAction::MakeKey(shape.code, true)};
    else if (kind == MacroInsertKind::Delay)
        made[0] = MacroDefaultInsertedDelay;
    else
        made[0] = {shape.code, 0, 0, std::uint8_t(shape.move)};
    for (std::uint32_t i = 0; i < shape.actions; ++i)
        if (!macro.InsertAction(position + i, made[i]))
            return i; // cannot happen: the room was checked
    return shape.actions;
}

void RemoveMacroActions(MacroKey& macro, std::uint32_t position, std::uint32_t count) {
    for (std::uint32_t i = 0; i < count; ++i)
        if (!macro.DeleteAction(position))
            return;
}

void CommitMacroInsert(MacroKey& macro, MacroInsertKind kind) {
    const std::uint32_t count = macro.MacroCommandActionNum + ShapeOf(kind).commands;
    macro.MacroCommandActionNum = std::uint8_t(std::min<std::uint32_t>(count, MacroCommandLimit));
}

int MacroRowAfterInsert(MacroInsertKind kind, std::uint32_t position) {
    return int(position + ShapeOf(kind).actions - 1);
}

bool AdjustForDelayEdit(MacroKey& macro, std::uint32_t oldMs, std::uint32_t newMs) {
    if (!Counted(oldMs) && Counted(newMs)) {
        if (macro.MacroCommandActionNum >= MacroCommandLimit)
            return false;
        ++macro.MacroCommandActionNum;
    } else if (Counted(oldMs) && !Counted(newMs) && macro.MacroCommandActionNum > 0) {
        --macro.MacroCommandActionNum;
    }
    return true;
}

int DeleteMacroActionAt(MacroKey& macro, int row) {
    if (row < 0 || std::uint32_t(row) >= macro.MacroActionNum)
        return -1;
    const bool counted = !macro.GetAction(std::uint32_t(row)).IsDelay();
    if (!macro.DeleteAction(std::uint32_t(row)))
        return -1;
    if (counted && macro.MacroCommandActionNum > 0)
        --macro.MacroCommandActionNum;
    if (macro.MacroActionNum == 0)
        return -1;
    return std::min(row, int(macro.MacroActionNum) - 1);
}

bool IsEditableKeyAction(const MacroAction& action) {
    return !action.IsDelay() && IsRecordableKeyCode(action.b0);
}

bool IsRecordableKeyCode(unsigned code) {
    return code >= MacroActionCode::DelayLimit && code <= 0xFF &&
           !(code >= MacroActionCode::LeftButton && code <= MacroActionCode::Wheel);
}

std::uint64_t LeadingDigits(std::wstring_view text) {
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            break;
        const auto digit = std::uint64_t(c - L'0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

std::uint32_t DelayFromText(std::wstring_view text) {
    return std::uint32_t(std::min<std::uint64_t>(LeadingDigits(text), MacroDelayEditMax));
}

MacroAction MoveFromText(int direction, std::wstring_view text) {
    const auto v = std::uint8_t(std::clamp<std::uint64_t>(LeadingDigits(text), 1, 127));
    const bool horizontal = direction == MacroMoveLeft || direction == MacroMoveRight;
    const bool negative = direction == MacroMoveLeft || direction == MacroMoveUp;
    return {horizontal ? MacroActionCode::MoveX : MacroActionCode::MoveY, 0, 0,
            negative ? std::uint8_t(256 - v) : v};
}

int MoveDistance(const MacroAction& action) {
    return action.b3 <= 127 ? int(action.b3) : 256 - int(action.b3);
}

std::uint8_t LoopCountFromText(std::wstring_view text) {
    return std::uint8_t(std::clamp<std::uint64_t>(LeadingDigits(text), 1, 255));
}

std::wstring CleanMacroName(std::wstring_view typed) {
    std::wstring name;
    for (wchar_t c : typed) {
        if (name.size() >= MacroNameMaxLength)
            break;
        if (!std::iswcntrl(static_cast<wint_t>(c)))
            name.push_back(c);
    }
    return name;
}

bool IsBlankMacroName(std::wstring_view name) {
    return std::all_of(name.begin(), name.end(),
                       [](wchar_t c) { return std::iswspace(static_cast<wint_t>(c)); });
}

} // namespace ferrox
