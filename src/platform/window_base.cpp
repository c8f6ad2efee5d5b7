#include "platform/window_base.h"

#include "platform/canvas.h"

#include <QCloseEvent>
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

QEvent::Type MessageEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

class MessageEvent : public QEvent {
public:
    MessageEvent(unsigned message, WParam wParam, LParam lParam)
        : QEvent(MessageEventType()), message(message), wParam(wParam), lParam(lParam) {}

    unsigned message;
    WParam wParam;
    LParam lParam;
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

void WindowBase::onMessage(unsigned message, MessageHandler handler) {
    messageMap_[message] = std::move(handler);
}

LResult WindowBase::SendMessage(unsigned message, WParam wParam, LParam lParam) {
    return WindowProc(message, wParam, lParam);
}

bool WindowBase::PostMessage(unsigned message, WParam wParam, LParam lParam) {
    QCoreApplication::postEvent(this, new MessageEvent(message, wParam, lParam));
    return true;
}

LResult WindowBase::WindowProc(unsigned message, WParam wParam, LParam lParam) {
    const auto found = messageMap_.find(message);
    if (found != messageMap_.end()) {
        // Copy: the handler may replace its own map entry while it runs.
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

void WindowBase::onTimer(unsigned id, std::function<void()> handler) {
    timerMap_[id] = std::move(handler);
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
}

void WindowBase::OnClose() {
    EndDialog(IDCANCEL);
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
    QWindow* handle = windowHandle();
    // Wayland and most X11 window managers move the window themselves; without a window
    // manager (or on a platform that declines) the window follows the pointer instead.
    if (handle && handle->startSystemMove())
        return true;
    dragging_ = true;
    dragOffset_ = globalPos - pos();
    return true;
}

void WindowBase::rememberPointer(const QPoint& pos) {
    lastPointer_ = pos;
    if (hoverTimer_->isActive())
        hoverTimer_->start();
}

bool WindowBase::event(QEvent* event) {
    if (event->type() == MessageEventType()) {
        const auto* message = static_cast<MessageEvent*>(event);
        SendMessage(message->message, message->wParam, message->lParam);
        return true;
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
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(pos.x(), pos.y());
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(pos.x(), pos.y());
}

void WindowBase::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    rememberPointer(pos);
    if (event->button() == Qt::LeftButton) {
        if (dragging_) {
            dragging_ = false;
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
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
        return;
    }
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
