// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_base.h"

#include "platform/canvas.h"
#include "platform/system_move.h"
#include "platform/thread_handover.h"
#include "platform/virtual_keys.h"

#include <QChildEvent>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <algorithm>

namespace ferrox {

namespace {

QEvent::Type TaskEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class TaskEvent : public QEvent {
public:
    explicit TaskEvent(std::function<void()> task)
        : QEvent(TaskEventType()), task(std::move(task)) {}

    std::function<void()> task;
};

} // namespace

WindowBase::WindowBase(QWidget* parent, Qt::WindowFlags flags) : QWidget(parent, flags) {
    // The whole client area is painted every time: nothing to erase, nothing to flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    hoverTimer_ = new QTimer(this);
    hoverTimer_->setSingleShot(true);
    QObject::connect(hoverTimer_, &QTimer::timeout, this, [this] { hoverElapsed(); });
}

WindowBase::~WindowBase() {
    if (loop_)
        loop_->exit(IDCANCEL);
}

bool WindowBase::bindMessage(unsigned message, MessageHandler handler) {
    return messageMap_.try_emplace(message, std::move(handler)).second;
}

LResult WindowBase::SendMessage(unsigned message, WParam wParam, LParam lParam) {
    return WindowProc(message, wParam, lParam);
}

void WindowBase::PostTask(std::function<void()> task) {
    if (!task)
        return;
    auto* event = new TaskEvent(std::move(task));
    HandOver(event); // the event and what its task holds were written on this thread
    QCoreApplication::postEvent(this, event);
}

bool WindowBase::PostMessage(unsigned message, WParam wParam, LParam lParam) {
    PostTask([this, message, wParam, lParam] { SendMessage(message, wParam, lParam); });
    return true;
}

LResult WindowBase::WindowProc(unsigned message, WParam wParam, LParam lParam) {
    const auto found = messageMap_.find(message);
    if (found != messageMap_.end()) {
        // Copy: the map may change while the handler runs.
        const MessageHandler handler = found->second;
        return handler(wParam, lParam);
    }
    if (message == WM_CLOSE)
        OnClose();
    return 0;
}

void WindowBase::SetTimer(unsigned id, int milliseconds, TimerMode mode) {
    QTimer*& timer = timers_[id];
    if (!timer) {
        timer = new QTimer(this);
        QObject::connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
    }
    timer->setSingleShot(mode == TimerMode::SingleShot);
    timer->start(std::max(0, milliseconds));
}

bool WindowBase::KillTimer(unsigned id) {
    const auto found = timers_.find(id);
    if (found == timers_.end() || !found->second->isActive())
        return false;
    found->second->stop();
    return true;
}

bool WindowBase::IsTimerActive(unsigned id) const {
    const auto found = timers_.find(id);
    return found != timers_.end() && found->second->isActive();
}

bool WindowBase::bindTimer(unsigned id, std::function<void()> handler) {
    return timerMap_.try_emplace(id, std::move(handler)).second;
}

void WindowBase::OnTimer(unsigned id) {
    const auto found = timerMap_.find(id);
    if (found != timerMap_.end()) {
        const auto handler = found->second;
        handler();
    }
}

bool WindowBase::Create() {
    if (initialised_)
        return true;
    initialised_ = true;
    return OnInitDialog();
}

bool WindowBase::OnInitDialog() {
    show();
    return true;
}

int WindowBase::RunModal() {
    // A dialog with an owner blocks its owner while it runs, as the dialogs always did.
    if (parentWidget() && !isVisible())
        setWindowModality(Qt::ApplicationModal);
    ended_ = false;
    if (!Create()) {
        hide();
        return -1;
    }
    if (ended_)
        return result_;
    QPointer<WindowBase> alive(this);
    QEventLoop loop;
    loop_ = &loop;
    const int code = loop.exec(QEventLoop::DialogExec);
    if (!alive)
        return code;
    loop_ = nullptr;
    return result_;
}

void WindowBase::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    hide();
    if (loop_)
        loop_->exit(result);
    if (deleteWhenEnded_)
        deleteLater();
}

void WindowBase::OnClose() {
    EndDialog(IDCANCEL);
}

void WindowBase::OnOK() {
    EndDialog(IDOK);
}

void WindowBase::OnCancel() {
    EndDialog(IDCANCEL);
}

void WindowBase::SetDefaultKeys(DefaultKey enter, DefaultKey escape) {
    enterKey_ = enter;
    escapeKey_ = escape;
}

bool WindowBase::routeKey(const QKeyEvent& event) {
    const int key = vk::Of(event);
    const bool down = event.type() == QEvent::KeyPress;
    const DefaultKey* action =
        key == vk::Return ? &enterKey_ : (key == vk::Escape ? &escapeKey_ : nullptr);
    if (action && *action != DefaultKey::Capture) {
        if (down && !event.isAutoRepeat()) {
            if (*action == DefaultKey::EndOk)
                OnOK();
            else if (*action == DefaultKey::EndCancel)
                OnCancel();
        }
        return true;
    }
    return down ? OnKeyDown(key, event.isAutoRepeat()) : OnKeyUp(key);
}

void WindowBase::keyPressEvent(QKeyEvent* event) {
    if (!routeKey(*event))
        QWidget::keyPressEvent(event);
}

void WindowBase::keyReleaseEvent(QKeyEvent* event) {
    if (!routeKey(*event))
        QWidget::keyReleaseEvent(event);
}

bool WindowBase::eventFilter(QObject* watched, QEvent* event) {
    // Child widgets (edit fields) see a key only after the window has passed it on.
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    // A popup or dialog parented to this window is a window of its own with its own keys.
    if (key && watched != this && watched->isWidgetType() &&
        !static_cast<QWidget*>(watched)->isWindow())
        return routeKey(*static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void WindowBase::InvalidateRect(const QRect& rect) {
    update(rect);
}

void WindowBase::Invalidate() {
    update();
}

void WindowBase::OnPaint(Canvas&, const QRect&) {}

bool WindowBase::TrackMouseEvent(int hoverMilliseconds) {
    trackLeave_ = true;
    hoverTimer_->start(std::max(1, hoverMilliseconds));
    return true;
}

void WindowBase::hoverElapsed() {
    if (trackLeave_)
        OnMouseHover(lastPointer_.x(), lastPointer_.y());
}

bool WindowBase::StartWindowDrag(const QPoint& globalPos) {
    // The window manager is not asked yet: asked on a press whose release it never sees (a
    // click with no movement, the release already queued behind the press), some window
    // managers move the window with the pointer until the next click.
    drag_ = Drag::Pressed;
    dragOffset_ = globalPos - pos();
    return true;
}

bool WindowBase::dragMove(const QMouseEvent& event) {
    if (drag_ == Drag::None)
        return false;
    if (!(event.buttons() & Qt::LeftButton)) {
        drag_ = Drag::None; // the release went elsewhere: the move is over
        return false;
    }
    if (drag_ == Drag::Pressed) {
        // Wayland and most X11 window managers move the window themselves; without a window
        // manager (or on a platform that declines) the window follows the pointer instead.
        QWindow* handle = windowHandle();
        drag_ = handle && StartSystemMove(*handle) ? Drag::System : Drag::Following;
    }
    if (drag_ == Drag::Following)
        move(event.globalPosition().toPoint() - dragOffset_);
    return true;
}

// The window manager takes the pointer once it moves the window, so a release that reaches the
// window came before it did: the move it was asked for must not begin after all.
void WindowBase::dragReleased() {
    if (drag_ == Drag::System && windowHandle())
        CancelSystemMove(*windowHandle());
    drag_ = Drag::None;
}

void WindowBase::rememberPointer(const QPoint& pos) {
    lastPointer_ = pos;
    if (hoverTimer_->isActive())
        hoverTimer_->start();
}

bool WindowBase::event(QEvent* event) {
    TakeOver(event); // posted from another thread, maybe
    if (event->type() == TaskEventType()) {
        static_cast<TaskEvent*>(event)->task();
        return true;
    }
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    return QWidget::event(event);
}

void WindowBase::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    Canvas canvas(painter);
    OnPaint(canvas, event->rect());
}

void WindowBase::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    rememberPointer(pos);
    drag_ = Drag::None; // a window manager's move ended with a release this window never saw
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(pos.x(), pos.y());
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(pos.x(), pos.y());
}

void WindowBase::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    rememberPointer(pos);
    if (event->button() == Qt::LeftButton) {
        if (drag_ != Drag::None) {
            dragReleased();
            return;
        }
        OnLButtonUp(pos.x(), pos.y());
    } else if (event->button() == Qt::RightButton) {
        OnRButtonUp(pos.x(), pos.y());
    }
}

void WindowBase::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    rememberPointer(pos);
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(pos.x(), pos.y());
}

void WindowBase::mouseMoveEvent(QMouseEvent* event) {
    if (dragMove(*event))
        return;
    const QPoint pos = event->position().toPoint();
    rememberPointer(pos);
    OnMouseMove(pos.x(), pos.y());
}

void WindowBase::wheelEvent(QWheelEvent* event) {
    const QPoint pos = event->position().toPoint();
    OnMouseWheel(event->angleDelta().y(), pos.x(), pos.y());
}

void WindowBase::leaveEvent(QEvent*) {
    hoverTimer_->stop();
    if (!trackLeave_)
        return;
    trackLeave_ = false;
    OnMouseLeave();
}

void WindowBase::closeEvent(QCloseEvent* event) {
    // The window decides for itself whether a close request ends it.
    event->ignore();
    SendMessage(WM_CLOSE);
}

} // namespace ferrox
