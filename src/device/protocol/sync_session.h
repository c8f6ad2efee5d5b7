// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the window (or ferroxctl) needs to talk to the mouse, wired together: discovery
// and link, the reader threads, the device worker, the command set and the synchronisation.
// Lives on the owner's thread. Messages from the worker and readers reach the owner through
// the sink it gives; the owner hands each back to Handle() on its own thread.

#include "device/protocol/command_target.h"
#include "device/hid/device_discovery.h"
#include "device/protocol/device_worker.h"
#include "device/protocol/reader_thread.h"
#include "device/protocol/sync_controller.h"
#include "device/protocol/transport_messages.h"

#include <functional>
#include <memory>
#include <span>

namespace ferrox {

class CommandSet;
class MacroLibrary;

class SyncSession {
public:
    SyncSession(HidBackend& backend, DeviceMessageSink& sink, SyncHost& host,
                SyncScheduler& timers, const MacroLibrary& library,
                DeviceWorker::Pause pause = DeviceWorker::RealPause,
                SyncStorage storage = SyncStorage::Files());
    // Stops the readers, then lets the worker send what is still queued.
    ~SyncSession();

    // Start-up order: notices registered, shadow images from the profile, first scan; true
    // when a device was found and the status query on connection went out.
    bool Start();
    // Arrival or removal notice. The window still hides and quits on lastDeviceGone.
    DeviceChangeOutcome OnDeviceChange(HidChange change);
    void Handle(const DeviceMessage& message);
    // Rescans when a present kind has no reader; true when it did.
    bool RunReaderWatchdog();
    // Shows every report written ('>') and read ('<'), the input reports included; called on
    // the worker's and the readers' threads. Set before Start.
    using ReportTrace = std::function<void(char direction, std::span<const uint8_t> report)>;
    void SetReportTrace(const ReportTrace& trace);
    // Stops the readers; the window calls this when it closes.
    void StopReaders() { readers_.stopAll(); }

    DeviceDiscovery& discovery() { return discovery_; }
    DeviceWorker& worker() { return worker_; }
    CommandSet& commands() { return *commands_; }
    SyncController& sync() { return sync_; }
    const SyncController& sync() const { return sync_; }
    ReaderThreads& readers() { return readers_; }

private:
    void startReader(DeviceKind kind);

    HidBackend& backend_;
    SyncHost& host_;
    DeviceWorker worker_;
    ReaderThreads readers_;
    DeviceDiscovery discovery_;
    CommandTarget target_;
    std::unique_ptr<CommandSet> commands_;
    SyncController sync_;
};

} // namespace ferrox
