// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/color_palette_dlg.h"

#include "app/tool_tips.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"

#include <algorithm>

namespace ferrox {

namespace {

using K = ControlKind;
using D = CColorPaletteDlg;
constexpr int kPaletteResource = 287;
constexpr FontSpec kValueFont{L"Tahoma", 14};

constexpr ControlSpec kControls[] = {
    CloseButton(D::CloseId, {480, 6, 495, 21}),
    OkButton({391, 234, 460, 254}),
    {D::RedId, K::StaticText, {320, 212, 373, 230}, {}, -1, {}, kValueFont, CentredLine},
    {D::GreenId, K::StaticText, {320, 235, 373, 253}, {}, -1, {}, kValueFont, CentredLine},
    {D::BlueId, K::StaticText, {320, 258, 373, 276}, {}, -1, {}, kValueFont, CentredLine},
};

// The two areas of the palette that offer colours, in design units.
constexpr QRect kAreas[] = {QRect(QPoint(18, 26), QPoint(221, 269)),
                            QRect(QPoint(244, 26), QPoint(472, 189))};

} // namespace

CColorPaletteDlg::CColorPaletteDlg(Colour& target, QWidget* parent)
    : CDlgBase(parent, {.width = DesignWidth, .height = DesignHeight,
                        .escape = DefaultKey::EndCancel, .ends = EndButtons::OkClose}),
      target_(target), working_(target) {}

bool CColorPaletteDlg::OnInitDialog() {
    palette_ = LoadPngResource(kPaletteResource);
    CDlgBase::OnInitDialog();
    setWindowTitle(QStringLiteral("Color"));
    return true;
}

void CColorPaletteDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    showValues();
}

void CColorPaletteDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    canvas.FillRect(clientRect, Ground);
    canvas.DrawImage(palette_, QRect(0, 0, DesignWidth, DesignHeight), clientRect,
                     Interpolation::Smooth);
    canvas.FillRect(ScaledRect(245, 212, 303, 270), working_);
    DrawControls(canvas, clientRect);
}

void CColorPaletteDlg::OnLButtonDown(int x, int y) {
    const QPoint design(int(x / UiScale), int(y / UiScale));
    const bool inArea = std::any_of(std::begin(kAreas), std::end(kAreas),
                                    [&](const QRect& area) { return area.contains(design); });
    if (inArea && palette_.valid(design)) {
        const Colour picked = FromQColor(palette_.pixelColor(design));
        if (picked != Ground) {
            working_ = picked;
            showValues();
        }
    }
    CDlgBase::OnLButtonDown(x, y);
}

void CColorPaletteDlg::showValues() {
    const std::pair<int, std::uint8_t> values[] = {
        {RedId, RedOf(working_)}, {GreenId, GreenOf(working_)}, {BlueId, BlueOf(working_)}};
    for (auto [id, value] : values)
        if (CControlBase* text = FindControl(id))
            text->SetText(std::to_wstring(value));
    Invalidate();
}

void CColorPaletteDlg::OnOK() {
    target_ = working_;
    CDlgBase::OnOK();
}

} // namespace ferrox
