// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The power-down dial: eight wedges for 3 to 10 minutes; the selected segment's image shows
// the whole dial with that wedge lit.

#include "ui/button_base.h"

#include <QPolygon>

#include <array>

namespace ferrox {

class CPowerManageButton : public ButtonBase {
public:
    static constexpr int RegionCount = 8;
    static constexpr int SegmentCount = 10;
    // Region k selects segment k + 3 (minutes).
    static constexpr int FirstRegionSegment = 3;

    CPowerManageButton(WindowBase* owner, int id, int left, int top, int right, int bottom,
                       int shown = 1, int visible = 1, int locked = 0);

    // Image of segment 1..10.
    bool LoadSegmentImage(int segment, std::string_view relativePath);
    void SetSegment(int segment);
    int GetSegment() const { return segment_; }
    // The wedge (0..7) containing the point, or -1.
    int RegionAt(int x, int y) const;

    void SetBounds(int left, int top, int right, int bottom) override;
    // The arrows step through the segments a click can choose.
    bool OnKeyDown(int key) override;
    void ReleaseImages() override;
    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int x, int y) override;

private:
    void buildRegions();

    int segment_ = FirstRegionSegment;
    std::array<QImage, SegmentCount> segmentImages_;
    std::array<QPolygon, RegionCount> regions_;
};

} // namespace ferrox
