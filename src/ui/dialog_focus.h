// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keyboard focus of a drawn window. Drawn controls are not widgets, so the window keeps
// which of them has the keyboard, moves it with Tab in reading order (edit fields, which are
// widgets, take their turn among them), hands it the keys that act on it, and draws the ring
// that shows where it is. The ring shows only once the keyboard moved the focus: a window
// used with the pointer looks as it always did.

#include <QRect>

#include <vector>

namespace ferrox {

class Canvas;
class CControlBase;
class CDlgBase;
class EditField;

class DialogFocus {
public:
    explicit DialogFocus(CDlgBase& dialog) : dialog_(dialog) {}

    // Tab and Shift+Tab: the next stop, wrapping at the ends. False when there is none.
    bool Move(bool forward);
    // The drawn control the keys act on; null while an edit field has the keyboard.
    CControlBase* Focused() const;
    bool RingShown() const { return ring_ && Focused(); }
    // A press with the pointer moves the focus quietly.
    void PointerPressed(CControlBase* control);
    // Whether Enter presses the focused control rather than doing the window's default.
    bool TakesEnter() const;
    // Space, Enter and the arrows for the focused control; true when taken.
    bool KeyDown(int virtualKey);
    // A key for the control as if it had the focus (screen readers act this way).
    bool Act(CControlBase* control, int virtualKey);
    // Moves the focus to the control, with the ring; false when it takes no focus.
    bool FocusControl(CControlBase* control);
    void DrawRing(Canvas& canvas) const;
    // Where the ring around a control is drawn.
    static QRect RingRect(const QRect& bounds);

    struct Stop {
        CControlBase* control = nullptr; // or
        EditField* field = nullptr;
        QRect rect;
    };
    // Every stop of the window in the order Tab visits them.
    std::vector<Stop> Chain() const;

private:
    bool isStop(const CControlBase* control) const;
    void focus(CControlBase* control, bool ring);
    void focusField(EditField* field, bool forward);
    bool moveInGroup(CControlBase* radio, int step);
    void repaintRing(const CControlBase* control);

    CDlgBase& dialog_;
    CControlBase* focused_ = nullptr;
    bool ring_ = false;
};

} // namespace ferrox
