// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/reader_thread.h"

#include <algorithm>
#include <vector>

#include "base/log_sink.h"
#include "base/path_text.h"
#include "device/protocol/frame.h"

namespace ferrox {

ReaderThreads::ReaderThreads(DeviceMessageSink& sink) : sink_(sink) {}

ReaderThreads::~ReaderThreads() {
    stopAll();
}

bool ReaderThreads::start(DeviceKind kind, HidBackend& backend, const std::wstring& path) {
    if (isActive(kind) || path.empty()) {
        return false;
    }
    std::unique_ptr<HidHandle> handle = backend.open(path);
    if (!handle) {
        return false;
    }
    const HidInterfaceInfo& info = handle->info();
    if (info.vendorId != kFerroxVendorId || info.productId != ProductIdOf(kind)) {
        Log(LogLevel::Debug, LogCategory::Device,
            "no reader on " + TextPath(path).string() + ": another device is there now");
        return false;
    }
    return start(kind, std::move(handle));
}

bool ReaderThreads::start(DeviceKind kind, std::unique_ptr<HidHandle> eventHandle) {
    if (!eventHandle) {
        return false;
    }
    Slot& slot = slotOf(kind);
    std::lock_guard lock(slot.mutex);
    if (slot.active.exchange(true)) {
        return false;
    }
    if (slot.thread.joinable()) {
        slot.thread.join(); // a reader that ended by itself
    }
    slot.keepRunning = true;
    slot.handle = std::move(eventHandle);
    slot.thread = std::thread([this, &slot, kind, h = slot.handle] { run(slot, kind, h); });
    return true;
}

bool ReaderThreads::isActive(DeviceKind kind) const {
    return slotOf(kind).active;
}

void ReaderThreads::stop(DeviceKind kind) {
    Slot& slot = slotOf(kind);
    std::lock_guard lock(slot.mutex);
    slot.keepRunning = false;
    if (slot.handle) {
        slot.handle->interruptRead();
    }
    if (slot.thread.joinable()) {
        slot.thread.join();
    }
    slot.handle.reset();
}

void ReaderThreads::stopAll() {
    stop(DeviceKind::Wired);
    stop(DeviceKind::Receiver);
}

void ReaderThreads::run(Slot& slot, DeviceKind kind, std::shared_ptr<HidHandle> handle) {
    const std::size_t length = std::max<std::size_t>(handle->info().inputReportLength, kFrameSize);
    std::vector<uint8_t> buffer(length);
    while (slot.keepRunning) {
        std::fill(buffer.begin(), buffer.end(), 0xFF);
        buffer[0] = 0x05;
        if (handle->readInput(buffer) != HidReadResult::Report) {
            break;
        }
        if (trace_) {
            trace_(buffer);
        }
        // 05 06: the mouse's notice of a new DPI level or report rate.
        if (buffer[0] == 0x05 && buffer[1] == 0x06) {
            sink_.post(DeviceEventMessage{kind, buffer[3], buffer[4]});
        }
    }
    if (slot.keepRunning) {
        Log(LogLevel::Debug, LogCategory::Device,
            "reader of " + TextPath(handle->info().path).string() + " ended");
    }
    slot.active = false;
    sink_.post(ReaderEndedMessage{kind});
}

} // namespace ferrox
