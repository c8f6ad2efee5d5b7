// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state of the connection to the mouse and its receiver. One DeviceLink lives as long as
// the main window. The per-kind fields wiredCommandIndex, wiredEventPath, wiredCommandHandle,
// wiredReaderActive ... are link.wired.commandIndex, link.wired.eventPath and so on; the
// receiver's are under link.receiver.

#include "device/hid/device_kind.h"
#include "device/hid/hid_backend.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

namespace ferrox {

// A path written by the main thread and cleared by a reader thread when it ends.
class SharedPath {
public:
    std::wstring get() const {
        std::lock_guard lock(mutex_);
        return path_;
    }
    void set(std::wstring path) {
        std::lock_guard lock(mutex_);
        path_ = std::move(path);
    }
    void clear() { set({}); }
    bool empty() const {
        std::lock_guard lock(mutex_);
        return path_.empty();
    }

private:
    mutable std::mutex mutex_;
    std::wstring path_;
};

struct DeviceLinkKind {
    bool present = false;      // the last scan found this kind's command interface
    int32_t commandIndex = -1; // member index of the adopted command interface
    int32_t eventIndex = -1;   // member index of the adopted event interface
    std::wstring commandPath;  // empty: none adopted
    SharedPath eventPath;      // empty: none adopted; the reader clears it when it ends
    std::unique_ptr<HidHandle> commandHandle;
    // Set and cleared by the reader thread of this kind; at most one reader runs per kind.
    std::atomic<bool> readerActive{false};
    // The reader looks at it after every report; set when a reader starts.
    std::atomic<bool> readerKeepRunning{false};
};

struct DeviceLink {
    bool anyPresent = false;
    DeviceLinkKind wired;
    DeviceLinkKind receiver;
    // When a scan finds a device while this is set, a status query follows.
    bool queryOnConnect = true;

    DeviceLinkKind& of(DeviceKind kind) { return kind == DeviceKind::Wired ? wired : receiver; }
    const DeviceLinkKind& of(DeviceKind kind) const {
        return kind == DeviceKind::Wired ? wired : receiver;
    }

    // Every command goes here: the wired mouse wins when both are connected.
    HidHandle* activeCommandHandle() const {
        return wired.commandHandle ? wired.commandHandle.get() : receiver.commandHandle.get();
    }
};

} // namespace ferrox
