// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Row geometry, selection and scrolling shared by the two drawn lists: rows 20 design pixels
// high, as many as fit (half a row may be cut off at the bottom).

#include "ui/control_base.h"
#include "ui/look_colours.h"
#include "ui/show_list_rows.h"

#include <memory>

namespace ferrox {

class ShowListBase : public CControlBase {
public:
    static constexpr int RowDesignHeight = 20;
    static constexpr Colour BackgroundColour = 0x4B4B4B;
    static constexpr Colour SelectionColour = look::Accent;
    static constexpr Colour TextColour = 0xFFFFFF;

    using CControlBase::CControlBase;

    // The rows shown, from the top; the list owns them. Selection and scrolling start over.
    void SetRows(std::unique_ptr<ShowListRows> rows);

    int TotalRows() const { return rows_ ? rows_->Count() : 0; }
    int VisibleRows() const;
    // Rows drawn from the first visible one: fewer than VisibleRows() near the end.
    int RowsInView() const;
    // Rectangle of view row i (0 = the first visible row).
    QRect RowRect(int i) const;
    // View row under y (may be past the last row).
    int RowAt(int y) const;

    int GetSelectedRow() const { return selectedRow_; }
    virtual void SetSelectedRow(int row) { selectedRow_ = row; }
    int GetFirstVisibleRow() const { return firstRow_; }
    void SetFirstVisibleRow(int row) { firstRow_ = row < 0 ? 0 : row; }
    // Scrolls so the selected row is in view; a selection above the view does not scroll.
    void EnsureVisible();
    int GetMouseState() const { return mouseState_; }

    bool OnMouseMove(int x, int y) override;
    // Up, Down, Page Up, Page Down, Home and End move the selection as a click on the row
    // would; Space and Enter open the selected row as a double-click does.
    bool TakesFocus() const override { return true; }
    bool PressesOnEnter() const override { return true; }
    bool OnKeyDown(int key) override;

protected:
    // Ends a press: over and NotifyClicked inside, normal outside.
    bool ReleaseInside(int x, int y);
    void DrawBackground(Canvas& canvas) const;
    void DrawRowText(Canvas& canvas, const std::wstring& text, const QRect& rect) const;

    std::unique_ptr<ShowListRows> rows_;
    int selectedRow_ = -1;
    int firstRow_ = 0;
    int mouseState_ = MouseNormal;
};

} // namespace ferrox
