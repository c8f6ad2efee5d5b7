// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Image buttons (a click reports the button's ID) and the link button (text that reports the
// pointer entering and leaving it).

#include "ui/button_base.h"

namespace ferrox {

class CImageButton : public ButtonBase {
public:
    using ButtonBase::ButtonBase;

    // With a tip, the pointer entering the button asks the dialog for it (NotifyHoverTip).
    void SetHoverTip(bool on) { hoverTip_ = on; }

    bool OnMouseMove(int x, int y) override;
    void Draw(Canvas& canvas) override;

protected:
    WParam ClickWParam() const override { return static_cast<WParam>(id_); }

private:
    bool hoverTip_ = false;
};

class CLinkButton : public ButtonBase {
public:
    static constexpr int LinkId = 3503;

    CLinkButton(WindowBase* owner, int left, int top, int right, int bottom, std::wstring text,
                int shown = 1, int visible = 1, int locked = 0, unsigned textFormat = 0);

    bool OnMouseMove(int x, int y) override;
    void Draw(Canvas& canvas) override;

private:
    bool inside_ = false;
};

} // namespace ferrox
