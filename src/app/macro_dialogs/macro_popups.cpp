// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_popups.h"

#include "lang/language_table.h"

#include <span>

namespace ferrox {

namespace {

constexpr int kInsertTexts[] = {20, 21, 22, 205, 206, 207, 208, 209, 210};
constexpr int kFirstListText = 245;

// Entries (ids 1..8) offered per mode.
constexpr int kNothingSelected[] = {1, 2, 4, 7, 8};
constexpr int kFolderSelected[] = {1, 2, 4, 5, 6, 7, 8};
constexpr int kMacroSelected[] = {1, 2, 3, 4, 5, 6, 7, 8};

std::vector<MenuRow> InsertRows() {
    std::vector<MenuRow> rows;
    for (std::size_t i = 0; i < std::size(kInsertTexts); ++i)
        rows.push_back({int(i) + 1, LanguageText(kInsertTexts[i]), {std::uint8_t(i), 0, 0}});
    return rows;
}

std::vector<MenuRow> ListRows(int mode) {
    const std::span<const int> ids = mode == CMacroListPopup::NothingSelected ? kNothingSelected
                                     : mode == CMacroListPopup::FolderSelected
                                         ? std::span<const int>(kFolderSelected)
                                         : std::span<const int>(kMacroSelected);
    std::vector<MenuRow> rows;
    for (int id : ids)
        rows.push_back({id, LanguageText(kFirstListText + id - 1), {std::uint8_t(id - 1), 0, 0}});
    return rows;
}

} // namespace

CComboActionInsertPopup::CComboActionInsertPopup()
    : MenuPopup(PopupKind::ActionInsertMenu, InsertRows()) {}

CMacroListPopup::CMacroListPopup(int mode) : MenuPopup(PopupKind::MacroListMenu, ListRows(mode)) {}

} // namespace ferrox
