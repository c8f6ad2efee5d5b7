// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Test doubles shared by the protocol tests: a command handle that hands frames straight to
// a firmware, an event handle fed by hand, and a recorder of the worker's pauses.

#include <array>
#include <chrono>
#include <functional>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <vector>

#include "device/hid/device_kind.h"
#include "device/protocol/device_worker.h"
#include "device/hid/hid_backend.h"
#include "device/protocol/sync_scheduler.h"
#include "device/hid/virtual_firmware.h"
#include "device/virtual/virtual_mouse_firmware.h"

namespace ferrox::test {

// The synchronisation's timers, fired by the test: fire() runs a running timer's expiry.
class HandTimers : public SyncScheduler {
public:
    struct Timer {
        std::function<void()> expiry;
        bool running = false;
        int milliseconds = 0;
        SyncTimerMode mode = SyncTimerMode::Once;
        int starts = 0;
    };
    void bind(SyncTimer timer, std::function<void()> expiry) override {
        at(timer).expiry = std::move(expiry);
    }
    void start(SyncTimer timer, int milliseconds, SyncTimerMode mode) override {
        at(timer) = {at(timer).expiry, true, milliseconds, mode, at(timer).starts + 1};
    }
    void stop(SyncTimer timer) override { at(timer).running = false; }
    // False when the timer was not running.
    bool fire(SyncTimer timer) {
        Timer& t = at(timer);
        if (!t.running)
            return false;
        t.running = t.mode == SyncTimerMode::Repeating;
        t.expiry();
        return true;
    }
    Timer& at(SyncTimer timer) { return timers_[size_t(timer)]; }

private:
    std::array<Timer, 3> timers_;
};

class FirmwareHandle : public HidHandle {
public:
    explicit FirmwareHandle(std::shared_ptr<VirtualFirmware> fw) : fw_(std::move(fw)) {
        info_.vendorId = kFerroxVendorId;
        info_.productId = kWiredProductId;
        info_.featureReportLength = 33;
    }
    const HidInterfaceInfo& info() const override { return info_; }
    bool setFeature(std::span<const uint8_t> r) override { return fw_->onSetFeature(r); }
    bool getFeature(std::span<uint8_t> r) override { return fw_->onGetFeature(r); }
    HidReadResult readInput(std::span<uint8_t>) override { return HidReadResult::Failed; }
    void interruptRead() override {}

private:
    std::shared_ptr<VirtualFirmware> fw_;
    HidInterfaceInfo info_;
};

// An event interface whose reports the test pushes; fail() makes the next read fail.
class ScriptedEventHandle : public HidHandle {
public:
    ScriptedEventHandle() {
        info_.vendorId = kFerroxVendorId;
        info_.productId = kWiredProductId;
        info_.inputReportLength = 33;
    }
    const HidInterfaceInfo& info() const override { return info_; }
    bool setFeature(std::span<const uint8_t>) override { return false; }
    bool getFeature(std::span<uint8_t>) override { return false; }
    HidReadResult readInput(std::span<uint8_t> buffer) override {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [&] { return interrupted_ || failed_ || !reports_.empty(); });
        if (!reports_.empty()) {
            auto r = std::move(reports_.front());
            reports_.pop_front();
            std::fill(buffer.begin(), buffer.end(), 0);
            std::copy_n(r.begin(), std::min(r.size(), buffer.size()), buffer.begin());
            return HidReadResult::Report;
        }
        if (interrupted_) {
            interrupted_ = false;
            return HidReadResult::Interrupted;
        }
        return HidReadResult::Failed;
    }
    void interruptRead() override {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
        cv_.notify_all();
    }
    void push(std::vector<uint8_t> report) {
        std::lock_guard lock(mutex_);
        reports_.push_back(std::move(report));
        cv_.notify_all();
    }
    void fail() {
        std::lock_guard lock(mutex_);
        failed_ = true;
        cv_.notify_all();
    }

private:
    HidInterfaceInfo info_;
    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<std::vector<uint8_t>> reports_;
    bool interrupted_ = false;
    bool failed_ = false;
};

// Collects the worker's pauses instead of sleeping through them.
struct PauseLog {
    std::mutex mutex;
    std::vector<int> pauses;
    auto recorder() {
        return [this](std::chrono::milliseconds d) {
            std::lock_guard lock(mutex);
            pauses.push_back(static_cast<int>(d.count()));
        };
    }
    std::vector<int> take() {
        std::lock_guard lock(mutex);
        return std::exchange(pauses, {});
    }
};

// A virtual mouse's firmware behind a worker whose pauses are recorded, not slept.
struct FirmwareOnWorker {
    std::shared_ptr<VirtualMouseFirmware> fw = std::make_shared<VirtualMouseFirmware>();
    std::shared_ptr<HidHandle> handle = std::make_shared<FirmwareHandle>(fw);
    QueuedMessageSink sink;
    PauseLog pauses;
    DeviceWorker worker{sink, pauses.recorder()};
};

} // namespace ferrox::test
