// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_tree_rows.h"

namespace ferrox {

MacroTreeRows::MacroTreeRows(MacroLibrary& library, MacroLocation* selection)
    : library_(library), selection_(selection) {}

int MacroTreeRows::Count() const {
    return library_.VisibleRowCount();
}

ShowListRow MacroTreeRows::Row(int row) const {
    const MacroLocation location = library_.LocationOfRow(row);
    const MacroItem* node = library_.NodeAt(location);
    ShowListRow shown;
    shown.indent = location.stage;
    if (!node)
        return shown;
    shown.text = node->MacroItemName;
    if (node->MacroItemIsFolder)
        shown.fold = node->IsOpenFolder() ? ShowListRow::Fold::Open : ShowListRow::Fold::Closed;
    return shown;
}

void MacroTreeRows::Selected(int row) {
    if (selection_)
        *selection_ = row >= 0 ? library_.LocationOfRow(row) : MacroLocation{};
}

void MacroTreeRows::ToggleFolder(int row) {
    // Only folders open and close: a macro's open flag would be written to the library file.
    if (MacroItem* node = library_.NodeAt(library_.LocationOfRow(row));
        node && node->MacroItemIsFolder)
        node->MacroItemFolderIsOpen = !node->MacroItemFolderIsOpen;
}

} // namespace ferrox
