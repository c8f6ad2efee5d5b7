// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tree as a list: folders with open/closed icons, items by name, indented by level. Its
// selection is reported to the rows, which keep whatever the selection means to them.

#include "ui/show_list_base.h"

namespace ferrox {

class CEditShowList : public ShowListBase {
public:
    static constexpr int ListId = 2015;

    CEditShowList(WindowBase* owner, int left, int top, int right, int bottom, int shown = 1,
                  int visible = 1, int locked = 0);

    void LoadIcons(std::string_view openFolder = "skins/foldr_open.png",
                   std::string_view closedFolder = "skins/foldr_close.png");

    void SetSelectedRow(int row) override;
    // Point of the last right click, in client coordinates (its address is the wParam of
    // NotifyRightClicked).
    const QPoint& RightClickPoint() const { return rightClickPoint_; }

    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    bool OnLButtonDblClk(int x, int y) override;
    bool OnRButtonUp(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    // Selects the view row under y, or clears the selection below the last row.
    void selectAt(int y);
    bool isFolder(int row) const;
    void drawRow(Canvas& canvas, int viewRow) const;

    QImage openIcon_;
    QImage closedIcon_;
    QPoint rightClickPoint_;
};

} // namespace ferrox
