// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/rate_section.h"

#include "app/menus/list_popups.h"
#include "app/radio_bits.h"
#include "device/protocol/change_groups.h"
#include "settings/config_table.h"

#include <algorithm>
#include <array>

namespace ferrox {
namespace {

constexpr int kRateCount = 4;
constexpr std::array<const wchar_t*, kRateCount> kRateNames{L"125HZ", L"250HZ", L"500HZ",
                                                            L"1000HZ"};

} // namespace

void RateSection::Bind() {
    for (int r = 0; r < kRateCount; ++r)
        onClick(MainId::Rate125 + r, [this, r] { choose(r, {}); });
    bindList(MainId::RateMenu, RateMenuMessage, PopupKind::ReportRateList,
             ListMessage::ReportRateResult, [] { return new CComboPollingRatePopup; },
             [this](LParam result) {
                 const auto& chosen = *reinterpret_cast<const PopupResult*>(result);
                 closeList(MainId::RateMenu);
                 choose(std::min<int>(chosen.code[0], kRateCount - 1),
                        {chosen.code[1], chosen.code[2]});
             });
}

void RateSection::choose(int rate, std::array<std::uint8_t, 2> spare) {
    ReportRateSettings& settings = CurrentProfile().reportRate;
    settings.rate = std::uint8_t(rate);
    settings.name = kRateNames[std::size_t(rate)];
    settings.spare = spare;
    profileChanged(ChangeGroup::Settings);
}

void RateSection::Refresh(const ProfileSettings& profile) {
    if (auto* menu = control<CControlBase>(MainId::RateMenu))
        menu->SetText(profile.reportRate.name);
    const int rate = std::min<int>(profile.reportRate.rate, kRateCount - 1);
    SelectRadioBit(RadioBit::Rate125 << rate, RadioBit::RateGroup);
    for (int r = 0; r < kRateCount; ++r)
        if (auto* text = control<CControlBase>(MainId::RateText + r))
            text->SetVisible(r == rate);
}

} // namespace ferrox
