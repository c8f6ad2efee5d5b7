// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mouse and key input as the desktop delivers it: through the window system to the window
// under test, so open popups take the pointer and the keyboard, and a press outside them
// dismisses them, exactly as for a user. Positions are in the widget's own coordinates.

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace ferrox::test {

inline QWindow* WindowOf(QWidget* widget) {
    return widget->window()->windowHandle();
}
inline QPoint InWindow(QWidget* widget, QPoint at) {
    return widget->mapTo(widget->window(), at);
}

inline void DesktopMove(QWidget* widget, QPoint at) {
    QTest::mouseMove(WindowOf(widget), InWindow(widget, at));
}
inline void DesktopPress(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(WindowOf(widget), button, {}, InWindow(widget, at));
}
inline void DesktopRelease(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(WindowOf(widget), button, {}, InWindow(widget, at));
}
// The pointer moves to the point first, as a real one does, then clicks there.
inline void DesktopClick(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    DesktopMove(widget, at);
    DesktopPress(widget, at, button);
    DesktopRelease(widget, at, button);
}
// To whichever window has the keyboard: the focused one, or the open popup.
inline void DesktopKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(WindowOf(widget), key, modifiers);
}

} // namespace ferrox::test
