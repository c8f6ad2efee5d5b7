// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/profile_tabs.h"

#include "settings/config_table.h"
#include "ui/ui_scale.h"
#include "ui/ui_state.h"

#include <algorithm>

namespace ferrox {
namespace {

constexpr int kBarLeft = 300;
constexpr int kBarTop = 430;
constexpr int kTabPitch = 25;

} // namespace

void ProfileTabs::Bind() {
    bar_ = std::make_unique<MainProfileBar>(window_, calls_);
}

void ProfileTabs::Refresh(const ProfileSettings& profile) {
    const ProfileBarList bar = ReadProfileBar();
    const int current = CurrentSlot();
    MainPageIndex = -1; // no tab selected while the current slot is not on the bar
    for (int s = 0; s < ProfileCount; ++s) {
        auto* tab = window_.FindControl(MainId::ProfileTab + s);
        if (!tab)
            continue;
        tab->SetText(ProfileValue(Profiles[std::size_t(s)], ProfileKey::ProfileName));
        const auto* end = bar.slots.begin() + bar.count;
        const bool listed = std::find(bar.slots.begin(), end, s) != end;
        tab->SetShown(listed ? 1 : 0);
        if (listed && s == current)
            MainPageIndex = s;
    }
    if (auto* menu = window_.FindControl(MainId::ProfileMenu))
        menu->SetText(ProfileValue(profile, ProfileKey::ProfileName));
    Place();
}

void ProfileTabs::Place() {
    const ProfileBarList bar = ReadProfileBar();
    for (int k = 0; k < bar.count; ++k)
        if (auto* tab = window_.FindControl(MainId::ProfileTab + bar.slots[std::size_t(k)])) {
            const int top = kBarTop + kTabPitch * k;
            tab->SetBounds(Scaled(kBarLeft), Scaled(top), Scaled(462), Scaled(top + 21));
        }
    if (auto* add = window_.FindControl(MainId::AddProfile)) {
        const int y = 433 + kTabPitch * std::max(bar.count, 3);
        add->SetBounds(Scaled(kBarLeft), Scaled(y), Scaled(346), Scaled(y + 20));
    }
}

} // namespace ferrox
