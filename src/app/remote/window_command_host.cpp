// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remote/window_command_host.h"

#include "app/main_window/ferrox_dlg.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace ferrox {

void CommandTraceTap::write(char direction, std::span<const uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (trace_)
        trace_(direction, report);
}

void CommandTraceTap::set(CommandHost::Trace trace) {
    std::lock_guard lock(mutex_);
    trace_ = std::move(trace);
}

CommandHost::Trace CommandTraceTap::Around(CommandHost::Trace own) {
    return [this, own = std::move(own)](char direction, std::span<const uint8_t> report) {
        if (own)
            own(direction, report);
        write(direction, report);
    };
}

SyncSession& WindowCommandHost::session() {
    return window_.Session();
}

// A window resting in the tray after a hidden start sends nothing on its own; the command is
// the user asking, so it goes out, as it would from ferroxctl alone.
void WindowCommandHost::beginSend() {
    SyncController& sync = session().sync();
    shown_ = sync.windowShown;
    sync.windowShown = true;
    sync.setQuietApplies(true);
}

void WindowCommandHost::endSend() {
    SyncController& sync = session().sync();
    sync.windowShown = shown_;
    sync.setQuietApplies(false);
}

void WindowCommandHost::whenSent(std::function<void()> done) {
    std::weak_ptr<int> alive = alive_;
    session().worker().then([alive, done = std::move(done)] {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, done] {
                if (alive.lock())
                    done();
            },
            Qt::QueuedConnection);
    });
}

} // namespace ferrox
