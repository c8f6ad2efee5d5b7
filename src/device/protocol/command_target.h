// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command handle the worker writes to. The link owns its handles and closes them when a
// scan finds a device gone, while frames for it may still wait in the worker's queue; so the
// protocol keeps its own shared handle on the same interface, which stays valid (and fails its
// writes) until the last queued frame has let go of it.

#include <memory>
#include <string>

#include "device/hid/device_link.h"
#include "device/hid/hid_backend.h"

namespace ferrox {

class CommandTarget {
public:
    CommandTarget(const DeviceLink& link, HidBackend& backend);

    // The wired mouse's interface when its handle is open, else the receiver's; null when
    // neither is open (or the interface can no longer be opened).
    std::shared_ptr<HidHandle> active();
    // After every scan: the link may hold a new handle, possibly at the address of the old
    // one, so the next active() opens afresh.
    void Forget();

private:
    const DeviceLink& link_;
    HidBackend& backend_;
    // The link handle and path the shared handle was opened for.
    const HidHandle* openedFor_ = nullptr;
    std::wstring openedPath_;
    std::shared_ptr<HidHandle> handle_;
};

} // namespace ferrox
