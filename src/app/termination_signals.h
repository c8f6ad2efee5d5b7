// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// SIGTERM (a session logging out, systemd, kill) and SIGINT (Ctrl+C in a terminal) end the
// program the way its exit button does, so a change still waiting for the deferred save is
// written instead of lost.

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace ferrox {

class TerminationSignals : public QObject {
public:
    // onSignal runs on the thread that owns this object, never inside the signal handler.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals() override;

private:
    void drain();

    std::function<void()> onSignal_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ferrox
