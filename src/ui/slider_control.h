// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A horizontal slider with n fixed stops; the knob is dragged or the track clicked, and the
// value always lands on the nearest stop.

#include "ui/control_base.h"

#include <vector>

namespace ferrox {

class CSliderControl : public CControlBase {
public:
    // Margins in window pixels: where the first and last stops sit inside the control.
    CSliderControl(WindowBase* owner, int id, int left, int top, int right, int bottom,
                   int positionCount, int leftMargin, int rightMargin, int shown = 1,
                   int visible = 1, int locked = 0);

    bool LoadKnob(std::string_view relativePath);
    void SetIndex(int index);
    int GetIndex() const { return index_; }
    int PositionCount() const { return static_cast<int>(positions_.size()); }
    int PositionX(int index) const { return positions_[index]; }
    // The stop nearest to x: the first whose midpoint with the next lies right of x.
    int NearestIndex(int x) const;
    bool Dragging() const { return dragging_; }

    void SetBounds(int left, int top, int right, int bottom) override;
    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    // Arrows step, Page Up and Page Down jump a tenth, Home and End go to the ends; the dialog
    // hears a move and its end, as from a drag.
    bool TakesFocus() const override { return true; }
    bool OnKeyDown(int key) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    void buildPositions();
    QRect knobRect() const;

    int leftMargin_;
    int rightMargin_;
    std::vector<int> positions_;
    int index_ = 0;
    QImage knob_;
    int mouseState_ = MouseNormal;
    bool dragging_ = false;
    int dragX_ = 0;
};

} // namespace ferrox
