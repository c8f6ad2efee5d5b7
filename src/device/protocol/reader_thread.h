// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The threads that wait for the mouse's own input reports, one per kind of device. They
// recognise only the 05 06 notice (DPI level or report rate changed on the mouse) and hand
// its bytes 3 and 4 to the owner's thread; they touch no other state.

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

#include "device/hid/device_kind.h"
#include "device/hid/hid_backend.h"
#include "device/protocol/transport_messages.h"

namespace ferrox {

class ReaderThreads {
public:
    explicit ReaderThreads(DeviceMessageSink& sink);
    // Wakes and joins every reader: no thread is left blocked on a handle.
    ~ReaderThreads();
    ReaderThreads(const ReaderThreads&) = delete;
    ReaderThreads& operator=(const ReaderThreads&) = delete;

    // Sees every input report read, on the reader's thread. Set before the first start.
    using Trace = std::function<void(std::span<const uint8_t> report)>;
    void setTrace(Trace trace) { trace_ = std::move(trace); }

    // Opens the event interface at path and starts the kind's reader on it. Refused (false)
    // while a reader of that kind runs, when the interface cannot be opened, or when it is not
    // the mouse's vendor and the kind's product (the numbering changed since the scan).
    bool start(DeviceKind kind, HidBackend& backend, const std::wstring& path);
    // Starts the kind's reader on an interface already open.
    bool start(DeviceKind kind, std::unique_ptr<HidHandle> eventHandle);

    bool isActive(DeviceKind kind) const;
    // Stops and joins the kind's reader, if any.
    void stop(DeviceKind kind);
    void stopAll();

private:
    struct Slot {
        std::atomic<bool> active{false};
        std::atomic<bool> keepRunning{false};
        std::mutex mutex; // guards handle and thread against start/stop from two threads
        std::shared_ptr<HidHandle> handle;
        std::thread thread;
    };

    void run(Slot& slot, DeviceKind kind, std::shared_ptr<HidHandle> handle);
    Slot& slotOf(DeviceKind kind) { return slots_[static_cast<std::size_t>(kind)]; }
    const Slot& slotOf(DeviceKind kind) const { return slots_[static_cast<std::size_t>(kind)]; }

    DeviceMessageSink& sink_;
    Trace trace_;
    std::array<Slot, 2> slots_;
};

} // namespace ferrox
