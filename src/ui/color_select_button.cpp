// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/color_select_button.h"

namespace ferrox {

void CColorSelectButton::SetColour(Colour colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    Repaint();
}

void CColorSelectButton::SetSwatchInsets(int left, int top, int right, int bottom) {
    swatchInsets_ = QMargins(left, top, right, bottom);
}

void CColorSelectButton::Draw(Canvas& canvas) {
    DrawLook(canvas, mouseState_);
    canvas.FillRect(GetBounds().marginsRemoved(swatchInsets_), colour_);
}

} // namespace ferrox
