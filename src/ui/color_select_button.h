// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A button showing a colour swatch over its skin; clicking it lets the dialog pick a colour.

#include "ui/button_base.h"

namespace ferrox {

class CColorSelectButton : public ButtonBase {
public:
    using ButtonBase::ButtonBase;

    void SetColour(Colour colour);
    Colour GetColour() const { return colour_; }
    // Swatch rectangle: the control's rectangle shrunk by these pixels.
    void SetSwatchInsets(int left, int top, int right, int bottom);

    void Draw(Canvas& canvas) override;

private:
    Colour colour_ = 0;
    QMargins swatchInsets_{2, 2, 2, 2};
};

} // namespace ferrox
