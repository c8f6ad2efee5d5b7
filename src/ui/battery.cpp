// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/battery.h"

#include "base/app_globals.h"

#include <algorithm>

namespace ferrox {

namespace {

int DesignFill(int level) {
    return std::max(1, std::clamp(level, 0, 100) * CBattery::FillHeight / 100);
}

} // namespace

CBattery::CBattery(WindowBase* owner, int left, int top, int right, int bottom, int shown,
                   int visible)
    : CControlBase(owner, BatteryId, left, top, right, bottom, {}, shown, visible, 1) {}

bool CBattery::LoadSlot(Slot slot, std::string_view relativePath) {
    return LoadImageFile(images_[slot], relativePath);
}

void CBattery::SetLevel(int level) {
    level = std::clamp(level, 0, 100);
    if (level == level_)
        return;
    level_ = level;
    Repaint();
}

void CBattery::SetMode(int mode) {
    if (mode == mode_)
        return;
    mode_ = mode;
    Repaint();
}

void CBattery::AdvanceChargingLevel() {
    chargingLevel_ += 25;
    if (chargingLevel_ > 100)
        chargingLevel_ = 25;
    Repaint();
}

QRect CBattery::FillRect(int level) const {
    const int fill = DesignFill(level);
    int height = static_cast<int>(fill * UiScale);
    int y = top_ + static_cast<int>((FillTop + FillHeight - fill) * UiScale);
    // Scaled skins step by two pixels: an odd fill grows upwards to the next step.
    if (UiScale > 1.0f && height % 2) {
        --y;
        ++height;
    }
    return QRect(left_, y, right_ - left_, height);
}

void CBattery::drawFill(Canvas& canvas, const QImage& image, int level) const {
    const int fill = DesignFill(level);
    const QRect source(0, FillTop + FillHeight - fill, image.width(), fill);
    canvas.DrawImage(image, source, FillRect(level));
}

bool CBattery::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    Notify(NotifyPressed);
    return false;
}

void CBattery::ReleaseImages() {
    for (auto& image : images_)
        image = QImage();
}

void CBattery::Draw(Canvas& canvas) {
    const QRect bounds = GetBounds();
    switch (mode_) {
    case Charging:
        canvas.DrawImage(images_[SlotFrame], bounds);
        drawFill(canvas, images_[SlotLowFill], chargingLevel_);
        canvas.DrawImage(images_[SlotOverlay], bounds);
        break;
    case Charged:
        canvas.DrawImage(images_[SlotFill], bounds);
        canvas.DrawImage(images_[SlotOverlay], bounds);
        break;
    default:
        canvas.DrawImage(images_[SlotFrame], bounds);
        drawFill(canvas, images_[SlotFill], level_);
        break;
    }
}

} // namespace ferrox
