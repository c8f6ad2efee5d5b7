// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/wake/wake_window.h"

#include "app/app_messages.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/wake/compositor_activation.h"

#include <QGuiApplication>

namespace ferrox {

static_assert(uint32_t(InstanceMessageType::Wake) == kWakeInstanceMessage);
static_assert(uint32_t(InstanceMessageType::VirtualMouse) == kVirtualMouseMessage);

// xdg-shell has no "unminimise" and a Wayland client cannot raise itself. Qt's Wayland plugin
// takes the launcher's token from XDG_ACTIVATION_TOKEN at the window's next activation
// request, which the wake-up makes; the compositor then restores and raises the window.
// Without a token or without xdg-activation, the window is taken off the screen and mapped
// anew, which brings it back as a new window wherever it was (minimised, or behind others).
void WakeWindow(CFerroxDlg& window, const std::string& token) {
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (!token.empty())
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
        if ((token.empty() || !CompositorOffersActivation()) && window.isVisible())
            window.hide();
    }
    window.PostMessage(kWakeInstanceMessage);
}

InstanceReplyText VirtualMouseRequest(const InstanceMessage& message,
                                      const std::function<bool(const VirtualAction&)>& play) {
    if (message.type != InstanceMessageType::VirtualMouse)
        return {InstanceStatus::Unsupported, "refused: this window takes no such request"};
    const auto words = VirtualMouseWords(message);
    const std::optional<VirtualAction> action =
        words ? VirtualActionOfMessage(words->first, words->second) : std::nullopt;
    if (!action)
        return {InstanceStatus::Failed, "not a virtual mouse action"};
    return {play(*action) ? InstanceStatus::Done : InstanceStatus::Failed, {}};
}

} // namespace ferrox
