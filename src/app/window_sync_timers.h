// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The synchronisation's timers as timers of the main window, under the window's timer
// identifiers (app_messages.h), so that they are visible and can be fired as any other.

#include "device/protocol/sync_scheduler.h"

#include <array>

namespace ferrox {

class WindowBase;

class WindowSyncTimers : public SyncScheduler {
public:
    explicit WindowSyncTimers(WindowBase& window) : window_(window) {}

    void bind(SyncTimer timer, std::function<void()> expiry) override;
    void start(SyncTimer timer, int milliseconds, SyncTimerMode mode) override;
    void stop(SyncTimer timer) override;

private:
    WindowBase& window_;
    std::array<bool, 3> repeating_{};
};

} // namespace ferrox
