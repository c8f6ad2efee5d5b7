#pragma once
// Radio buttons keep their choice in shared state words, so dialogs read and set a group's
// choice without asking the buttons.

#include "ui/button_base.h"

#include <cstdint>

namespace ferrox {

struct RadioGroupEntry {
    int id;
    std::uint32_t bit;
    std::uint32_t group;
};

// The bit of each radio button in RadioGroupFlags and the bits of its group.
// Null when the ID belongs to no group.
const RadioGroupEntry* FindRadioGroupEntry(int id);

class CRadioButton : public CButtonBase {
public:
    using CButtonBase::CButtonBase;

    bool IsSelected() const;

    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int, int) override { Select(); }
    // Applies the button's choice to the shared state word.
    virtual void Select();
};

// DPI level button k (IDs 3290..3297): selecting it selects levels 0..k.
class CDPIRadioButton : public CRadioButton {
public:
    static constexpr int FirstId = 3290;
    static constexpr int LevelCount = 8;

    using CRadioButton::CRadioButton;

    void Draw(Canvas& canvas) override;

protected:
    void Select() override;

private:
    int level() const { return id_ - FirstId; }
};

} // namespace ferrox
