// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check buttons: a click toggles the check state; checked looks pressed whatever the pointer.

#include "ui/button_base.h"

namespace ferrox {

class CCheckButton : public ButtonBase {
public:
    CCheckButton(WindowBase* owner, int id, int left, int top, int right, int bottom,
                 std::wstring caption = {}, int shown = 1, int visible = 1, int locked = 0,
                 unsigned textFormat = 0);

    // Captions shown unchecked and checked; an empty one leaves the control's own text.
    void SetTexts(const std::wstring& normalText, const std::wstring& checkedText);
    void SetChecked(bool checked);
    bool GetChecked() const { return checked_; }

    void Draw(Canvas& canvas) override;

protected:
    void OnClick(int, int) override;
    // Look 0..2 after the check state has been taken into account.
    int currentLook() const;
    void DrawButton(Canvas& canvas);
    // The caption of the current look becomes the control's text, so GetText reads what the
    // user sees.
    void FollowCaption();

    bool checked_ = false;
    std::wstring normalText_;
    std::wstring checkedText_;
};

// A check button that also shows a colour swatch; a double-click asks to edit the colour.
class CColorSelectCheckButton : public CCheckButton {
public:
    using CCheckButton::CCheckButton;

    void SetColour(Colour colour);
    Colour GetColour() const { return colour_; }
    // Swatch rectangle: the control's rectangle shrunk by these pixels.
    void SetSwatchInsets(int left, int top, int right, int bottom);

    bool OnLButtonDblClk(int x, int y) override;
    void Draw(Canvas& canvas) override;

private:
    Colour colour_ = 0;
    QMargins swatchInsets_{3, 3, 3, 3};
};

} // namespace ferrox
