// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps of one macro as the rows of a step list: the step's icon and its text.

#include "macros/macro_types.h"
#include "ui/show_list_rows.h"

namespace ferrox {

class MacroStepRows : public ShowListRows {
public:
    // macro may be null (no rows); it is read as the list draws, so edits show at once.
    explicit MacroStepRows(const MacroKey* macro) : macro_(macro) {}

    int Count() const override;
    ShowListRow Row(int row) const override;

private:
    const MacroKey* macro_;
};

} // namespace ferrox
