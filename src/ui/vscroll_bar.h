// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A vertical scroll bar: arrows at both ends (three-look strips), a track and a thumb. The
// dialog performs the line and page steps it is told about and reads the position while the
// thumb is dragged.

#include "ui/control_base.h"
#include "ui/look_colours.h"

namespace ferrox {

struct ScrollPosition {
    int position = 0; // first visible row
    int page = 1;     // visible rows
    int total = 1;    // all rows
};

class CVScrollBar : public CControlBase {
public:
    static constexpr int UpArrowResource = 188;
    static constexpr int DownArrowResource = 187;
    static constexpr Colour BarColour = 0x101010;
    static constexpr Colour ThumbColour = 0x1F1F1F;
    static constexpr Colour ThumbHoverColour = look::Accent;
    static constexpr Colour ThumbInnerColour = 0x323232;

    CVScrollBar(WindowBase* owner, int id, int left, int top, int right, int bottom, int shown = 1,
                int visible = 1, int locked = 0);

    void LoadArrows(int upResource = UpArrowResource, int downResource = DownArrowResource);
    // With a total of 0 the thumb stays where it is.
    void SetPosition(int position, int page, int total);
    ScrollPosition GetPosition() const { return scroll_; }

    QRect UpArrowRect() const;
    QRect DownArrowRect() const;
    int TrackTop() const;
    int TrackBottom() const;
    QRect ThumbRect() const;
    bool Dragging() const { return dragging_; }

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    int arrowHeight() const;
    ScrollPart partAt(int y) const;
    void dragTo(int y);

    QImage upArrow_;
    QImage downArrow_;
    ScrollPosition scroll_;
    int thumbTop_ = 0;
    int thumbBottom_ = -1;
    int mouseState_ = MouseNormal;
    bool overUp_ = false, overDown_ = false, overThumb_ = false;
    int pressedPart_ = -1;
    bool dragging_ = false;
    int dragOffset_ = 0;
};

} // namespace ferrox
