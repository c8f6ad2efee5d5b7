// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd/osd_presenter.h"

#include "app/osd/desktop_notifier.h"
#include "app/osd/osd_dialog.h"
#include "platform/window_base.h"

#include <QGuiApplication>
#include <QScreen>

namespace ferrox {

OsdPresenter::Mode OsdPresenter::DesktopMode() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) ? Mode::Notification
                                                                                 : Mode::Window;
}

OsdPresenter::OsdPresenter(WindowBase& owner, DesktopNotifier& notifier, Mode mode)
    : owner_(owner), notifier_(notifier), mode_(mode) {}

OsdPresenter::~OsdPresenter() {
    delete display_.data();
}

QRect OsdPresenter::workArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void OsdPresenter::Show(const OsdTexts& texts) {
    if (mode_ == Mode::Notification) {
        // The server's own timeout ends it: nothing to count down here.
        notifier_.Show(QStringLiteral("display"), QString::fromStdWString(texts.title),
                       QString::fromStdWString(texts.value + L"\n" + texts.rate),
                       Countdown * TimerMilliseconds + TimerMilliseconds);
        return;
    }
    countdown_ = Countdown;
    if (display_) {
        display_->SetTexts(texts);
        return;
    }
    display_ = new COSDDialog;
    display_->SetTexts(texts);
    display_->ShowAt(workArea());
    owner_.SetTimer(TimerId, TimerMilliseconds, TimerMode::Repeating);
}

void OsdPresenter::Tick() {
    if (countdown_ > 0) {
        --countdown_;
        return;
    }
    owner_.KillTimer(TimerId);
    delete display_.data();
}

} // namespace ferrox
