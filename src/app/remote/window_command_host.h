// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the place where ferroxctl's commands run: its session with the mouse, and
// the reports of that session shown to the command that asked for --trace.

#include "cli/command_host.h"

#include <QPointer>

#include <mutex>

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
    void traceTo(Trace trace) override { tap_.set(std::move(trace)); }
    void beginSend() override;
    void endSend() override;

private:
    CFerroxDlg& window_;
    CommandTraceTap& tap_;
    bool shown_ = false;
};

} // namespace ferrox
