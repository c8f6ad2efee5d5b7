// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The menus and lists the program opens: rows given by the popup kind, laid out and drawn the
// way that kind is, hover highlighting, the submenu look on rows that open one, and the result
// message when a row is chosen. A popup kind only gives its rows.

#include "ui/wnd_popup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ferrox {

struct MenuRow {
    int id = 0;
    std::wstring text;
    std::array<std::uint8_t, 3> code{}; // reported with the text when the row is chosen
    bool submenu = false;               // drawn with the submenu skins (the arrow)
};

class MenuPopup : public CWndPopup {
public:
    MenuPopup(PopupKind kind, std::vector<MenuRow> rows);

    std::size_t RowCount() const { return rows_.size(); }

protected:
    void BuildItems() override;
    void DrawItems(Canvas& canvas, const QRect& clientRect) override;
    bool OnItemPress(int x, int y) override;

private:
    void drawSkinned(Canvas& canvas, const MenuItem& item, bool highlighted) const;
    void drawFilled(Canvas& canvas, const MenuItem& item, bool highlighted) const;

    std::vector<MenuRow> rows_;
    QImage normal_, over_, subNormal_, subOver_;
};

} // namespace ferrox
