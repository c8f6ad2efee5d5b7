// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the running window does with its socket's messages: a second start's wake-up brings
// it to the front (with the launcher's token on Wayland), and with --simulate the virtual
// mouse takes ferroxctl's actions.

#include "base/instance_message.h"
#include "device/virtual/virtual_mouse_action.h"

#include <functional>
#include <string>

namespace ferrox {

class CFerroxDlg;

// token: the second start's xdg-activation token, empty when its launcher gave none.
void WakeWindow(CFerroxDlg& window, const std::string& token);

InstanceReplyText VirtualMouseRequest(const InstanceMessage& message,
                                      const std::function<bool(const VirtualAction&)>& play);

} // namespace ferrox
