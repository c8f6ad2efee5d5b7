// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/radio_button.h"

#include "ui/ui_state.h"

namespace ferrox {

void CRadioButton::SetGroup(std::uint32_t bit, std::uint32_t group) {
    bit_ = bit;
    group_ = group | bit;
}

bool CRadioButton::IsSelected() const {
    return (RadioGroupFlags & bit_) != 0;
}

void CRadioButton::Select() {
    if (bit_)
        RadioGroupFlags = (RadioGroupFlags & ~group_) | bit_;
}

void CRadioButton::Draw(Canvas& canvas) {
    DrawLook(canvas, IsSelected() ? SlotDown : mouseState_);
}

void CDPIRadioButton::Select() {
    if (hasLevel())
        DpiLevelMask = (DpiLevelMask & ~0xFFu) | ((1u << (level_ + 1)) - 1);
}

void CDPIRadioButton::Draw(Canvas& canvas) {
    const bool selected = hasLevel() && (DpiLevelMask & (1u << level_));
    const int look = selected ? SlotDown : mouseState_;
    DrawLook(canvas, look);
    DrawText(canvas, text_, LookColour(look));
}

} // namespace ferrox
