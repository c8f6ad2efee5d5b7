// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every skinned button shares: three looks (normal, over, down) from separate images or
// one strip, the pointer state machine, and a caption drawn in the colour of its look.

#include "ui/control_base.h"
#include "ui/look_colours.h"

#include <array>

namespace ferrox {

class ButtonBase : public CControlBase {
public:
    enum ImageSlot { SlotNormal = 0, SlotOver = 1, SlotDown = 2 };

    ButtonBase(WindowBase* owner, int id, int left, int top, int right, int bottom,
                std::wstring text = {}, int shown = 1, int visible = 1, int locked = 0,
                unsigned textFormat = 0);

    bool LoadImage(ImageSlot slot, std::string_view relativePath);
    // stem + "_nr.png", "_ov.png", "_dn.png"; true when the normal look loaded. A missing look
    // simply draws nothing.
    bool LoadImages(std::string_view stem);
    // Looks side by side in one image (normal, over, down, ...).
    bool LoadStrip(int resourceId);
    bool LoadStripImage(std::string_view relativePath, int frames = 3);
    void ReleaseImages() override;

    // The shared click behaviour: hover, press (NotifyPressed), release inside (the button's
    // action, then NotifyClicked); a locked button ignores all of it.
    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    // Space and Enter click the button where a click does the least: its middle.
    bool TakesFocus() const override { return true; }
    bool PressesOnEnter() const override { return true; }
    bool OnKeyDown(int key) override;

    int GetMouseState() const { return mouseState_; }
    void SetTextColours(Colour normal, Colour over, Colour down);
    void SetTextFormat(unsigned format) { textFormat_ = format; }
    void SetInsets(int left, int right);

    static constexpr Colour NormalTextColour = look::Text;
    static constexpr Colour OverTextColour = 0xFFFFFF;
    static constexpr Colour DownTextColour = 0x00FFFF;

protected:
    // What a click does before the dialog hears of it; x, y is the release point.
    virtual void OnClick(int, int) {}
    virtual WParam ClickWParam() const { return 0; }

    // Hover follows the pointer unless the button is held down. True when the look changed.
    bool TrackPointer(int x, int y);
    // Enters the down state when the press is inside; returns whether it was.
    bool PressPointer(int x, int y);
    // Ends a press: over when released inside (returned true), normal otherwise.
    bool ReleasePointer(int x, int y);
    void SetMouseState(int state) { mouseState_ = state; }

    bool HasStrip() const { return !strip_.isNull(); }
    // Look 0..2 (or any strip frame): from the strip when there is one, else the slot's image.
    void DrawLook(Canvas& canvas, int look) const;
    void DrawText(Canvas& canvas, const std::wstring& text, Colour colour) const;
    Colour LookColour(int look) const;

    QImage strip_;
    std::array<QImage, 3> images_;
    int mouseState_ = MouseNormal;
    unsigned textFormat_;
    int leftInset_ = 0;
    int rightInset_ = 0;
    std::array<Colour, 3> colours_{NormalTextColour, OverTextColour, DownTextColour};
};

} // namespace ferrox
