// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/transport_messages.h"

namespace ferrox {

void QueuedMessageSink::post(DeviceMessage message) {
    std::lock_guard lock(mutex_);
    queue_.push_back(std::move(message));
}

std::vector<DeviceMessage> QueuedMessageSink::takeAll() {
    std::lock_guard lock(mutex_);
    std::vector<DeviceMessage> out(std::make_move_iterator(queue_.begin()),
                                   std::make_move_iterator(queue_.end()));
    queue_.clear();
    return out;
}

} // namespace ferrox
