#include "ui/wnd_popup.h"

#include "base/app_globals.h"
#include "platform/canvas.h"
#include "ui/popup_watcher.h"
#include "ui/ui_font.h"

#include <QCursor>
#include <QPainter>

#include <array>
#include <utility>

namespace ferrox {

namespace {

constexpr std::array<std::pair<int, unsigned>, 12> DeactivationMessages{{
    {0, 0x405},
    {2, 0x412},
    {3, 0x415},
    {7, 0x466},
    {8, 0x470},
    {9, 0x47A},
    {10, 0x484},
    {11, 0x487},
    {12, 0x48A},
    {13, 0x48D},
    {14, 0x490},
    {15, 0x492},
}};

// Top-most, no frame, no taskbar entry, never focused. Bypassing the window manager makes it
// an override-redirect menu window on X11: placed exactly where asked and never activated.
constexpr Qt::WindowFlags PopupFlags = Qt::Tool | Qt::FramelessWindowHint |
                                       Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                                       Qt::BypassWindowManagerHint;

} // namespace

unsigned DeactivationMessage(int kind) {
    for (const auto& [k, message] : DeactivationMessages)
        if (k == kind)
            return message;
    return 0;
}

CWndPopup::CWndPopup(int kind)
    : WindowBase(nullptr, PopupFlags), font_(ControlFont()), kind_(kind) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

CWndPopup::~CWndPopup() {
    PopupWatcher::Remove(this);
}

bool CWndPopup::Create(WindowBase* parent, const QRect& screenRect, unsigned resultMessage,
                       int ownerId) {
    parent_ = parent;
    if (parent)
        setParent(parent, PopupFlags);
    x_ = screenRect.left();
    y_ = screenRect.top();
    resultMessage_ = resultMessage;
    ownerId_ = ownerId;
    resize(screenRect.size());
    PopupWatcher::Add(this);
    BuildItems();
    Render();
    move(x_, y_);
    show();
    return true;
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

void CWndPopup::AddItem(const std::wstring& text, int id, int flag) {
    items.push_back({id, text, QRect(), flag});
    LayoutItems();
}

void CWndPopup::LayoutItems() {
    LayoutRows(1, 161, 22, 162);
}

void CWndPopup::LayoutRows(double itemLeft, double itemRight, double rowHeight,
                           double windowWidth) {
    const double s = UiScale;
    const auto trunc = [](double v) { return static_cast<int>(v); };
    const int left = trunc(itemLeft * s);
    const int right = trunc(itemRight * s);
    int y = trunc(s);
    for (MenuItem& item : items) {
        const int bottom = trunc(y + rowHeight * s);
        item.rect = QRect(left, y, right - left, bottom - y);
        y = bottom;
    }
    resize(trunc(windowWidth * s), trunc(y + s));
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

QPoint CWndPopup::cursorInClient() const {
    return mapFromGlobal(QCursor::pos());
}

void CWndPopup::OnMouseMove(int x, int y) {
    if (!tracking_)
        tracking_ = TrackMouseEvent(50);
    if (!pressed_ && OnItemHover(x, y))
        Render();
}

void CWndPopup::OnMouseHover(int, int) {
    const QPoint cursor = cursorInClient();
    OnItemHover(cursor.x(), cursor.y());
}

void CWndPopup::OnMouseLeave() {
    tracking_ = false;
    if (pressed_)
        return;
    const QPoint cursor = cursorInClient();
    if (OnItemHover(cursor.x(), cursor.y()))
        Render();
}

void CWndPopup::OnLButtonDown(int x, int y) {
    pressed_ = true;
    SetCapture();
    captured_ = true;
    deactivated_ = false;
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

void CWndPopup::Deactivate() {
    if (deactivated_)
        return;
    deactivated_ = true;
    if (const unsigned message = DeactivationMessage(kind_))
        SendToParent(message, static_cast<WParam>(ownerId_), kind_);
}

void CWndPopup::OnClose() {
    // The window is gone for good once closed; the object follows it. Owners hold guarded
    // pointers, so nothing touches it afterwards.
    PopupWatcher::Remove(this);
    hide();
    deleteLater();
}

} // namespace ferrox
