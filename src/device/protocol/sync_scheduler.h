// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The timers the synchronisation runs on, given to it by its owner: the window builds them on
// its platform timers, tests fire them by hand, ferroxctl has none (it applies and saves at
// once). Expiries run on the owner's thread.

#include <functional>

namespace ferrox {

enum class SyncTimer { Apply, Save, Status };
enum class SyncTimerMode { Once, Repeating };

class SyncScheduler {
public:
    virtual ~SyncScheduler() = default;
    // Called once per timer before it is first started: what its expiry runs.
    virtual void bind(SyncTimer timer, std::function<void()> expiry) = 0;
    // Starts the timer, or starts it again from now when it runs.
    virtual void start(SyncTimer timer, int milliseconds, SyncTimerMode mode) = 0;
    virtual void stop(SyncTimer timer) = 0;
};

// For owners that apply and save themselves: the timers never run.
class NoSyncTimers : public SyncScheduler {
public:
    void bind(SyncTimer, std::function<void()>) override {}
    void start(SyncTimer, int, SyncTimerMode) override {}
    void stop(SyncTimer) override {}
};

} // namespace ferrox
