// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour palette: the user picks a colour from the palette image, sees it in a swatch with
// its red, green and blue values, and confirms it with OK. The colour is read from the image
// itself (never from the screen), so picking works on every desktop.

#include "base/colour.h"
#include "ui/dlg_base.h"

namespace ferrox {

class CColorPaletteDlg : public CDlgBase {
public:
    static constexpr int DesignWidth = 500;
    static constexpr int DesignHeight = 291;
    // The value texts share the numbers 2011..2013 with the other dialogs' cancel, title and
    // message; here they are only texts.
    static constexpr int RedId = 2011;
    static constexpr int GreenId = 2012;
    static constexpr int BlueId = 2013;
    // The palette's ground, which offers no colour.
    static constexpr Colour Ground = 0x0F0F0F;

    // target: the colour being edited (a DPI level's or a lighting slot's); written on OK only.
    explicit CColorPaletteDlg(Colour& target, QWidget* parent = nullptr);

    Colour Working() const { return working_; }

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnLButtonDown(int x, int y) override;
    void OnOK() override;

private:
    void showValues();

    Colour& target_;
    Colour working_;
    QImage palette_;
};

} // namespace ferrox
