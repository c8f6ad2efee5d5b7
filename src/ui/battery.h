// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The battery gauge: a frame with a fill that shows the level, a climbing fill while charging,
// and a full look once charged.

#include "ui/control_base.h"

#include <array>

namespace ferrox {

class CBattery : public CControlBase {
public:
    static constexpr int BatteryId = 3406;
    // Fill area in design pixels from the control's top.
    static constexpr int FillTop = 7;
    static constexpr int FillHeight = 50;

    enum Mode { OnBattery = 0, Charging = 1, Charged = 2 };
    enum Slot { SlotSpare = 0, SlotFill, SlotFrame, SlotLowFill, SlotOverlay, SlotCount };

    CBattery(WindowBase* owner, int left, int top, int right, int bottom, int shown = 1,
             int visible = 1);

    bool LoadSlot(Slot slot, std::string_view relativePath);
    void SetLevel(int level);
    int GetLevel() const { return level_; }
    void SetMode(int mode);
    int GetMode() const { return mode_; }
    // One step of the charging animation: 25, 50, 75, 100, 25, ...
    void AdvanceChargingLevel();
    int ChargingLevel() const { return chargingLevel_; }
    // Where the fill for a level is drawn, in window pixels.
    QRect FillRect(int level) const;

    bool OnLButtonDown(int x, int y) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

private:
    void drawFill(Canvas& canvas, const QImage& image, int level) const;

    int level_ = 100;
    int mode_ = OnBattery;
    int chargingLevel_ = 25;
    std::array<QImage, SlotCount> images_;
};

} // namespace ferrox
