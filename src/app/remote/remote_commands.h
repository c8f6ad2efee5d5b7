// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window does with ferroxctl's requests on its socket: a command is carried out on
// the window's thread, with its settings and its session, by the same code ferroxctl runs on
// its own; the virtual mouse's actions go to the virtual mouse of a window started with
// --simulate.

#include "base/instance_message.h"
#include "cli/remote_request.h"
#include "device/virtual/virtual_mouse_action.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace ferrox {

class WindowCommandHost;

struct RemoteWindow {
    WindowCommandHost* host = nullptr;
    // The title of the dialog the window is busy with; empty when it has none open.
    std::function<std::string()> openDialog;
    // After a command that changed something: the window shows it.
    std::function<void()> changed;
    // The virtual mouse's actions; empty for a window on the real mouse.
    std::function<bool(const VirtualAction&)> play;
};

// The commands of ferroxctl and of the desktop bus, one at a time in the order they came. A
// command runs on the window's thread without waiting for the mouse and is answered once its
// frames are on the wire; the window's loop runs on meanwhile. The next command starts only
// then, so each --trace holds the frames of its own command. A command that would change
// something while a dialog is open is refused with exit status 3 when its turn comes.
class RemoteRunner {
public:
    using Done = std::function<void(const RemoteAnswer&)>;
    explicit RemoteRunner(RemoteWindow window) : window_(std::move(window)) {}

    void submit(RemoteRequest request, Done done);
    const RemoteWindow& window() const { return window_; }

private:
    struct Job {
        RemoteRequest request;
        Done done;
    };
    // The --trace lines, written on the session's threads while the frames go out.
    struct TraceText {
        std::mutex mutex;
        std::string text;
    };

    void startNext();
    // Runs the job's command; false when it is already answered.
    bool run(Job& job, RemoteAnswer& answer, std::optional<size_t>& traceAt,
             const std::shared_ptr<TraceText>& trace);

    RemoteWindow window_;
    std::deque<Job> queue_;
    bool running_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

// Every request of the window's socket but the wake-up. A command is answered later, through
// the function later() gives, and the reply returned then is not sent.
using RemoteRespond = std::function<void(const InstanceReplyText&)>;
InstanceReplyText WindowRequest(const InstanceMessage& message, RemoteRunner& runner,
                                const std::function<RemoteRespond()>& later);

// The title of the application's modal dialog (the macro manager, an editor, a file
// dialog), "a dialog" when it has none; empty when no modal dialog is open.
std::string OpenModalDialog();

} // namespace ferrox
