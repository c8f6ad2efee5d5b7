// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every drawn control. A control is not a window: its dialog owns it, feeds it
// mouse input in client coordinates, asks it to draw, and hears from it through sent
// messages whose number is the control's ID (lParam a ControlNotify code).

#include "platform/canvas.h"
#include "platform/messages.h"
#include "ui/control_notify.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <string>
#include <string_view>

namespace ferrox {

class WindowBase;

class CControlBase {
public:
    CControlBase(WindowBase* owner, int id, int left, int top, int right, int bottom,
                 std::wstring text = {}, int shown = 1, int visible = 1, int locked = 0,
                 int tracksMouse = 1);
    virtual ~CControlBase();

    CControlBase(const CControlBase&) = delete;
    CControlBase& operator=(const CControlBase&) = delete;

    virtual void Draw(Canvas& canvas);
    // Called with 0 on the control that was active before another press.
    virtual void ResetState(int) {}
    virtual void SetBounds(int left, int top, int right, int bottom);
    QRect GetBounds() const;
    // Stores a different text and repaints the control; the same text changes nothing.
    virtual void SetText(const std::wstring& text);
    std::wstring GetText() const { return text_; }
    virtual void SetShown(int shown) { shown_ = shown; }
    virtual void SetVisible(int visible) { visible_ = visible; }

    // Each returns true when the control's look changed and its rectangle needs repainting.
    virtual bool OnMouseMove(int x, int y);
    virtual bool OnLButtonDown(int x, int y);
    virtual bool OnLButtonUp(int x, int y);
    virtual bool OnRButtonUp(int x, int y);
    virtual bool OnLButtonDblClk(int x, int y);
    // Drops the control's images; it draws nothing of them afterwards.
    virtual void ReleaseImages() {}

    // Whether Tab stops at the control (only displayed, unlocked controls are asked).
    virtual bool TakesFocus() const { return false; }
    // Whether Enter acts on the control when it has the focus, rather than on the dialog.
    virtual bool PressesOnEnter() const { return false; }
    // A key (virtual-key code) for the control that has the keyboard focus; true when taken.
    virtual bool OnKeyDown(int) { return false; }

    // The tooltip the desktop shows when the pointer rests on the control; empty for none.
    void SetTip(std::wstring tip) { tip_ = std::move(tip); }
    const std::wstring& Tip() const { return tip_; }

    void SetFont(int height, const std::wstring& face);
    const QFont& Font() const { return font_; }

    int Id() const { return id_; }
    int Shown() const { return shown_; }
    int Visible() const { return visible_; }
    int Locked() const { return locked_; }
    void SetLocked(int locked) { locked_ = locked; }
    int TracksMouse() const { return tracksMouse_; }
    // Drawn and hit-tested only while both flags are set.
    bool IsDisplayed() const { return shown_ && visible_; }
    bool Contains(int x, int y) const {
        return x >= left_ && x < right_ && y >= top_ && y < bottom_;
    }
    WindowBase* Owner() const { return owner_; }

    // Controls whose release changes what other parts of the window show (page tabs, for
    // instance) ask the dialog to repaint the whole window instead of their own rectangle.
    void SetRepaintsWindowOnRelease(bool on) { repaintsWindowOnRelease_ = on; }
    bool RepaintsWindowOnRelease() const { return repaintsWindowOnRelease_; }

    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }

protected:
    // Sends message = ID with the given wParam and code to the owner, if any.
    void Notify(LParam code, WParam wParam = 0);
    void SendToOwner(unsigned message, WParam wParam, LParam lParam);
    void Repaint();
    // Hover follows the pointer unless the control is held down; true when the state changed.
    bool TrackHover(int& mouseState, int x, int y) const;

    // Image slot loaders. A successful load sets the frame size: the last loaded image decides
    // the size of all of a control's looks. A failed load leaves a null image in the slot.
    bool LoadImageFile(QImage& slot, std::string_view relativePath);
    bool LoadStripResource(QImage& slot, int resourceId);
    bool LoadStripFile(QImage& slot, std::string_view relativePath, int frames = 3);
    // Draws frame `frame` of a strip (frames side by side, each FrameWidth() wide).
    void DrawStripFrame(Canvas& canvas, const QImage& strip, int frame, const QRect& dest) const;
    // One line, vertically centred, shortened with an ellipsis, plus the caller's flags.
    void DrawCaption(Canvas& canvas, const std::wstring& text, const QRect& rect, Colour colour,
                     unsigned format) const;

    int id_;
    int left_, top_, right_, bottom_;
    int shown_, visible_, locked_, tracksMouse_;
    std::wstring text_;
    WindowBase* owner_;
    QFont font_;
    int frameWidth_ = 0;
    int frameHeight_ = 0;

private:
    bool repaintsWindowOnRelease_ = false;
    std::wstring tip_;
};

} // namespace ferrox
