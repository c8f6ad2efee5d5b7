#pragma once
// Drives drawn dialogs with real Qt mouse events, and records what they send and repaint.

#include "ui/dlg_base.h"

#include <QApplication>
#include <QMouseEvent>

#include <utility>
#include <vector>

namespace ferrox::test {

inline void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void Move(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
}
inline void Press(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonPress, at, b, b);
}
inline void Release(QWidget* w, QPoint at, Qt::MouseButton b = Qt::LeftButton) {
    SendMouse(w, QEvent::MouseButtonRelease, at, b, Qt::NoButton);
}
inline void DoubleClick(QWidget* w, QPoint at) {
    SendMouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
}
// Pointer comes from outside, moves to `at` and clicks there.
inline void Click(QWidget* w, QPoint at) {
    Move(w, at);
    Press(w, at);
    Release(w, at);
}
inline void Leave(QWidget* w) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(w, &event);
}

struct Notification {
    unsigned message;
    WParam wParam;
    LParam lParam;
    bool operator==(const Notification&) const = default;
};

// A dialog that records every notification of the given IDs and every repaint request.
class RecordingDialog : public CDlgBase {
public:
    explicit RecordingDialog(QWidget* parent = nullptr) : CDlgBase(parent) {
        SetDesignSize(400, 300);
    }
    void Listen(unsigned message) {
        onMessage(message, [this, message](WParam w, LParam l) {
            notes.push_back({message, w, l});
            return 0;
        });
    }
    void InvalidateRect(const QRect& rect) override {
        repainted.push_back(rect);
        CDlgBase::InvalidateRect(rect);
    }
    void Invalidate() override {
        ++wholeRepaints;
        CDlgBase::Invalidate();
    }
    void ClearRecords() {
        notes.clear();
        repainted.clear();
        wholeRepaints = 0;
    }
    std::vector<Notification> notes;
    std::vector<QRect> repainted;
    int wholeRepaints = 0;
};

} // namespace ferrox::test
