// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps the mouse in step with the current profile: change flags and the 20 ms apply, the
// shadow images when the mouse already holds the profile, the status poll every second with
// its query every 21 ticks, what a status answer changes, and the deferred save. The window
// owns it and gives it the timers it runs on; it tells the window what changed through SyncHost.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "device/protocol/change_groups.h"
#include "device/protocol/sync_host.h"
#include "device/protocol/sync_scheduler.h"
#include "device/protocol/transport_messages.h"

// Only names here: the window includes this header beside its own drawing code.
namespace ferrox {

class CommandSet;
class MacroLibrary;


inline constexpr int StatusQueryTicks = 20; // the counter runs 0..20: a query every 21 s
inline constexpr int PollCounterAfterScan = 19;
inline constexpr uint8_t StartBatteryLevel = 10;
inline constexpr int ApplyDelayMilliseconds = 20;
inline constexpr int SaveDelayMilliseconds = 10000;
inline constexpr int StatusPollMilliseconds = 1000;

// Where the synchronisation writes the settings; the configuration and profile files by default.
struct SyncStorage {
    std::function<bool()> saveConfig;
    std::function<bool()> saveProfiles;
    std::function<bool(int slot)> saveProfile;
    // The groups saved but not yet delivered to the mouse (config/unsent.txt by default).
    std::function<unsigned()> loadUnsent;
    std::function<bool(unsigned groups)> saveUnsent;
    // The configuration and the profiles copied now and written on a saving thread, so the
    // timer's save never waits for the disk; told runs there with whether all were written.
    // Empty: the timer's save writes them through saveConfig and saveProfiles.
    std::function<void(std::function<void(bool saved)> told)> saveAside;
    static SyncStorage Files();
};

class SyncController {
public:
    // Binds its timers to the scheduler; both must outlive it.
    SyncController(CommandSet& commands, SyncHost& host, SyncScheduler& timers,
                   const MacroLibrary& library, SyncStorage storage = SyncStorage::Files());

    // Visibility state of the window; the window-shown flag allows every apply and poll.
    bool windowShown = false;
    bool deviceShow = false;
    bool shownByDevice = false;

    // Started hidden on purpose (--start-hidden): a show indication the mouse already gives in
    // the first answer after start stands for the mouse's usual state, not a request, and does
    // not bring the window up; once the mouse has cleared it, setting it again does.
    void HoldStandingShow() { holdFirstAnswer_ = true; }
    // The user asked for the window (the tray): the mouse's indication counts as it stands.
    void ReleaseStandingShow() { holdFirstAnswer_ = standingShow_ = false; }

    // Returns true when it rescanned (the poll counter then goes to 19).
    std::function<bool()> readerWatchdog;

    // How long a change waits for the others made with it before it is sent.
    void setApplyDelay(int milliseconds) { applyDelay_ = milliseconds; }

    void RequestApply(unsigned groups);
    // A scan found the device: keys, main and power settings and the wake-up, each as far as the
    // mouse does not hold it; no progress notice.
    void ScheduleConnectApply();
    void ApplyAll();
    // After the macro manager closed (the library reloaded): the key slots take the library's
    // macros at the next allocation, and a profile with macro keys is applied at once.
    void MacroLibraryEdited();
    void SyncShadows();
    void PollStatus();
    // A scan found a device: the poll every second starts (again).
    void StartStatusPoll();
    void QueryStatus();
    void HandleStatusAnswer(const Frame& answer);
    // The mouse's 05 06 notice: report-rate code and 1-based DPI level.
    void HandleDeviceEvent(uint8_t rateCode, uint8_t level);
    // False when a file could not be written (the settings stay in memory).
    bool DeferredSave();
    // The save timer's: the same save handed to the saving thread when the storage has one.
    void DeferredSaveAside();
    // At window destruction: the pending save, if any, now.
    void FlushPendingSave();
    // The firmware reset: the mouse back to its defaults, the current profile too (keeping its
    // name) with its file written, and the images in step. False when the file was not written.
    bool FirmwareReset();
    // Forgets the change flags without sending (ferroxctl sends only its own change).
    void DiscardChanges() { changes_ = 0; }
    // Changes an earlier run saved without delivering them (and keys that linking changed):
    // their images count as unsent and the next apply sends them.
    void ResumeUndelivered();
    // ChangeGroup bits of what was saved but has not reached the mouse.
    unsigned undelivered() const { return undelivered_; }
    // Answers, failed writes and device events from the worker and readers.
    void Handle(const DeviceMessage& message);

    // Called on the owner's thread whenever what others may show of the mouse could have
    // changed: the settings (a change asked to be applied, a save, a reset), an answer or event
    // from the mouse, a device coming or going. Watchers compare for themselves; nothing is
    // called while nothing happens.
    void watchState(std::function<void()> watcher) { watchers_.push_back(std::move(watcher)); }
    void stateMayHaveChanged();

    // Applies without the progress notice (a command of the user's, not a click in the window).
    void setQuietApplies(bool quiet) { quiet_ = quiet; }
    // The last status answer of the mouse; nullopt before the first.
    const std::optional<Frame>& lastStatusAnswer() const { return lastStatus_; }

    unsigned pendingChanges() const { return changes_; }
    bool noProgressOnce() const { return noProgressOnce_; }
    bool savePending() const { return savePending_; }
    int pollCounter() const { return pollCounter_; }
    void setPollCounter(int value) { pollCounter_ = value; }
    uint8_t batteryLevel() const { return batteryLevel_; }
    ChargeState chargeState() const { return charge_; }

private:
    void startApplyTimer();
    void changeSensor(uint16_t sensor);
    void setUndelivered(unsigned groups);

    CommandSet& commands_;
    SyncHost& host_;
    SyncScheduler& timers_;
    const MacroLibrary& library_;
    SyncStorage storage_;
    int applyDelay_ = ApplyDelayMilliseconds;
    unsigned changes_ = 0;
    unsigned undelivered_ = 0;
    bool noProgressOnce_ = false;
    bool quiet_ = false;
    std::vector<std::function<void()>> watchers_;
    std::optional<Frame> lastStatus_;
    bool savePending_ = false;
    int pollCounter_ = 0;
    uint8_t batteryLevel_ = StartBatteryLevel;
    ChargeState charge_ = ChargeState::OnBattery;
    int batteryStep_ = 0;
    LowBatteryWatch batteryWatch_;
    bool holdFirstAnswer_ = false;
    bool standingShow_ = false; // set in the first answer and not cleared since
};

} // namespace ferrox
