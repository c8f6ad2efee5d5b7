// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/power_section.h"

#include "device/protocol/change_groups.h"
#include "lang/language_table.h"
#include "settings/config_table.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/power_manage_button.h"

#include <array>
#include <utility>

namespace ferrox {
namespace {

constexpr int kPowerTextBefore = 266;
constexpr int kPowerTextAfter = 267;

// The check boxes and the profile values they show.
constexpr std::array<std::pair<int, int>, 2> kChecks{{
    {MainId::MoveLightingCheck, ProfileKey::MoveLightingOnOffMode},
    {MainId::MotionWakeupCheck, ProfileKey::MotionWakeup},
}};

} // namespace

void PowerSection::Bind() {
    const std::array<std::pair<int, unsigned>, 3> controls{{
        {MainId::PowerDial, ChangeGroup::Power},
        {MainId::MoveLightingCheck, ChangeGroup::Power},
        {MainId::MotionWakeupCheck, ChangeGroup::Wakeup},
    }};
    for (const auto& [id, changed] : controls)
        onClick(id, [this, group = changed] { controlsChanged(group); });
}

void PowerSection::Refresh(const ProfileSettings& profile) {
    for (auto [id, key] : kChecks)
        if (auto* check = control<CCheckButton>(id))
            check->SetChecked(ProfileNumber(profile, key) == 1);
    const long minutes = ProfileNumber(profile, ProfileKey::PowerDownTime);
    if (auto* dial = control<CPowerManageButton>(MainId::PowerDial))
        dial->SetSegment(int(minutes));
    if (auto* text = control<CControlBase>(MainId::PowerText))
        text->SetText(LanguageText(kPowerTextBefore) + std::to_wstring(minutes) +
                      LanguageText(kPowerTextAfter));
}

void PowerSection::Collect(ProfileSettings& profile) {
    for (auto [id, key] : kChecks) {
        const auto* check = control<CCheckButton>(id);
        SetProfileNumber(profile, key, check && check->GetChecked() ? 1 : 0);
    }
    if (const auto* dial = control<CPowerManageButton>(MainId::PowerDial))
        SetProfileNumber(profile, ProfileKey::PowerDownTime, dial->GetSegment());
}

void PowerSection::ShowBattery(std::uint8_t level, ChargeState charge) {
    if (auto* battery = control<CBattery>(MainId::Battery)) {
        battery->SetLevel(level);
        battery->SetMode(int(charge));
        if (charge == ChargeState::Charging)
            battery->AdvanceChargingLevel();
    }
    // Only what changed is repainted: a repaint of the whole window every second was most of
    // what the idle window cost.
    if (auto* text = control<CControlBase>(MainId::BatteryText)) {
        text->SetText(std::to_wstring(level) + L"%");
        const int shown = charge == ChargeState::Charging ? 0 : 1;
        if (text->Shown() != shown) {
            text->SetShown(shown);
            window_.InvalidateRect(text->GetBounds());
        }
    }
}

} // namespace ferrox
