// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window every dialog and popup of the program is built on: a top-level QWidget with a
// message map, synchronous and queued messages, timers by ID, a modal run with a result, and
// mouse input delivered as plain handler calls in client coordinates.

#include "platform/messages.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

class QEventLoop;
class QTimer;

namespace ferrox {

class Canvas;

enum class TimerMode { Repeating, SingleShot };

// What Enter and Escape do in a window. They never reach its controls unless captured.
enum class DefaultKey {
    EndOk,     // OnOK: ends a dialog with IDOK unless the dialog says otherwise
    EndCancel, // OnCancel: ends with IDCANCEL
    Swallow,   // nothing happens
    Capture,   // delivered to OnKeyDown / OnKeyUp like any other key
};

class WindowBase : public QWidget {
public:
    explicit WindowBase(QWidget* parent = nullptr,
                        Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint);
    ~WindowBase() override;

    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    // --- messages ---
    // Binds a message number to its handler. A number has one handler: binding it again is a
    // mistake, refused with false (the first handler stays).
    bool bindMessage(unsigned message, MessageHandler handler);
    // Runs the handler now, on the calling (user-interface) thread; 0 when nothing handles it.
    LResult SendMessage(unsigned message, WParam wParam = 0, LParam lParam = 0);
    // The one way in from other threads: the task runs later on the window's thread, from its
    // event loop, in posting order. Safe from any thread; pending tasks die with the window.
    void PostTask(std::function<void()> task);
    // A message sent from the event loop later (PostTask of SendMessage); safe from any thread.
    bool PostMessage(unsigned message, WParam wParam = 0, LParam lParam = 0);

    // --- timers ---
    // Starts (or restarts with the new period) the timer with this ID.
    void SetTimer(unsigned id, int milliseconds, TimerMode mode = TimerMode::Repeating);
    bool KillTimer(unsigned id);
    bool IsTimerActive(unsigned id) const;
    // Binds the handler the default OnTimer runs for this ID; like messages, once per ID.
    bool bindTimer(unsigned id, std::function<void()> handler);
    // Runs the timer's handling now, as its expiry would (tests drive time this way).
    void FireTimer(unsigned id) { OnTimer(id); }

    // --- keys ---
    void SetDefaultKeys(DefaultKey enter, DefaultKey escape);

    // --- dialog life ---
    // Initialises the window once (OnInitDialog) without entering a loop. Tests and modeless
    // users drive the window from here with events.
    bool Create();
    // Initialises if needed and runs a nested event loop until EndDialog; returns its result.
    int RunModal();
    void EndDialog(int result);
    // A window shown without a modal run of its caller's (a notice) deletes itself once ended.
    void SetDeleteWhenEnded(bool on) { deleteWhenEnded_ = on; }
    bool IsEnded() const { return ended_; }
    int Result() const { return result_; }
    bool InModalLoop() const { return loop_ != nullptr; }

    // --- painting ---
    virtual void InvalidateRect(const QRect& rect);
    virtual void Invalidate();

    // --- mouse ---
    // Asks for one OnMouseHover after the pointer rests hoverMilliseconds, and for OnMouseLeave
    // when it leaves; both requests end once delivered.
    bool TrackMouseEvent(int hoverMilliseconds);
    bool IsTrackingMouse() const { return trackLeave_; }
    // A held left button already sends every move and the release to the window that took the
    // press; capture only records that the window wants them.
    void SetCapture() { captured_ = true; }
    void ReleaseCapture() { captured_ = false; }
    bool HasCapture() const { return captured_; }
    // Lets the user move the window with the held left button, from the press at globalPos: once
    // the pointer moves with the button still held, the window manager's own move where there
    // is one, else the window follows the pointer. A click that does not move moves nothing, and
    // every way of moving ends when the button is up.
    bool StartWindowDrag(const QPoint& globalPos);
    bool IsWindowDragging() const { return drag_ != Drag::None; }
    // Pointer position in client coordinates, as last seen by this window.
    QPoint CursorPos() const { return lastPointer_; }

protected:
    // Every sent or posted message passes here; the default runs the message map, then the
    // built-in handling (WM_CLOSE ends the dialog).
    virtual LResult WindowProc(unsigned message, WParam wParam, LParam lParam);
    // Once, from Create or RunModal. The default shows the window.
    virtual bool OnInitDialog();
    virtual void OnTimer(unsigned id);
    virtual void OnClose();
    // Enter and Escape, when SetDefaultKeys chose EndOk and EndCancel: they end the dialog.
    virtual void OnOK();
    virtual void OnCancel();
    // Every key pressed or released in the window or any of its child widgets (edit fields)
    // comes here first, as a virtual-key code (platform/virtual_keys.h). True swallows it: the
    // child never sees it.
    virtual bool OnKeyDown(int, bool /*autoRepeat*/) { return false; }
    virtual bool OnKeyUp(int) { return false; }
    virtual void OnPaint(Canvas& canvas, const QRect& updateRect);

    virtual void OnMouseMove(int, int) {}
    virtual void OnLButtonDown(int, int) {}
    virtual void OnLButtonUp(int, int) {}
    virtual void OnLButtonDblClk(int, int) {}
    virtual void OnRButtonDown(int, int) {}
    virtual void OnRButtonUp(int, int) {}
    // delta: multiples of 120 per notch, positive away from the user.
    virtual void OnMouseWheel(int, int, int) {}
    virtual void OnMouseHover(int, int) {}
    virtual void OnMouseLeave() {}

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Drag {
        None,
        Pressed,   // the press was taken for a move; nothing has moved yet
        System,    // the window manager was asked to move the window
        Following, // no window manager to ask: the window follows the pointer itself
    };
    // A move of the pointer while a drag is under way; true when the drag took it.
    bool dragMove(const QMouseEvent& event);
    void dragReleased();

    void rememberPointer(const QPoint& pos);
    void hoverElapsed();
    // True when the key was taken (default key or the window's own handler).
    bool routeKey(const QKeyEvent& event);

    std::map<unsigned, MessageHandler> messageMap_;
    std::map<unsigned, std::function<void()>> timerMap_;
    std::map<unsigned, QTimer*> timers_; // children of this window
    QEventLoop* loop_ = nullptr;
    bool initialised_ = false;
    bool ended_ = false;
    bool deleteWhenEnded_ = false;
    int result_ = 0;

    QTimer* hoverTimer_ = nullptr;
    bool trackLeave_ = false;
    bool captured_ = false;
    Drag drag_ = Drag::None;
    QPoint dragOffset_;
    QPoint lastPointer_{-1, -1};
    // A plain window leaves both keys to its handlers (and Qt: Escape closes a popup);
    // dialogs choose their defaults.
    DefaultKey enterKey_ = DefaultKey::Capture;
    DefaultKey escapeKey_ = DefaultKey::Capture;
};

} // namespace ferrox
