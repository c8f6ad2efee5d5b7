// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device commands of ferroxctl share: the refusal while the window program runs, the
// settings loaded as the window loads them, a session with the mouse (the virtual one with its
// state file under --simulate), the --trace lines, and the end of a run.

#include "cli/cli_context.h"
#include "device/protocol/sync_session.h"
#include "device/virtual/virtual_mouse_firmware.h"

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ferrox {

class InstanceLock;

// How the device commands wait between frames: the real pauses, unless a test replaces them.
extern DeviceWorker::Pause DeviceCommandPause;

class DeviceCommandRun {
public:
    DeviceCommandRun(CliContext& context, std::string name);
    ~DeviceCommandRun();

    // Prints "ferroxctl NAME: message" and returns the failure status.
    int Fail(const std::string& message, int status = 1);
    void Warn(const std::string& message);

    // True (and the message printed) while the window program works on the same data folder
    // or the same real mouse (ClaimDataFolder).
    bool RefuseWhileWindowRuns();
    // Configuration, profiles, DPI table, language texts and macro library. False (and told)
    // when one of the files the command would save could not be read.
    [[nodiscard]] bool LoadSettings();
    // Scans for the devices with the images set from the current profile; nothing is sent, and
    // only the changes an earlier run saved without delivering them are pending afterwards.
    // False with the message printed when the virtual mouse's state file cannot be read.
    bool Open();
    bool DeviceFound() const;

    // Waits for every queued frame, hands the messages to the session (or returns them all
    // when handle is false) and saves the virtual mouse's state. Returns the messages.
    std::vector<DeviceMessage> Finish(bool handle = true);
    // Whether any frame of the finished run was refused by the device.
    static bool AnyWriteFailed(const std::vector<DeviceMessage>& messages);
    // After a change was applied and saved: says whether it reached the mouse, or that it is
    // recorded to be sent when the mouse is next found. The exit status.
    int ReportDelivery(const std::vector<DeviceMessage>& messages, const std::string& what);

    SyncSession& session() { return *session_; }
    // Whether the running window carries the command out (its session, its settings).
    bool InWindow() const { return context_.host != nullptr; }
    SyncController& sync() { return session_->sync(); }
    CliContext& context() { return context_; }

private:
    std::shared_ptr<VirtualFirmware> makeFirmware(DeviceKind kind);
    bool OpenInWindow();
    void printFrame(char direction, std::span<const uint8_t> frame);

    CliContext& context_;
    std::string name_;
    QueuedMessageSink sink_;
    SyncHost host_;
    NoSyncTimers timers_; // applies and saves are made at once
    std::unique_ptr<InstanceLock> lock_;
    std::vector<std::pair<DeviceKind, std::shared_ptr<VirtualMouseFirmware>>> firmware_;
    std::string stateFault_; // why the state file could not be loaded
    std::mutex traceMutex_;
    std::unique_ptr<SyncSession> ownSession_;
    SyncSession* session_ = nullptr; // the own one, or the window's
};

} // namespace ferrox
