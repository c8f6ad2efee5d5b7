// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/column_layout.h"

#include "app/main_window/main_layout.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"

#include <algorithm>

namespace ferrox {
namespace {

// The frame image stretched to a box, its four corners kept, so hairlines stay one pixel.
void DrawPanel(Canvas& canvas, const QImage& frame, const QRect& box) {
    if (frame.isNull())
        return;
    const int c = std::min({4, frame.width() / 2, frame.height() / 2});
    const int w = frame.width(), h = frame.height();
    const int cs = std::max(1, Scaled(c));
    const int xs[] = {box.left(), box.left() + cs, box.right() + 1 - cs, box.right() + 1};
    const int ys[] = {box.top(), box.top() + cs, box.bottom() + 1 - cs, box.bottom() + 1};
    const int sx[] = {0, c, w - c, w};
    const int sy[] = {0, c, h - c, h};
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            canvas.DrawImage(frame,
                             QRect(sx[col], sy[row], sx[col + 1] - sx[col], sy[row + 1] - sy[row]),
                             QRect(xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]));
}

bool HasLiftOff() {
    return DpiSteps.longTable;
}

} // namespace

void ColumnLayout::Bind() {
    for (const SectionInfo& info : kSections)
        onClick(info.headerId, [this, section = info.section] { onHeaderClicked(section); });
}

void ColumnLayout::Create() {
    frame_ = LoadSkinFile("skins/Frame_Lighting_Setting.bmp");
    placedLongTable_ = HasLiftOff();
    place();
}

void ColumnLayout::Refresh(const ProfileSettings&) {
    if (placedLongTable_ != HasLiftOff()) { // the sensor changed
        placedLongTable_ = HasLiftOff();
        place();
    }
}

void ColumnLayout::onHeaderClicked(Section section) {
    auto* header = control<CCheckButton>(InfoOf(section).headerId);
    if (!header)
        return;
    open_[std::size_t(section)] = header->GetChecked();
    if (header->GetChecked())
        open_ = AfterOpening(open_, section, HasLiftOff());
    place();
    calls_.showProfileAgain();
}

void ColumnLayout::place() {
    open_ = WithoutMissingLiftOff(open_, HasLiftOff());
    const ColumnPlaces places = PlaceColumn(open_, HasLiftOff());
    const std::span<const ControlSpec> rows = MainWindowSections();
    for (const SectionInfo& info : kSections) {
        const SectionPlace& place = places[std::size_t(info.section)];
        const bool open = open_[std::size_t(info.section)];
        if (auto* header = control<CCheckButton>(info.headerId)) {
            header->SetBounds(Scaled(ColumnLeft), Scaled(place.headerTop),
                              Scaled(ColumnLeft + HeaderWidth),
                              Scaled(place.headerTop + HeaderHeight));
            header->SetVisible(place.headerShown);
            header->SetChecked(open);
        }
        window_.SetLayerShown(info.layer, open && place.headerShown);
        if (info.section == Section::Dpi)
            continue; // the DPI contents keep their places
        const auto& controls = window_.Layer(info.layer);
        std::size_t c = 0;
        for (const ControlSpec& row : rows) {
            if (row.layer != info.layer)
                continue;
            CControlBase* control = c < controls.size() ? controls[c++].get() : nullptr;
            if (!control || row.id == MainId::RateMenu)
                continue; // the rate list stays where it was made
            const DesignRect& r = row.rect;
            control->SetBounds(Scaled(ColumnLeft + r.left), Scaled(place.contentTop + r.top),
                               Scaled(ColumnLeft + r.right), Scaled(place.contentTop + r.bottom));
        }
    }
    window_.ClearHotControl();
    window_.Invalidate();
}

void ColumnLayout::DrawFrames(Canvas& canvas) {
    for (const DesignBox& box : LeftPanelFrames())
        DrawPanel(canvas, frame_,
                  ScaledRect(box.x, box.y, box.x + box.width, box.y + box.height));
    const ColumnPlaces places = PlaceColumn(open_, HasLiftOff());
    for (const SectionInfo& info : kSections) {
        const SectionPlace& place = places[std::size_t(info.section)];
        if (open_[std::size_t(info.section)] && place.headerShown)
            DrawPanel(canvas, frame_,
                      ScaledRect(ColumnLeft, place.contentTop, ColumnLeft + HeaderWidth,
                                 place.contentTop + info.frameHeight));
    }
}

} // namespace ferrox
