// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a drawn list shows, one row at a time. The list asks for rows as it draws and tells the
// source what the user did to them, so the toolkit needs to know nothing of the model behind.

#include <string>

namespace ferrox {

struct ShowListRow {
    enum class Fold { None, Open, Closed };
    static constexpr int NoIcon = -1;

    int indent = 0;         // levels in from the left edge
    int icon = NoIcon;      // into the list's own icons, for lists that choose them per row
    Fold fold = Fold::None; // folders open and close from the list
    std::wstring text;
};

class ShowListRows {
public:
    virtual ~ShowListRows() = default;

    virtual int Count() const = 0;
    // Only asked for rows in [0, Count()).
    virtual ShowListRow Row(int row) const = 0;
    // The selection moved to row (-1: none).
    virtual void Selected(int row) { (void)row; }
    // The folder at row was opened or closed; the rows after it may change.
    virtual void ToggleFolder(int row) { (void)row; }
};

} // namespace ferrox
