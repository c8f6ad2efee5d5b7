// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives drawn dialogs with real Qt mouse events, and records what they send and repaint.

#include "ui/dlg_base.h"

#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

#include <functional>
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
        bindMessage(message, [this, message](WParam w, LParam l) {
            notes.push_back({message, w, l});
            if (onNote)
                onNote(notes.back());
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
    // Runs while the notification is delivered, for results that live only that long.
    std::function<void(const Notification&)> onNote;
    std::vector<QRect> repainted;
    int wholeRepaints = 0;
};

} // namespace ferrox::test

#include "base/app_globals.h"

#include <QDir>
#include <QTemporaryDir>

namespace ferrox::test {

// A throw-away ProgramFolder holding the skin files a test writes.
class SkinFolder {
public:
    SkinFolder() {
        previous_ = ProgramFolder;
        ProgramFolder = dir_.path().toStdString();
    }
    ~SkinFolder() { ProgramFolder = previous_; }

    void Write(const QString& relativePath, const QImage& image) const {
        const QString path = dir_.filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        image.save(path);
    }
    void WriteSolid(const QString& relativePath, QColor colour, QSize size = {8, 8}) const {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        Write(relativePath, image);
    }

private:
    QTemporaryDir dir_;
    std::filesystem::path previous_;
};

// Draws one control into an image the size of the dialog.
inline QImage Render(CControlBase& control, QSize size, QColor background = Qt::black) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    Canvas canvas(painter);
    control.Draw(canvas);
    return image;
}

// The colour at the centre of the control's rectangle after drawing it.
inline QColor CentreColour(CControlBase& control) {
    const QRect r = control.GetBounds();
    return Render(control, QSize(r.right() + 2, r.bottom() + 2)).pixelColor(r.center());
}

} // namespace ferrox::test

namespace ferrox::test {

class ScopedUiScale {
public:
    explicit ScopedUiScale(float scale) : saved_(UiScale) { UiScale = scale; }
    ~ScopedUiScale() { UiScale = saved_; }

private:
    float saved_;
};

} // namespace ferrox::test
