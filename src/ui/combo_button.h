// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drop-down button: shows a value, opens its dialog's popup when clicked, and reports the
// pointer entering and leaving it (the main window marks the matching mouse button). It
// reports on a message number of its own, always with wParam = its ID.

#include "ui/button_base.h"

namespace ferrox {

class CComboButton : public ButtonBase {
public:
    // Frames of a five-look strip.
    enum Look {
        LookNormal = 0,
        LookOver = 1,
        LookDown = 2,
        LookDisabled = 3,
        LookDisabledOver = 4
    };
    static constexpr int StripFrames = 5;
    // Enter notices sent per visit, so a listener is sure to see one without being flooded.
    static constexpr int EnterNoticeCount = 5;
    static constexpr double DisabledOpacity = 0.45;

    CComboButton(WindowBase* owner, int id, int left, int top, int right, int bottom,
                 unsigned message, std::wstring value = {}, int shown = 1, int visible = 1,
                 int locked = 0, unsigned textFormat = 0);

    unsigned Message() const { return message_; }
    void SetPopupOpen(bool open);
    bool PopupOpen() const { return popupOpen_; }
    // The disabled look: drawn greyed (in white), and a click opens nothing.
    void SetDisabledLook(bool disabled);
    bool DisabledLook() const { return disabledLook_; }
    // Shows the literal "Disable" instead of the value.
    void SetDisable(bool disable);
    bool Disable() const { return disable_; }

    bool TakesFocus() const override { return !disabledLook_; }
    bool OnMouseMove(int x, int y) override;
    bool OnLButtonDown(int x, int y) override;
    bool OnLButtonUp(int x, int y) override;
    void Draw(Canvas& canvas) override;

private:
    int currentLook() const;

    unsigned message_;
    bool popupOpen_ = false;
    bool disabledLook_ = false;
    bool disable_ = false;
    int enterCount_ = 0;
};

} // namespace ferrox
