// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus/list_popups.h"

#include "lang/effect_names.h"
#include "lang/language_table.h"

#include <initializer_list>

namespace ferrox {

namespace {

struct TextRow {
    int id;
    int text; // LanguageTable index
    std::uint8_t code;
};

constexpr TextRow LightingRow(int id, std::uint8_t mode) {
    return {id, LightingEffectTexts[mode], mode};
}

constexpr TextRow kLightingRows[] = {
    LightingRow(1, 1), LightingRow(2, 2), LightingRow(3, 3), LightingRow(4, 4),
    LightingRow(5, 5), LightingRow(6, 6), LightingRow(9, 9), LightingRow(10, 0),
};

constexpr TextRow kProfileMenuRows[] = {
    {1, 90, 0}, {2, 91, 1}, {3, 92, 2}, {4, 93, 3},
};

template <std::size_t N> std::vector<MenuRow> RowsOf(const TextRow (&table)[N]) {
    std::vector<MenuRow> rows;
    for (const TextRow& row : table)
        rows.push_back({row.id, LanguageText(row.text), {row.code, 0, 0}});
    return rows;
}

std::vector<MenuRow> RateRows() {
    std::vector<MenuRow> rows;
    std::uint8_t index = 0;
    for (const wchar_t* label : {L"125Hz", L"250Hz", L"500Hz", L"1000Hz"}) {
        rows.push_back({index + 1, label, {index, 0, 0}});
        ++index;
    }
    return rows;
}

} // namespace

CComboPollingRatePopup::CComboPollingRatePopup()
    : MenuPopup(PopupKind::ReportRateList, RateRows()) {}

CComboLightingPopup::CComboLightingPopup()
    : MenuPopup(PopupKind::LightingList, RowsOf(kLightingRows)) {}

CProfileRKeyPopup::CProfileRKeyPopup()
    : MenuPopup(PopupKind::ProfileContextMenu, RowsOf(kProfileMenuRows)) {}

} // namespace ferrox
