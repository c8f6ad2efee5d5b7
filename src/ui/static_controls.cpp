// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/static_controls.h"

namespace ferrox {

bool CStaticImage::LoadImage(std::string_view relativePath) {
    return LoadImageFile(image_, relativePath);
}

bool CStaticImage::OnMouseMove(int x, int y) {
    if (locked_ || mouseState_ == MouseDown)
        return false;
    mouseState_ = Contains(x, y) ? MouseOver : MouseNormal;
    return false;
}

bool CStaticImage::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    mouseState_ = MouseDown;
    Notify(NotifyPressed);
    return false;
}

bool CStaticImage::OnLButtonUp(int x, int y) {
    if (locked_)
        return false;
    const bool inside = Contains(x, y);
    mouseState_ = inside ? MouseOver : MouseNormal;
    if (inside)
        Notify(NotifyClicked);
    return false;
}

void CStaticImage::Draw(Canvas& canvas) {
    canvas.DrawImage(image_, GetBounds());
}

CStaticText::CStaticText(WindowBase* owner, int id, int left, int top, int right, int bottom,
                         std::wstring text, unsigned format, Colour colour, int shown, int visible,
                         int locked)
    : CControlBase(owner, id, left, top, right, bottom, std::move(text), shown, visible, locked),
      format_(format), colour_(colour) {}

void CStaticText::SetColour(Colour colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    Repaint();
}

bool CStaticText::OnLButtonDown(int x, int y) {
    if (locked_ || !Contains(x, y))
        return false;
    Notify(NotifyPressed);
    return false;
}

bool CStaticText::OnLButtonUp(int x, int y) {
    if (!locked_ && Contains(x, y))
        Notify(NotifyClicked);
    return false;
}

void CStaticText::Draw(Canvas& canvas) {
    DrawCaption(canvas, text_, GetBounds(), colour_, format_);
}

} // namespace ferrox
