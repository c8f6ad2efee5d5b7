// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/apply_requests.h"

#include "device/protocol/sync_controller.h"

namespace ferrox {

void ApplyRequests::Schedule(unsigned groups) {
    groups |= dragGroups_;
    dragGroups_ = 0;
    if (groups)
        sync_.RequestApply(groups);
}

void ApplyRequests::NoteDrag(unsigned groups) {
    dragGroups_ |= groups;
}

} // namespace ferrox
