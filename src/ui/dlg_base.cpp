// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dlg_base.h"

#include "base/app_globals.h"
#include "lang/language_table.h"
#include "platform/virtual_keys.h"
#include "ui/control_accessibility.h"
#include "ui/open_dialog_table.h"
#include "ui/skin_images.h"
#include "ui/ui_font.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace ferrox {

namespace {

// Frames are laid out for the main window's design size; the prepared surface always maps
// this source rectangle, whatever the frame's own size.
constexpr int FrameSourceWidth = 1127;
constexpr int FrameSourceHeight = 740;

const QRect NoPressRect(QPoint(-1, -1), QPoint(-2, -2));

} // namespace

CDlgBase::CDlgBase(QWidget* parent) : WindowBase(parent), pressRect_(NoPressRect) {
    SetDefaultKeys(DefaultKey::EndOk, DefaultKey::EndCancel);
    // A tip names a picture: it helps whether or not the window has the keyboard focus (a
    // compositor may leave a window it has not activated without it).
    setAttribute(Qt::WA_AlwaysShowToolTips);
    InstallControlAccessibility();
}

CDlgBase::CDlgBase(QWidget* parent, const DialogFrame& frame) : CDlgBase(parent) {
    frame_ = frame;
    SetDesignSize(frame.width, frame.height);
    if (frame.modal)
        setWindowModality(Qt::ApplicationModal);
    SetDefaultKeys(frame.enter, frame.escape);
    bindEnds(frame.ends);
}

CDlgBase::~CDlgBase() {
    ForgetControlInterfaces(*this);
    UnregisterOpenDialog(this);
}

bool CDlgBase::adoptControl(int layer, std::unique_ptr<CControlBase> control) {
    if (layer < 0 || layer >= ControlLayerCount || !control)
        return false;
    layers_[layer].push_back(std::move(control));
    return true;
}

const std::vector<std::unique_ptr<CControlBase>>& CDlgBase::Layer(int layer) const {
    return layers_[std::clamp(layer, 0, ControlLayerCount - 1)];
}

CControlBase* CDlgBase::FindControl(int id) const {
    for (const auto& layer : layers_)
        for (const auto& control : layer)
            if (control->Id() == id)
                return control.get();
    return nullptr;
}

EditField* CDlgBase::AddEditField(int id, const DesignRect& rect) {
    auto* field = new EditField(*this, id, rect);
    if (!editFields_.empty() && editFields_.back())
        setTabOrder(editFields_.back(), field);
    editFields_.emplace_back(field);
    return field;
}

std::vector<EditField*> CDlgBase::EditFields() const {
    std::vector<EditField*> fields;
    for (const auto& field : editFields_)
        if (field)
            fields.push_back(field);
    return fields;
}

EditField* CDlgBase::FindEditField(int id) const {
    for (const auto& field : editFields_)
        if (field && field->Id() == id)
            return field;
    return nullptr;
}

void CDlgBase::SetLayerShown(int layer, int shown) {
    if (layer < 0 || layer >= ControlLayerCount)
        return;
    for (const auto& control : layers_[layer])
        control->SetShown(shown);
}

void CDlgBase::ReleaseControlImages() {
    for (const auto& layer : layers_)
        for (const auto& control : layer)
            control->ReleaseImages();
}

void CDlgBase::SetDesignSize(int width, int height) {
    windowWidth_ = static_cast<int>(width * UiScale);
    windowHeight_ = static_cast<int>(height * UiScale);
}

bool CDlgBase::RegisterAsOpenDialog() {
    return RegisterOpenDialog(this);
}

// --- frame ---

bool CDlgBase::SetFrameBitmap(const FrameBitmap& frame) {
    if (frame.image.isNull())
        return false;
    prepareFrame(frame.image, frame.average);
    return true;
}

bool CDlgBase::LoadFrameImage(std::string_view relativePath) {
    const QImage frame = ferrox::LoadFrameImage(relativePath);
    if (frame.isNull())
        return false;
    prepareFrame(frame, AverageColour(frame));
    return true;
}

bool CDlgBase::LoadDialogFrame(std::string_view relativePath) {
    dialogFrame_ = ferrox::LoadFrameImage(relativePath);
    if (dialogFrame_.isNull())
        return false;
    backgroundColour_ = AverageColour(dialogFrame_);
    return true;
}

void CDlgBase::prepareFrame(const QImage& frame, Colour average) {
    frameWidth_ = frame.width();
    frameHeight_ = frame.height();
    // Compared in design units: a window that is only scaled up still gets the whole frame
    // stretched over it, not a picture cut short by the inset.
    const bool largerThanFrame = windowWidth_ > int(frameWidth_ * UiScale) ||
                                 windowHeight_ > int(frameHeight_ * UiScale);
    frameInset_ = largerThanFrame ? std::min(std::min(frameWidth_, 100), frameHeight_) : 0;
    backgroundColour_ = average;

    // The whole fixed source rectangle is stretched to the destination; a smaller frame only
    // covers its share of it.
    const double destWidth = (frameWidth_ - frameInset_) * UiScale;
    const double destHeight = (frameHeight_ - frameInset_) * UiScale;
    const int sourceWidth = std::min(frameWidth_, FrameSourceWidth);
    const int sourceHeight = std::min(frameHeight_, FrameSourceHeight);
    const QRectF target(0, 0, destWidth * sourceWidth / FrameSourceWidth,
                        destHeight * sourceHeight / FrameSourceHeight);
    const QRectF source(0, 0, sourceWidth, sourceHeight);
    if (target == source && source == QRectF(frame.rect()) &&
        frame.format() == QImage::Format_RGB32) {
        frameSurface_ = frame; // drawn as it is: sharing it spares a window-sized copy
        return;
    }
    // Sized to what the stretch covers, so a larger UiScale does not cut the picture off at the
    // frame's own size.
    frameSurface_ = QImage(std::max(frameWidth_, int(std::ceil(target.width()))),
                           std::max(frameHeight_, int(std::ceil(target.height()))),
                           QImage::Format_RGB32);
    frameSurface_.fill(Qt::black);
    QPainter painter(&frameSurface_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame, source);
}

// --- popups ---

void CDlgBase::SetPopup(int slot, WindowBase* popup) {
    if (slot >= 0 && slot < PopupSlotCount)
        popups_[slot] = popup;
}

WindowBase* CDlgBase::Popup(int slot) const {
    return (slot >= 0 && slot < PopupSlotCount) ? popups_[slot].data() : nullptr;
}

void CDlgBase::ClosePopup(int slot) {
    if (slot < 0 || slot >= PopupSlotCount || !popups_[slot])
        return;
    if (activeControl_ && activeControl_ != hotControl_) {
        activeControl_->ResetState(0);
        activeControl_ = nullptr;
    }
    popups_[slot]->PostMessage(WM_CLOSE);
    popups_[slot] = nullptr;
}

// --- initialisation and painting ---

void CDlgBase::CreateControls(int, int, int, int) {}

QIcon ProgramIcon() {
    // Looked up and decoded once per process, as the application's icon, which every window
    // inherits: the desktop theme's icon for the installed entry, else resource 128.
    if (QGuiApplication::windowIcon().isNull())
        QGuiApplication::setWindowIcon(QIcon::fromTheme(QGuiApplication::desktopFileName(),
                                                        QIcon(QStringLiteral(":/res/128.png"))));
    return QGuiApplication::windowIcon();
}

bool CDlgBase::OnInitDialog() {
    ProgramIcon();
    setWindowTitle(QStringLiteral("Gaming Mouse"));
    font_ = DialogFont(logicalDpiY());
    setFixedSize(windowWidth_, windowHeight_);

    // Placed before it is shown so it does not jump; on Wayland the position is only a request.
    QRect around = parentWidget() ? parentWidget()->window()->geometry() : QRect();
    if (around.isEmpty() && screen())
        around = screen()->availableGeometry();
    if (!around.isEmpty())
        move(around.center() - QPoint(windowWidth_ / 2, windowHeight_ / 2));
    show();
    {
        const SkinDecodeScope decodeOnce;
        CreateControls(0, 0, windowWidth_, windowHeight_);
    }
    if (!editFields_.empty() && editFields_.front())
        editFields_.front()->setFocus(Qt::OtherFocusReason);
    if (frame_)
        applyFrame(*frame_);
    NameEditFields(*this);
    return true;
}

void CDlgBase::applyFrame(const DialogFrame& frame) {
    if (frame.titleText >= 0)
        setWindowTitle(QString::fromStdWString(LanguageText(frame.titleText)));
    RegisterAsOpenDialog();
    if (!frame.skin.empty())
        LoadDialogFrame(frame.skin);
}

void CDlgBase::OnOK() {
    EndSkinnedDialog(IDOK);
}

void CDlgBase::OnCancel() {
    EndSkinnedDialog(IDCANCEL);
}

void CDlgBase::OnClose() {
    EndSkinnedDialog(IDCANCEL);
}

void CDlgBase::EndSkinnedDialog(int result) {
    ReleaseControlImages();
    UnregisterOpenDialog(this);
    EndDialog(result);
}

void CDlgBase::OnPaint(Canvas& canvas, const QRect& updateRect) {
    PaintWindow(canvas, updateRect, isMinimized());
}

void CDlgBase::PaintWindow(Canvas& canvas, const QRect& updateRect, bool minimised) {
    if (minimised) {
        canvas.SetPixel(10, 10, 0xFFFFFF);
        return;
    }
    updateRect_ = updateRect;
    DrawDialog(canvas, QRect(0, 0, width(), height()));
}

void CDlgBase::DrawBackground(Canvas& canvas, const QRect& clientRect) {
    if (!dialogFrame_.isNull()) { // opaque and stretched over the whole client area
        canvas.DrawImage(dialogFrame_, clientRect, Interpolation::Smooth);
        return;
    }
    if (!frameSurface_.rect().contains(clientRect))
        canvas.FillRect(clientRect, backgroundColour_);
    if (frameSurface_.isNull())
        return;
    const QRect copy(0, 0, std::min(frameSurface_.width(), clientRect.width()),
                     std::min(frameSurface_.height(), clientRect.height()));
    canvas.DrawImage(frameSurface_, copy, copy);
}

void CDlgBase::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    DrawControls(canvas, updateRect_);
}

void CDlgBase::DrawControls(Canvas& canvas, const QRect& updateRect) {
    for (const auto& layer : layers_)
        for (const auto& control : layer)
            if (control->IsDisplayed() && control->GetBounds().intersects(updateRect))
                control->Draw(canvas);
    focus_.DrawRing(canvas);
}

// --- mouse routing ---

void CDlgBase::repaintControl(CControlBase* control) {
    if (control)
        InvalidateRect(control->GetBounds());
}

CControlBase* CDlgBase::controlAt(int x, int y, int lastLayer) const {
    for (int layer = 0; layer <= lastLayer; ++layer)
        for (const auto& control : layers_[layer])
            if (control->IsDisplayed() && control->Contains(x, y))
                return control.get();
    return nullptr;
}

void CDlgBase::OnMouseMove(int x, int y) {
    if (!trackingOn_)
        trackingOn_ = TrackMouseEvent(1);
    if (hotControl_ && hotControl_->Contains(x, y) && trackingOn_) {
        lastX_ = x;
        lastY_ = y;
        if (hotControl_->OnMouseMove(x, y))
            repaintControl(hotControl_);
        return;
    }
    // The pressed control keeps the pointer until the release.
    if (buttonHeld_)
        return;
    lastX_ = x;
    lastY_ = y;
    CControlBase* found = nullptr;
    for (const auto& layer : layers_)
        for (const auto& control : layer) {
            if (!control->IsDisplayed() || !control->TracksMouse())
                continue;
            control->OnMouseMove(x, y);
            // Later layers and later controls are drawn on top, so they win.
            if (control->Contains(x, y))
                found = control.get();
        }
    repaintControl(hotControl_);
    hotControl_ = found;
    repaintControl(hotControl_);
}

void CDlgBase::OnMouseLeave() {
    trackingOn_ = false;
    if (buttonHeld_ || !hotControl_)
        return;
    const QPoint cursor = CursorPos();
    const bool keep = isMaximized() && hotControl_->Contains(cursor.x(), cursor.y());
    const QPoint passed = keep ? cursor : QPoint(-1, -1);
    hotControl_->OnMouseMove(passed.x(), passed.y());
    repaintControl(hotControl_);
    hotControl_ = nullptr;
}

void CDlgBase::OnMouseHover(int x, int y) {
    if (hotControl_ && hotControl_->Contains(x, y)) {
        lastX_ = x;
        lastY_ = y;
        repaintControl(hotControl_);
    }
}

void CDlgBase::OnLButtonDown(int x, int y) {
    if (activeControl_ && activeControl_ != hotControl_) {
        activeControl_->ResetState(0);
        activeControl_ = nullptr;
    }
    if (hotControl_ && hotControl_->Contains(x, y)) {
        CControlBase* pressed = hotControl_;
        focus_.PointerPressed(pressed);
        buttonHeld_ = true;
        activeControl_ = pressed;
        pressRect_ = pressed->GetBounds();
        if (pressed->OnLButtonDown(x, y))
            repaintControl(pressed);
        if (!HasCapture())
            SetCapture();
        return;
    }
    pressRect_ = NoPressRect;
    StartWindowDrag(mapToGlobal(QPoint(x, y)));
}

void CDlgBase::OnLButtonUp(int x, int y) {
    if (HasCapture())
        ReleaseCapture();
    const bool endsPress = buttonHeld_;
    buttonHeld_ = false;
    if (CControlBase* released = hotControl_) {
        // Only the release that ends a press on the control is a click. A double-click arrives
        // as down, up, double-click, up: its second release, like a release after a press
        // that began elsewhere, only moves the pointer.
        const bool changed =
            endsPress ? released->OnLButtonUp(x, y) : released->OnMouseMove(x, y);
        if (changed) {
            // The notification's handler may have taken the control away (a page switch).
            if (!hotControl_) {
                doubleClick_ = false;
                pressRect_ = NoPressRect;
                return;
            }
            if (released->RepaintsWindowOnRelease())
                Invalidate();
            else
                repaintControl(released);
        }
    }
    if (pressRect_.contains(x, y) || (hotControl_ && hotControl_->Contains(x, y))) {
        lastX_ = x;
        lastY_ = y;
    } else {
        lastX_ = -1;
        lastY_ = -1;
        hotControl_ = nullptr;
    }
    doubleClick_ = false;
    pressRect_ = NoPressRect;
}

void CDlgBase::OnRButtonUp(int x, int y) {
    if (hotControl_ && controlAt(x, y, 0)) {
        if (hotControl_->OnRButtonUp(x, y))
            repaintControl(hotControl_);
    }
}

void CDlgBase::OnLButtonDblClk(int x, int y) {
    CControlBase* found = hotControl_ ? controlAt(x, y, ControlLayerCount - 1) : nullptr;
    if (!found)
        return;
    if (hotControl_->OnLButtonDblClk(x, y))
        repaintControl(hotControl_);
    pressRect_ = found->GetBounds();
    doubleClick_ = true;
}

// --- events: tooltips, the way back from minimised ---

bool CDlgBase::event(QEvent* event) {
    // Qt asks once the pointer has rested for the desktop's tooltip delay.
    if (event->type() == QEvent::ToolTip) {
        showTip(*static_cast<QHelpEvent*>(event));
        return true;
    }
    // A minimised window paints one pixel, and the desktop may already show it (X servers
    // without a window manager never hide it), so the backing store holds a black window.
    // Qt only flushes that store when the window comes back: it has to be painted anew.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) &&
        !isMinimized())
        update();
    return WindowBase::event(event);
}

bool CDlgBase::focusNextPrevChild(bool next) {
    return focus_.Move(next) || WindowBase::focusNextPrevChild(next);
}

void CDlgBase::keyPressEvent(QKeyEvent* event) {
    const int key = vk::Of(*event);
    // Before the window's own Enter, which would confirm the dialog whatever button has the
    // focus.
    if (key == vk::Return && enterPressesFocus_ && focus_.TakesEnter() &&
        !event->isAutoRepeat()) {
        focus_.KeyDown(key);
        return;
    }
    WindowBase::keyPressEvent(event);
    if (!event->isAccepted() && focus_.KeyDown(key))
        event->accept();
}

void CDlgBase::showTip(const QHelpEvent& help) {
    const CControlBase* control = tippedControlAt(help.pos());
    if (!control) {
        QToolTip::hideText();
        return;
    }
    // The tip goes once the pointer leaves the control.
    QToolTip::showText(help.globalPos(), QString::fromStdWString(control->Tip()), this,
                       control->GetBounds());
}

CControlBase* CDlgBase::tippedControlAt(const QPoint& point) const {
    CControlBase* found = nullptr;
    for (const auto& layer : layers_)
        for (const auto& control : layer)
            if (control->IsDisplayed() && !control->Tip().empty() &&
                control->Contains(point.x(), point.y()))
                found = control.get();
    return found;
}

void CDlgBase::bindEnds(EndButtons ends) {
    if (ends == EndButtons::OkClose || ends == EndButtons::OkCancelClose)
        bindClick(OkId, &CDlgBase::OnOK);
    if (ends != EndButtons::None)
        bindClick(CloseId, &CDlgBase::OnCancel);
    if (ends == EndButtons::OkCancelClose)
        bindClick(CancelId, &CDlgBase::OnCancel);
}

void CDlgBase::bindClick(int id, void (CDlgBase::*handler)()) {
    bindMessage(id, [this, handler](WParam, LParam code) {
        if (code == NotifyClicked)
            (this->*handler)();
        return 0;
    });
}

} // namespace ferrox
