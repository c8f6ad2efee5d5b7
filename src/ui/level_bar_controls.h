// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Vertical level bars: an empty bar with the full bar showing over its lower part. The DPI
// display only shows a value; the vertical slider also lets the user set it.

#include "ui/control_base.h"

namespace ferrox {

class CDPIValueShowControl : public CControlBase {
public:
    CDPIValueShowControl(WindowBase* owner, int id, int left, int top, int right, int bottom,
                         int levelCount, int shown = 1, int visible = 1, int locked = 0);

    bool LoadBars(std::string_view emptyBar, std::string_view fullBar);
    void SetValue(int value);
    int GetValue() const { return value_; }
    int LevelCount() const { return levelCount_; }
    // The number of levels (the DPI step table's entries) changes with the sensor.
    void SetLevelCount(int levelCount);
    // Pixel height of the filled part for the current value.
    int FilledHeight() const;

    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

protected:
    int levelCount_;
    int value_ = 0;
    QImage emptyBar_;
    QImage fullBar_;
};

class CVerticalSliderControl : public CDPIValueShowControl {
public:
    using CDPIValueShowControl::CDPIValueShowControl;

    // The value a press or drag at y gives (y clamped to the control), counted from the bottom.
    int ValueAt(int y) const;

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    // The arrows move the level as a drag does; Space is a click that moves nothing.
    bool TakesFocus() const override { return true; }
    bool OnKeyDown(int key) override;

private:
    bool dragging_ = false;
};

} // namespace ferrox
