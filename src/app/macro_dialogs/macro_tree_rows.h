// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro library as the rows of a tree list: its visible items with their level, and the
// list's selection mirrored into the location the dialogs read.

#include "macros/macro_library.h"
#include "ui/show_list_rows.h"

namespace ferrox {

class MacroTreeRows : public ShowListRows {
public:
    // selection may be null: then the selection is not mirrored.
    MacroTreeRows(MacroLibrary& library, MacroLocation* selection);

    int Count() const override;
    ShowListRow Row(int row) const override;
    void Selected(int row) override;
    void ToggleFolder(int row) override;

private:
    MacroLibrary& library_;
    MacroLocation* selection_;
};

} // namespace ferrox
