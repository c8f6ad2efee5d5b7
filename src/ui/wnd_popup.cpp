// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wnd_popup.h"

#include "base/app_globals.h"
#include "platform/canvas.h"
#include "ui/ui_font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

namespace ferrox {

namespace {

// A Qt popup takes the pointer and the keyboard while it is open and is dismissed by the
// desktop's own rules; no frame, no shadow, no taskbar entry.
constexpr Qt::WindowFlags PopupFlags =
    Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint;

} // namespace

CWndPopup::CWndPopup(PopupKind kind)
    : WindowBase(nullptr, PopupFlags), font_(ControlFont()), kind_(kind) {}

CWndPopup::~CWndPopup() = default;

bool CWndPopup::Create(WindowBase* parent, const QRect& screenRect, unsigned resultMessage,
                       int ownerId, CWndPopup* openedFrom) {
    parent_ = parent;
    // The transient parent: Wayland places a popup relative to it, and a submenu never
    // outlives the menu it came from.
    if (QWidget* owner = openedFrom ? static_cast<QWidget*>(openedFrom) : parent)
        setParent(owner, PopupFlags);
    x_ = screenRect.left();
    y_ = screenRect.top();
    resultMessage_ = resultMessage;
    ownerId_ = ownerId;
    resize(screenRect.size());
    BuildItems();
    Render();
    move(x_, y_);
    show();
    return true;
}

CWndPopup* CWndPopup::OpenedFrom() const {
    return dynamic_cast<CWndPopup*>(parentWidget());
}

void CWndPopup::Render() {
    const qreal ratio = devicePixelRatioF();
    const QRect client(QPoint(0, 0), size());
    QImage image(client.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        Canvas canvas(painter);
        DrawItems(canvas, client);
    }
    image_ = std::move(image);
    update();
}

void CWndPopup::OnPaint(Canvas& canvas, const QRect&) {
    if (image_.isNull())
        canvas.FillRect(rect(), 0);
    else
        canvas.painter().drawImage(QPoint(0, 0), image_);
}

void CWndPopup::DrawItems(Canvas&, const QRect&) {}

bool CWndPopup::SendToParent(unsigned message, WParam wParam, LParam lParam) {
    if (!parent_)
        return false;
    parent_->SendMessage(message, wParam, lParam);
    return true;
}

void CWndPopup::AddItem(const std::wstring& text, int id, int flag,
                        std::array<std::uint8_t, 3> code) {
    items.push_back({id, text, QRect(), flag, code});
    LayoutItems();
}

void CWndPopup::LayoutItems() {
    LayoutRows(KindInfo(kind_).layout);
}

namespace {

// Every step is truncated on its own, as the rows are placed one below the other.
int RowBottom(int top, const MenuLayout& layout) {
    return static_cast<int>(top + layout.rowHeight * UiScale);
}

QSize WindowSize(const MenuLayout& layout, int lastBottom) {
    return QSize(static_cast<int>(layout.width * UiScale), static_cast<int>(lastBottom + UiScale));
}

} // namespace

QSize CWndPopup::LaidOutSize(PopupKind kind, int rows) {
    const MenuLayout& layout = KindInfo(kind).layout;
    int y = static_cast<int>(UiScale);
    for (int row = 0; row < rows; ++row)
        y = RowBottom(y, layout);
    return WindowSize(layout, y);
}

void CWndPopup::LayoutRows(const MenuLayout& layout) {
    const int left = static_cast<int>(layout.left * UiScale);
    const int right = static_cast<int>(layout.right * UiScale);
    int y = static_cast<int>(UiScale);
    for (MenuItem& item : items) {
        const int bottom = RowBottom(y, layout);
        item.rect = QRect(left, y, right - left, bottom - y);
        y = bottom;
    }
    resize(WindowSize(layout, y));
}

bool CWndPopup::OnItemHover(int x, int y) {
    const bool valid = hoverIndex >= 0 && hoverIndex < static_cast<int>(items.size());
    if (valid && items[hoverIndex].rect.contains(x, y))
        return false;
    const bool changed = hoverIndex != -1;
    hoverIndex = -1;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].rect.contains(x, y)) {
            hoverIndex = static_cast<int>(i);
            return true;
        }
    return changed;
}

bool CWndPopup::OnItemRelease(int x, int y) {
    if (hoverIndex < 0 || hoverIndex >= static_cast<int>(items.size()))
        return false;
    if (!items[hoverIndex].rect.contains(x, y)) {
        hoverIndex = -1;
        return true;
    }
    OnChoose(items[hoverIndex]);
    return false;
}

void CWndPopup::OnChoose(const MenuItem& item) {
    result.text = item.text;
    result.code = item.code;
    SendToParent(resultMessage_, static_cast<WParam>(ownerId_), reinterpret_cast<LParam>(&result));
}

void CWndPopup::OnMouseMove(int x, int y) {
    if (!tracking_)
        tracking_ = TrackMouseEvent(50);
    if (!pressed_ && OnItemHover(x, y))
        Render();
}

// Where the pointer came to rest, as this window last saw it: the desktop's own cursor
// position is not known everywhere (Wayland, the offscreen platform).
void CWndPopup::OnMouseHover(int x, int y) {
    OnItemHover(x, y);
}

void CWndPopup::OnMouseLeave() {
    tracking_ = false;
    if (pressed_)
        return;
    // A pointer that left is outside: no row stays lit, whether or not the platform can say
    // where the pointer is now.
    if (OnItemHover(-1, -1))
        Render();
}

void CWndPopup::OnLButtonDown(int x, int y) {
    pressed_ = true;
    SetCapture();
    captured_ = true;
    if (OnItemPress(x, y))
        Render();
}

void CWndPopup::OnLButtonUp(int x, int y) {
    if (captured_) {
        ReleaseCapture();
        captured_ = false;
    }
    pressed_ = false;
    if (OnItemRelease(x, y))
        Render();
}

void CWndPopup::OnRButtonUp(int x, int y) {
    OnItemRightRelease(x, y);
}

// --- routing while menus are stacked ---

CWndPopup* CWndPopup::popupAt(const QPointF& globalPos) {
    for (CWndPopup* popup = this; popup; popup = popup->OpenedFrom())
        if (popup->isVisible() && popup->geometry().contains(globalPos.toPoint()))
            return popup;
    return nullptr;
}

void CWndPopup::passOn(CWndPopup* target, QMouseEvent* event) {
    const QPointF global = event->globalPosition();
    QMouseEvent copy(event->type(), target->mapFromGlobal(global), global, event->button(),
                     event->buttons(), event->modifiers());
    QApplication::sendEvent(target, &copy);
}

// Where the pointer reaches the menus straight (Wayland sends it to the surface under it), a
// menu this popup was opened from may still think the pointer is over it: every move seen
// here that is not over that menu tells it the pointer has gone.
void CWndPopup::leaveOpener(CWndPopup* now) {
    for (CWndPopup* opener = OpenedFrom(); opener; opener = opener->OpenedFrom())
        if (opener != now && (opener == pointerIn_ || opener->Tracking())) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(opener, &leave);
        }
    pointerIn_ = now != this ? now : nullptr;
}

void CWndPopup::mousePressEvent(QMouseEvent* event) {
    CWndPopup* target = popupAt(event->globalPosition());
    if (!target) {
        close(); // outside every open menu: dismissed
        return;
    }
    if (target == this)
        return WindowBase::mousePressEvent(event);
    pressedIn_ = target;
    passOn(target, event);
}

void CWndPopup::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second click is just another press to a menu.
    QMouseEvent press(QEvent::MouseButtonPress, event->position(), event->globalPosition(),
                      event->button(), event->buttons(), event->modifiers());
    mousePressEvent(&press);
}

void CWndPopup::mouseReleaseEvent(QMouseEvent* event) {
    if (CWndPopup* target = pressedIn_) {
        pressedIn_ = nullptr;
        return passOn(target, event);
    }
    WindowBase::mouseReleaseEvent(event);
}

void CWndPopup::mouseMoveEvent(QMouseEvent* event) {
    CWndPopup* target = pressedIn_ ? pressedIn_.data() : popupAt(event->globalPosition());
    if (pressed_)
        target = this; // the pressed popup keeps the pointer until the release
    leaveOpener(target);
    if (target && target != this)
        return passOn(target, event);
    WindowBase::mouseMoveEvent(event);
}

void CWndPopup::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Left leaves a submenu for the menu it was opened from, which has the keys again.
    if (key == Qt::Key_Escape || (key == Qt::Key_Left && OpenedFrom()))
        close();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
             chooseHighlighted())
        return;
    else if (!moveHighlight(key))
        WindowBase::keyPressEvent(event);
}

bool CWndPopup::moveHighlight(int key) {
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return false;
    const bool valid = hoverIndex >= 0 && hoverIndex < count;
    int next = 0;
    switch (key) {
    case Qt::Key_Down: next = valid ? (hoverIndex + 1) % count : 0; break;
    case Qt::Key_Up: next = valid ? (hoverIndex + count - 1) % count : count - 1; break;
    case Qt::Key_Home: next = 0; break;
    case Qt::Key_End: next = count - 1; break;
    default: return false;
    }
    // As the pointer would: a row that opens a submenu opens it.
    const QPoint middle = items[std::size_t(next)].rect.center();
    if (OnItemHover(middle.x(), middle.y()))
        Render();
    return true;
}

bool CWndPopup::chooseHighlighted() {
    if (hoverIndex < 0 || hoverIndex >= static_cast<int>(items.size()))
        return false;
    const QPoint middle = items[std::size_t(hoverIndex)].rect.center();
    QPointer<CWndPopup> alive(this);
    const bool pressChanged = OnItemPress(middle.x(), middle.y());
    const bool releaseChanged = OnItemRelease(middle.x(), middle.y());
    if (alive && (pressChanged || releaseChanged))
        Render();
    return true;
}

// --- closing ---

void CWndPopup::closeEvent(QCloseEvent* event) {
    event->ignore(); // hidden and deleted here, after the parent has been told
    dismissed();
}

void CWndPopup::dismissed() {
    if (closing_)
        return;
    closing_ = true;
    QPointer<CWndPopup> alive(this);
    if (const unsigned message = DeactivationMessage(kind_))
        SendToParent(message, static_cast<WParam>(ownerId_), static_cast<LParam>(kind_));
    // Whatever the parent made of it, a dismissed popup is gone: the desktop has taken it down.
    if (alive)
        closeForGood();
}

void CWndPopup::OnClose() {
    closing_ = true;
    closeForGood();
}

void CWndPopup::closeForGood() {
    // The object follows its window; owners hold guarded pointers, so nothing touches it after.
    hide();
    deleteLater();
}

} // namespace ferrox
