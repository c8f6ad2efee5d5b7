// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/sync_session.h"

#include "device/protocol/command_set.h"

namespace ferrox {

SyncSession::SyncSession(HidBackend& backend, DeviceMessageSink& sink, SyncHost& host,
                         SyncScheduler& timers, const MacroLibrary& library,
                         DeviceWorker::Pause pause, SyncStorage storage)
    : backend_(backend), host_(host), worker_(sink, std::move(pause)), readers_(sink),
      discovery_(backend, DiscoveryHooks{[this](DeviceKind kind) { startReader(kind); },
                                         [this] { sync_.StartStatusPoll(); },
                                         [this] {
                                             target_.Forget();
                                             sync_.ScheduleConnectApply();
                                         }}),
      target_(discovery_.link(), backend),
      commands_(std::make_unique<CommandSet>(worker_, [this] { return target_.active(); })),
      sync_(*commands_, host, timers, library, std::move(storage)) {
    sync_.readerWatchdog = [this] { return RunReaderWatchdog(); };
}

SyncSession::~SyncSession() {
    readers_.stopAll();
}

bool SyncSession::Start() {
    discovery_.RegisterForDeviceNotifications();
    sync_.SyncShadows();
    sync_.ResumeUndelivered();
    discovery_.ScanDevices();
    if (!discovery_.takeQueryOnConnect()) {
        return false;
    }
    sync_.QueryStatus();
    host_.showProfileAgain();
    sync_.stateMayHaveChanged();
    return true;
}

DeviceChangeOutcome SyncSession::OnDeviceChange(HidChange change) {
    const DeviceChangeOutcome outcome = discovery_.OnDeviceChange(change);
    if (outcome.rescanned) {
        sync_.setPollCounter(PollCounterAfterScan);
    }
    if (outcome.queryStatusNow) {
        sync_.QueryStatus();
        host_.showProfileAgain();
    }
    if (outcome.rescanned) {
        host_.showProfileAgain();
    }
    if (outcome.lastDeviceGone) {
        sync_.windowShown = false;
    }
    sync_.stateMayHaveChanged();
    return outcome;
}

void SyncSession::Handle(const DeviceMessage& message) {
    if (const auto* ended = std::get_if<ReaderEndedMessage>(&message)) {
        DeviceLinkKind& k = discovery_.link().of(ended->kind);
        if (!readers_.isActive(ended->kind)) {
            k.readerActive = false;
            k.eventPath.clear();
        }
        return;
    }
    sync_.Handle(message);
}

bool SyncSession::RunReaderWatchdog() {
    bool rescanned = false;
    for (DeviceKind kind : kAllDeviceKinds) {
        DeviceLinkKind& k = discovery_.link().of(kind);
        if (k.present && !readers_.isActive(kind)) {
            // The ended reader's notice may still be on its way; its path is stale either way.
            k.readerActive = false;
            k.eventPath.clear();
            discovery_.ScanDevices();
            rescanned = true;
        }
    }
    return rescanned;
}

void SyncSession::SetReportTrace(const ReportTrace& trace) {
    if (!trace) {
        return;
    }
    worker_.setTrace([trace](char direction, const Frame& frame) { trace(direction, frame); });
    readers_.setTrace([trace](std::span<const uint8_t> report) { trace('<', report); });
}

void SyncSession::startReader(DeviceKind kind) {
    DeviceLinkKind& k = discovery_.link().of(kind);
    readers_.start(kind, backend_, k.eventPath.get());
    k.readerActive = readers_.isActive(kind);
    k.readerKeepRunning = k.readerActive.load();
}

} // namespace ferrox
