// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The skinned dialog: a frameless window whose whole surface is painted by the program from a
// frame image and the drawn controls it owns in seven layers. It routes the mouse to the
// controls, lets the user drag the window by any point that is not a control, and receives
// the controls' notifications as messages.

#include "platform/qt_colour.h"
#include "platform/window_base.h"
#include "ui/control_base.h"
#include "ui/dialog_focus.h"
#include "ui/edit_field.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class QHelpEvent;

namespace ferrox {

struct FrameBitmap;

// Which of the shared end buttons a dialog binds: OK ends it with IDOK, Cancel and the title
// bar's close with IDCANCEL.
enum class EndButtons { None, Close, OkClose, OkCancelClose };

// Everything a skinned dialog's set-up shares with the others, given once by each dialog.
struct DialogFrame {
    int width = 0; // design size
    int height = 0;
    std::string_view skin{}; // its own frame, drawn over the whole window; empty: none
    int titleText = -1;      // LanguageTable text naming the window; -1: the dialog names it
    DefaultKey enter = DefaultKey::EndOk;
    DefaultKey escape = DefaultKey::EndCancel;
    EndButtons ends = EndButtons::OkCancelClose;
    bool modal = true; // blocks the program's other windows while it is open
};

class CDlgBase : public WindowBase {
public:
    static constexpr int ControlLayerCount = 7;
    static constexpr int PopupSlotCount = 11;
    static constexpr Colour DefaultBackground = 0xEFE2BA;
    // The buttons every skinned dialog shares: the title bar's close, OK and Cancel.
    static constexpr int CloseId = 2004;
    static constexpr int OkId = 2010;
    static constexpr int CancelId = 2011;

    explicit CDlgBase(QWidget* parent = nullptr);
    // A dialog of the program: sized, keyed and bound as described; once shown it takes its
    // title and frame and enters OpenDialogTable.
    CDlgBase(QWidget* parent, const DialogFrame& frame);
    ~CDlgBase() override;

    // The control with this ID, searching layer 0 first, each layer in insertion order.
    CControlBase* FindControl(int id) const;
    // The control with this ID as the given kind, or null when there is none of that kind.
    template <typename Control> Control* FindControlAs(int id) const {
        return dynamic_cast<Control*>(FindControl(id));
    }
    // Appends to the layer (0..6); the dialog owns the control from now on. A layer outside
    // 0..6 takes nothing: the control is destroyed and null returned.
    template <typename Control> Control* AddControl(int layer, std::unique_ptr<Control> control) {
        Control* raw = control.get();
        return adoptControl(layer, std::unique_ptr<CControlBase>(std::move(control))) ? raw
                                                                                     : nullptr;
    }
    const std::vector<std::unique_ptr<CControlBase>>& Layer(int layer) const;

    // An edit field (a platform child window, not a drawn control). Fields take the keyboard
    // focus in the order they were added; the first has it when the dialog opens.
    EditField* AddEditField(int id, const DesignRect& rect);
    EditField* FindEditField(int id) const;
    // The edit fields in the order they were added.
    std::vector<EditField*> EditFields() const;
    // Sets `shown` on every control of a layer (page switches).
    void SetLayerShown(int layer, int shown);
    void ReleaseControlImages();

    // A frame from LoadFrameResourceAside; false when it is empty.
    bool SetFrameBitmap(const FrameBitmap& frame);
    bool LoadFrameImage(std::string_view relativePath);
    // A frame made for this dialog's own design size: loaded once, drawn over the whole
    // client area at every paint, scaled with the window.
    bool LoadDialogFrame(std::string_view relativePath);
    Colour BackgroundColour() const { return backgroundColour_; }
    int FrameInset() const { return frameInset_; }
    QSize FrameSize() const { return QSize(frameWidth_, frameHeight_); }
    const QFont& DialogTextFont() const { return font_; }

    int WindowWidth() const { return windowWidth_; }
    int WindowHeight() const { return windowHeight_; }
    // Design size; the window becomes design × UiScale, truncated.
    void SetDesignSize(int width, int height);

    // --- popups: one slot per kind, guarded so a popup that deleted itself is never touched ---
    void SetPopup(int slot, WindowBase* popup);
    WindowBase* Popup(int slot) const;
    // Resets the active control (unless it is under the pointer), asks the popup's window to
    // close and forgets it.
    void ClosePopup(int slot);

    CControlBase* HotControl() const { return hotControl_; }
    CControlBase* ActiveControl() const { return activeControl_; }
    // Dialogs that hide the control under the pointer (a page switch) forget it here.
    void ClearHotControl() { hotControl_ = nullptr; }
    void SetActiveControl(CControlBase* control) { activeControl_ = control; }
    QPoint LastPointer() const { return QPoint(lastX_, lastY_); }
    // The keyboard focus among the drawn controls.
    DialogFocus& Focus() { return focus_; }
    const DialogFocus& Focus() const { return focus_; }
    // Enter presses the focused button unless the window keeps Enter to itself.
    void SetEnterPressesFocus(bool on) { enterPressesFocus_ = on; }
    bool ButtonHeld() const { return buttonHeld_; }

    // The paint routine. A minimised window only ever gets its one pixel.
    void PaintWindow(Canvas& canvas, const QRect& updateRect, bool minimised);

    // Enters the dialog in OpenDialogTable; it leaves the table when destroyed.
    bool RegisterAsOpenDialog();

protected:
    virtual void DrawDialog(Canvas& canvas, const QRect& clientRect);
    virtual void DrawControls(Canvas& canvas, const QRect& updateRect);
    virtual void CreateControls(int left, int top, int right, int bottom);
    // Fills with the background colour and draws the dialog frame, or copies the prepared
    // frame surface.
    void DrawBackground(Canvas& canvas, const QRect& clientRect);

    bool OnInitDialog() override;
    // Ending a skinned dialog releases its control images and its OpenDialogTable entry.
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    void EndSkinnedDialog(int result);
    void OnPaint(Canvas& canvas, const QRect& updateRect) override;
    void OnMouseMove(int x, int y) override;
    void OnMouseLeave() override;
    void OnMouseHover(int x, int y) override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonUp(int x, int y) override;
    void OnLButtonDblClk(int x, int y) override;
    bool event(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

    int windowWidth_ = 2254;
    int windowHeight_ = 1480;

private:
    bool adoptControl(int layer, std::unique_ptr<CControlBase> control);
    void prepareFrame(const QImage& frame, Colour average);
    void applyFrame(const DialogFrame& frame);
    void bindEnds(EndButtons ends);
    void bindClick(int id, void (CDlgBase::*handler)());
    CControlBase* controlAt(int x, int y, int lastLayer) const;
    // The topmost displayed control at the point that has a tooltip.
    CControlBase* tippedControlAt(const QPoint& point) const;
    void showTip(const QHelpEvent& help);
    void repaintControl(CControlBase* control);

    std::optional<DialogFrame> frame_;
    Colour backgroundColour_ = DefaultBackground;
    QFont font_;
    int frameWidth_ = 100;
    int frameHeight_ = 100;
    QImage frameSurface_;
    QImage dialogFrame_;
    int frameInset_ = 0;
    bool trackingOn_ = false;
    bool buttonHeld_ = false;
    QRect updateRect_;
    QRect pressRect_;
    bool doubleClick_ = false;
    int lastX_ = -1;
    int lastY_ = -1;
    std::array<std::vector<std::unique_ptr<CControlBase>>, ControlLayerCount> layers_;
    CControlBase* hotControl_ = nullptr;
    CControlBase* activeControl_ = nullptr;
    std::array<QPointer<WindowBase>, PopupSlotCount> popups_;
    std::vector<QPointer<EditField>> editFields_; // owned by Qt as children
    DialogFocus focus_{*this};
    bool enterPressesFocus_ = true;
};

// The program's icon, made the application's icon on the first call.
QIcon ProgramIcon();

} // namespace ferrox
