// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows the on-screen display for the main window and counts it down on the window's timer 50
// (every 300 ms, five ticks after the last update). On X11 it is the display window; on
// Wayland, where a client can neither place a window nor keep it on top, the same three lines
// go to a desktop notification that replaces the previous one.

#include "app/osd/osd_dialog.h"
#include "app/osd/osd_texts.h"

#include <QPointer>
#include <QRect>

#include <functional>

namespace ferrox {

class DesktopNotifier;
class WindowBase;

class OsdPresenter {
public:
    static constexpr unsigned TimerId = 50;
    static constexpr int TimerMilliseconds = 300;
    static constexpr int Countdown = 5;

    enum class Mode { Window, Notification };
    // The mode this desktop allows: Notification on Wayland.
    static Mode DesktopMode();

    OsdPresenter(WindowBase& owner, DesktopNotifier& notifier, Mode mode = DesktopMode());
    ~OsdPresenter();

    // The mouse changed its level or rate: show these texts, or update the display shown.
    void Show(const OsdTexts& texts);
    // Timer 50.
    void Tick();

    COSDDialog* Display() const { return display_; }

private:
    QRect workArea() const;

    WindowBase& owner_;
    DesktopNotifier& notifier_;
    Mode mode_;
    QPointer<COSDDialog> display_;
    int countdown_ = 0;
};

} // namespace ferrox
