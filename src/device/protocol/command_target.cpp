// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/command_target.h"

namespace ferrox {

CommandTarget::CommandTarget(const DeviceLink& link, HidBackend& backend)
    : link_(link), backend_(backend) {}

void CommandTarget::Forget() {
    openedFor_ = nullptr;
    openedPath_.clear();
    handle_.reset();
}

std::shared_ptr<HidHandle> CommandTarget::active() {
    const DeviceLinkKind& kind = link_.wired.commandHandle ? link_.wired : link_.receiver;
    const HidHandle* linkHandle = kind.commandHandle.get();
    if (!linkHandle) {
        Forget();
        return nullptr;
    }
    if (linkHandle != openedFor_ || kind.commandPath != openedPath_ || !handle_) {
        handle_ = backend_.open(kind.commandPath);
        openedFor_ = linkHandle;
        openedPath_ = kind.commandPath;
    }
    return handle_;
}

} // namespace ferrox
