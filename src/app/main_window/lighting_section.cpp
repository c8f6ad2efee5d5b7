// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/lighting_section.h"

#include "app/main_window/lighting_rules.h"
#include "app/menus/list_popups.h"
#include "app/radio_bits.h"
#include "device/protocol/change_groups.h"
#include "lang/effect_names.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/slider_control.h"
#include "ui/ui_state.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <algorithm>
#include <utility>

namespace ferrox {
namespace {

// Timers 1..8: the single click on colour slot 0..7.
constexpr unsigned kFirstColourTimer = 1;
constexpr int kSlotCount = 8;
constexpr std::array<const wchar_t*, 4> kBrightnessTexts{L"25%", L"50%", L"75%", L"100%"};

std::size_t ModeOf(const LightingSettings& lighting) {
    return std::min<std::size_t>(lighting.mode, LightingModeCount - 1);
}

} // namespace

int LightingSection::ColourClickMilliseconds() {
    return std::max(150, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void LightingSection::Bind() {
    bindList(MainId::LightingMenu, LightingMenuMessage, PopupKind::LightingList,
             ListMessage::LightingResult, [] { return new CComboLightingPopup; },
             [this](LParam result) { onModeChosen(result); });
    for (int id : {MainId::DirectionUp, MainId::DirectionDown})
        onClick(id, [this] { controlsChanged(ChangeGroup::Settings); });
    for (int id : {MainId::SpeedSlider, MainId::BrightnessSlider})
        onSlider(id, ChangeGroup::Settings);
    for (int i = 0; i < kSlotCount; ++i) {
        onControl(MainId::ColourSlot + i, [this, i](LParam code, WParam) {
            if (code == NotifyClicked)
                onSlotClicked(i);
            else if (code == NotifyDoubleClicked)
                onSlotDoubleClicked(i);
        });
        window_.bindTimer(kFirstColourTimer + unsigned(i), [this, i] { onSlotTimer(i); });
    }
}

void LightingSection::onModeChosen(LParam result) {
    const auto& chosen = *reinterpret_cast<const PopupResult*>(result);
    LightingSettings& lighting = CurrentProfile().lighting;
    lighting.name = chosen.text;
    lighting.mode = std::min<std::uint8_t>(chosen.code[0], LightingModeCount - 1);
    lighting.spare = {chosen.code[1], chosen.code[2]};
    closeList(MainId::LightingMenu);
    profileChanged(ChangeGroup::Settings);
}

void LightingSection::Refresh(const ProfileSettings& profile) {
    const LightingSettings& lighting = profile.lighting;
    const std::size_t m = ModeOf(lighting);
    if (auto* menu = control<CControlBase>(MainId::LightingMenu))
        menu->SetText(LightingEffectName(lighting.mode, LanguageTable));
    const LightingControls shown = LightingControlsOfMode(int(m));
    for (int i = 0; i < kSlotCount; ++i)
        if (auto* slot = control<CColorSelectCheckButton>(MainId::ColourSlot + i)) {
            slot->SetColour(lighting.colour[m][std::size_t(i)]);
            slot->SetChecked(lighting.colourSelected[m][std::size_t(i)] != 0);
            slot->SetVisible(i < shown.colourSlots);
        }
    showAll({MainId::ColourLabel}, shown.colourSlots > 0);
    if (auto* speed = control<CSliderControl>(MainId::SpeedSlider)) {
        speed->SetIndex(lighting.speed[m]);
        if (auto* text = control<CControlBase>(MainId::SpeedValue))
            text->SetText(std::to_wstring(speed->GetIndex() + 1));
    }
    showAll({MainId::SpeedSlider, MainId::SpeedTrack, MainId::SpeedLabel, MainId::SpeedValue},
            shown.speed);
    if (auto* brightness = control<CSliderControl>(MainId::BrightnessSlider)) {
        brightness->SetIndex(lighting.brightness[m]);
        if (auto* text = control<CControlBase>(MainId::BrightnessValue))
            text->SetText(kBrightnessTexts[std::size_t(brightness->GetIndex())]);
    }
    showAll({MainId::BrightnessSlider, MainId::BrightnessTrack, MainId::BrightnessLabel,
             MainId::BrightnessValue},
            shown.brightness);
    SelectRadioBit(lighting.direction[m] ? RadioBit::DirectionUp : RadioBit::DirectionDown,
                   RadioBit::DirectionGroup);
    showAll({MainId::DirectionUp, MainId::DirectionDown, MainId::DirectionLabel}, shown.direction);
}

void LightingSection::Collect(ProfileSettings& profile) {
    LightingSettings& lighting = profile.lighting;
    const std::size_t m = ModeOf(lighting);
    if (const auto* speed = control<CSliderControl>(MainId::SpeedSlider))
        lighting.speed[m] = std::uint8_t(speed->GetIndex());
    if (const auto* brightness = control<CSliderControl>(MainId::BrightnessSlider))
        lighting.brightness[m] = std::uint8_t(brightness->GetIndex());
    lighting.direction[m] = (RadioGroupFlags & RadioBit::DirectionUp) ? 1 : 0;
}

// The profile's marks are the truth: the slot's own toggle is undone at once, and the mark
// changes only when no double click follows.
void LightingSection::onSlotClicked(int slot) {
    showMark(slot);
    if (inDoubleClick_)
        return; // the release of a double click
    window_.SetTimer(kFirstColourTimer + unsigned(slot), ColourClickMilliseconds(),
                     TimerMode::SingleShot);
}

void LightingSection::onSlotDoubleClicked(int slot) {
    window_.KillTimer(kFirstColourTimer + unsigned(slot));
    showMark(slot);
    // The palette opens once the button has come up: the window sees its whole double click
    // before the dialog takes the pointer.
    paletteSlot_ = slot;
}

void LightingSection::showMark(int slot) {
    const LightingSettings& lighting = CurrentProfile().lighting;
    if (auto* check = control<CColorSelectCheckButton>(MainId::ColourSlot + slot))
        check->SetChecked(lighting.colourSelected[ModeOf(lighting)][std::size_t(slot)] != 0);
}

void LightingSection::ButtonReleased() {
    inDoubleClick_ = false;
    if (paletteSlot_ >= 0)
        window_.PostTask([this] { openSlotPalette(); });
}

void LightingSection::openSlotPalette() {
    const int slot = std::exchange(paletteSlot_, -1);
    if (slot < 0 || slot >= LightingColourSlots)
        return;
    LightingSettings& lighting = CurrentProfile().lighting;
    editColour(lighting.colour[ModeOf(lighting)][std::size_t(slot)]);
}

void LightingSection::onSlotTimer(int slot) {
    window_.KillTimer(kFirstColourTimer + unsigned(slot));
    LightingSettings& lighting = CurrentProfile().lighting;
    const std::size_t mode = ModeOf(lighting);
    auto& marks = lighting.colourSelected[mode];
    std::uint8_t& mark = marks[std::size_t(slot)];
    if (!mark) {
        mark = 1;
    } else if (const int refusal = ColourDeselectionRefusal(marks, int(mode), slot)) {
        notice(refusal);
    } else {
        mark = 0;
    }
    profileChanged(ChangeGroup::Settings);
}

} // namespace ferrox
