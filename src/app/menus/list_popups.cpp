// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menus/list_popups.h"

#include "lang/language_table.h"

#include <initializer_list>

namespace ferrox {

namespace {

struct TextRow {
    int id;
    int text; // LanguageTable index
    std::uint8_t code;
};

constexpr TextRow kLightingRows[] = {
    {1, 100, 1}, {2, 101, 2}, {3, 102, 3}, {4, 103, 4},
    {5, 110, 5}, {6, 105, 6}, {9, 108, 9}, {10, 109, 0},
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
