// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_sync_timers.h"

#include "app/app_messages.h"
#include "platform/window_base.h"

namespace ferrox {
namespace {

unsigned TimerId(SyncTimer timer) {
    constexpr unsigned ids[] = {kApplyTimer, kSaveTimer, kStatusTimer};
    return ids[int(timer)];
}

} // namespace

void WindowSyncTimers::bind(SyncTimer timer, std::function<void()> expiry) {
    const unsigned id = TimerId(timer);
    window_.bindTimer(id, [this, timer, id, expiry = std::move(expiry)] {
        // A one-shot timer fired by hand while it runs must not fire again on its own.
        if (!repeating_[size_t(timer)])
            window_.KillTimer(id);
        expiry();
    });
}

void WindowSyncTimers::start(SyncTimer timer, int milliseconds, SyncTimerMode mode) {
    repeating_[size_t(timer)] = mode == SyncTimerMode::Repeating;
    window_.SetTimer(TimerId(timer), milliseconds,
                     mode == SyncTimerMode::Repeating ? TimerMode::Repeating
                                                      : TimerMode::SingleShot);
}

void WindowSyncTimers::stop(SyncTimer timer) {
    window_.KillTimer(TimerId(timer));
}

} // namespace ferrox
