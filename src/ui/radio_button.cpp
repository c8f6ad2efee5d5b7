#include "ui/radio_button.h"

#include "ui/ui_state.h"

#include <array>

namespace ferrox {

namespace {

constexpr std::array<RadioGroupEntry, 22> RadioGroups{{
    {2006, 0x1, 0x7F},          {2080, 0x2, 0x7F},        {2081, 0x4, 0x7F},
    {2082, 0x8, 0x7F},          {2083, 0x10, 0x7F},       {2084, 0x20, 0x7F},
    {2085, 0x40, 0x7F},         {2009, 0x80, 0x180},      {2010, 0x100, 0x180},
    {3501, 0x200, 0x600},       {3502, 0x400, 0x600},     {3240, 0x800, 0x1800},
    {3250, 0x1000, 0x1800},     {2031, 0x2000, 0xE000},   {2032, 0x4000, 0xE000},
    {2033, 0x8000, 0xE000},     {3030, 0x10000, 0xF0000}, {3031, 0x20000, 0xF0000},
    {3032, 0x40000, 0xF0000},   {3033, 0x80000, 0xF0000}, {3510, 0x100000, 0x300000},
    {3511, 0x200000, 0x300000},
}};

} // namespace

const RadioGroupEntry* FindRadioGroupEntry(int id) {
    for (const auto& entry : RadioGroups)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

bool CRadioButton::IsSelected() const {
    const RadioGroupEntry* entry = FindRadioGroupEntry(id_);
    return entry && (RadioGroupFlags & entry->bit);
}

void CRadioButton::Select() {
    if (const RadioGroupEntry* entry = FindRadioGroupEntry(id_))
        RadioGroupFlags = (RadioGroupFlags & ~entry->group) | entry->bit;
}

void CRadioButton::Draw(Canvas& canvas) {
    DrawLook(canvas, IsSelected() ? SlotDown : mouseState_);
}

void CDPIRadioButton::Select() {
    const int k = level();
    if (k < 0 || k >= LevelCount)
        return;
    DpiLevelMask = (DpiLevelMask & ~0xFFu) | ((1u << (k + 1)) - 1);
}

void CDPIRadioButton::Draw(Canvas& canvas) {
    const int k = level();
    const bool selected = k >= 0 && k < LevelCount && (DpiLevelMask & (1u << k));
    const int look = selected ? SlotDown : mouseState_;
    DrawLook(canvas, look);
    DrawText(canvas, text_, LookColour(look));
}

} // namespace ferrox
