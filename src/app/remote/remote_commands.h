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

#include <functional>
#include <string>

namespace ferrox {

class CommandHost;

struct RemoteWindow {
    CommandHost* host = nullptr;
    // The title of the dialog the window is busy with; empty when it has none open.
    std::function<std::string()> openDialog;
    // After a command that changed something: the window shows it.
    std::function<void()> changed;
    // The virtual mouse's actions; empty for a window on the real mouse.
    std::function<bool(const VirtualAction&)> play;
};

// The command run on the window's thread, or refused with exit status 3 when it would change
// something while a dialog is open.
RemoteAnswer CarryOut(const RemoteRequest& request, const RemoteWindow& window);
InstanceReplyText RunRemoteCommand(const InstanceMessage& message, const RemoteWindow& window);
// Every request of the window's socket but the wake-up.
InstanceReplyText WindowRequest(const InstanceMessage& message, const RemoteWindow& window);

// The title of the application's modal dialog (the macro manager, an editor, a file
// dialog), "a dialog" when it has none; empty when no modal dialog is open.
std::string OpenModalDialog();

} // namespace ferrox
