// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/power_manage_button.h"

#include "platform/virtual_keys.h"
#include "ui/focus_keys.h"

#include <cmath>
#include <numbers>

namespace ferrox {

namespace {

// The dial is a half disc standing on the middle of the button's bottom edge; its wedges run
// clockwise from the left (3 minutes) to the right (10 minutes). The radius reaches past the
// corners so that every point above the centre belongs to a wedge.
constexpr double CentreXFraction = 0.5;
constexpr double CentreYFraction = 0.93;
constexpr int ArcPointsPerWedge = 6;

} // namespace

CPowerManageButton::CPowerManageButton(WindowBase* owner, int id, int left, int top, int right,
                                       int bottom, int shown, int visible, int locked)
    : ButtonBase(owner, id, left, top, right, bottom, {}, shown, visible, locked) {
    buildRegions();
}

void CPowerManageButton::SetBounds(int left, int top, int right, int bottom) {
    ButtonBase::SetBounds(left, top, right, bottom);
    buildRegions();
}

void CPowerManageButton::buildRegions() {
    const QRect r = GetBounds();
    const double cx = r.left() + r.width() * CentreXFraction;
    const double cy = r.top() + r.height() * CentreYFraction;
    const double radius = 2.0 * std::hypot(r.width(), r.height());
    for (int k = 0; k < RegionCount; ++k) {
        QPolygon wedge;
        wedge << QPoint(static_cast<int>(cx), static_cast<int>(cy));
        for (int i = 0; i <= ArcPointsPerWedge; ++i) {
            const double step = k + static_cast<double>(i) / ArcPointsPerWedge;
            const double angle = std::numbers::pi * (1.0 - step / RegionCount);
            wedge << QPoint(static_cast<int>(std::lround(cx + radius * std::cos(angle))),
                            static_cast<int>(std::lround(cy - radius * std::sin(angle))));
        }
        regions_[k] = wedge;
    }
}

int CPowerManageButton::RegionAt(int x, int y) const {
    if (!Contains(x, y))
        return -1;
    for (int k = 0; k < RegionCount; ++k)
        if (regions_[k].containsPoint(QPoint(x, y), Qt::OddEvenFill))
            return k;
    return -1;
}

bool CPowerManageButton::LoadSegmentImage(int segment, std::string_view relativePath) {
    if (segment < 1 || segment > SegmentCount)
        return false;
    return LoadImageFile(segmentImages_[segment - 1], relativePath);
}

void CPowerManageButton::SetSegment(int segment) {
    if (segment < 1 || segment > SegmentCount || segment == segment_)
        return;
    segment_ = segment;
    Repaint();
}

void CPowerManageButton::OnClick(int x, int y) {
    const int region = RegionAt(x, y);
    if (region >= 0)
        segment_ = region + FirstRegionSegment;
}

bool CPowerManageButton::OnKeyDown(int key) {
    const int step = StepOfArrow(key);
    if (step == 0)
        return ButtonBase::OnKeyDown(key);
    const int segment = std::clamp(segment_ + step, FirstRegionSegment, SegmentCount);
    if (locked_ || segment == segment_)
        return true;
    segment_ = segment;
    Notify(NotifyClicked, ClickWParam());
    return true;
}

void CPowerManageButton::ReleaseImages() {
    ButtonBase::ReleaseImages();
    for (auto& image : segmentImages_)
        image = QImage();
}

void CPowerManageButton::Draw(Canvas& canvas) {
    canvas.DrawImage(segmentImages_[segment_ - 1], GetBounds());
}

} // namespace ferrox
