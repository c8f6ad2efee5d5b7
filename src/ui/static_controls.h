// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Passive controls: an image and a text. Both still report a click, so a dialog can make a
// picture or a label act like a button.

#include "ui/control_base.h"
#include "ui/look_colours.h"

namespace ferrox {

class CStaticImage : public CControlBase {
public:
    using CControlBase::CControlBase;

    bool LoadImage(std::string_view relativePath);

    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void ReleaseImages() override { image_ = QImage(); }
    void Draw(Canvas& canvas) override;

private:
    QImage image_;
    int mouseState_ = MouseNormal;
};

class CStaticText : public CControlBase {
public:
    static constexpr Colour DefaultColour = look::Text;

    CStaticText(WindowBase* owner, int id, int left, int top, int right, int bottom,
                std::wstring text, unsigned format = 0, Colour colour = DefaultColour,
                int shown = 1, int visible = 1, int locked = 0);

    void SetColour(Colour colour);
    Colour GetColour() const { return colour_; }
    unsigned Format() const { return format_; }

    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void Draw(Canvas& canvas) override;

private:
    unsigned format_;
    Colour colour_;
};

} // namespace ferrox
