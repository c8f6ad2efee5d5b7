// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Internal state of one plugged virtual device, shared by the backend and the handles opened
// on it (a handle outlives an unplug and then fails, as a real one would).

#include "device/hid/hid_backend.h"
#include "device/hid/virtual_firmware.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

namespace ferrox {

enum class VirtualRole { Other, Command, Event };

struct VirtualInterface {
    HidInterfaceInfo info;
    VirtualRole role = VirtualRole::Other;
};

// What one open handle has not read yet.
struct VirtualInputQueue {
    std::deque<std::vector<uint8_t>> reports;
    bool interrupted = false;
};

struct VirtualDevice {
    std::wstring name; // "wired", "receiver", "unrelated": the first part of every path
    std::vector<VirtualInterface> interfaces;
    std::shared_ptr<VirtualFirmware> firmware;
    bool accessDenied = false;

    std::mutex mutex; // guards plugged and the queues
    std::condition_variable changed;
    bool plugged = true;
    std::vector<std::weak_ptr<VirtualInputQueue>> eventQueues;

    // Firmware calls are serialised; the firmware may push input from inside them.
    std::mutex firmwareMutex;

    void deliver(const std::vector<uint8_t>& report);
    void markUnplugged();
};

} // namespace ferrox
