// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Radio buttons keep their choice in shared state words, so dialogs read and set a group's
// choice without asking the buttons.

#include "ui/button_base.h"

#include <cstdint>

namespace ferrox {

class CRadioButton : public ButtonBase {
public:
    using ButtonBase::ButtonBase;

    // The button's bit in RadioGroupFlags and the bits of its group, as the dialog that owns
    // the group assigns them. A button without a bit only notifies.
    void SetGroup(std::uint32_t bit, std::uint32_t group);
    std::uint32_t Bit() const { return bit_; }
    std::uint32_t Group() const { return group_; }
    bool IsSelected() const;

    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int, int) override { Select(); }
    // Applies the button's choice to the shared state word.
    virtual void Select();

private:
    std::uint32_t bit_ = 0;
    std::uint32_t group_ = 0;
};

// A DPI level button: selecting level k selects levels 0..k.
class CDPIRadioButton : public CRadioButton {
public:
    static constexpr int LevelCount = 8;

    using CRadioButton::CRadioButton;

    // The level 0..7 this button stands for; any other value selects nothing.
    void SetLevel(int level) { level_ = level; }
    int Level() const { return level_; }
    void Draw(Canvas& canvas) override;

protected:
    void Select() override;

private:
    bool hasLevel() const { return level_ >= 0 && level_ < LevelCount; }

    int level_ = -1;
};

} // namespace ferrox
