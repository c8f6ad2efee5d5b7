// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the place where ferroxctl's commands run: its session with the mouse, and
// the reports of that session shown to the command that asked for --trace.

#include "cli/command_host.h"

#include <QPointer>

#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace ferrox {

class CFerroxDlg;

// Between the session's trace (the device worker's and the readers' threads) and the command
// that runs on the window's thread.
class CommandTraceTap {
public:
    void write(char direction, std::span<const uint8_t> report);
    void set(CommandHost::Trace trace);
    // The window's own trace (may be empty), then this tap.
    CommandHost::Trace Around(CommandHost::Trace own);

private:
    std::mutex mutex_;
    CommandHost::Trace trace_;
};

class WindowCommandHost : public CommandHost {
public:
    WindowCommandHost(CFerroxDlg& window, CommandTraceTap& tap) : window_(window), tap_(tap) {}

    SyncSession& session() override;
    void beginSend() override;
    void endSend() override;
    void framesQueued(size_t outputAt) override { outputAt_ = outputAt; }

    // The reports the session exchanges go to trace as well, until it is set empty again.
    void traceTo(Trace trace) { tap_.set(std::move(trace)); }
    // Where the last command's frames were queued in its output; nullopt when it queued none.
    std::optional<size_t> takeOutputAt() { return std::exchange(outputAt_, std::nullopt); }
    // Calls done on the window's thread once everything queued for the mouse so far is on the
    // wire; never if this host is gone by then.
    void whenSent(std::function<void()> done);

private:
    CFerroxDlg& window_;
    CommandTraceTap& tap_;
    bool shown_ = false;
    std::optional<size_t> outputAt_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace ferrox
