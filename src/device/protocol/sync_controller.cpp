// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/sync_controller.h"

#include "base/log_sink.h"
#include "device/protocol/command_set.h"
#include "device/protocol/unsent_changes.h"

#include <algorithm>

#include "settings/config_file.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "settings/profile_file.h"
#include "settings/settings_saves.h"

namespace ferrox {

namespace {

constexpr int BatteryStepSize = 25;

const wchar_t* RateNameFromDevice(uint8_t rate) {
    switch (rate) {
    case 0:
        return L"125Hz";
    case 1:
        return L"250Hz";
    case 2:
        return L"500Hz";
    default:
        return L"1000Hz";
    }
}

// Settings never read from their files nor filled with defaults have empty key names; writing
// them would replace the user's files with nothing.
bool SettingsInMemory() {
    return !ConfigTable[ConfigKey::CurrentProfile].key.empty() &&
           !Profiles[0].profileKeys[ProfileKey::ProfileName].key.empty();
}

bool AnyMacroKey(const ProfileSettings& profile) {
    return std::any_of(profile.keys.begin(), profile.keys.end(), [](const KeySlot& k) {
        return k.function.Category() == FunctionCategory::Macro;
    });
}

unsigned ChangeGroupOf(ImageGroup group) {
    switch (group) {
    case ImageGroup::None:
        return 0;
    case ImageGroup::Key:
        return ChangeGroup::Keys;
    case ImageGroup::Power:
        return ChangeGroup::Power;
    case ImageGroup::Wakeup:
        return ChangeGroup::Wakeup;
    case ImageGroup::Macro:
        return ChangeGroup::Macros;
    default:
        return ChangeGroup::Settings;
    }
}

} // namespace

SyncStorage SyncStorage::Files() {
    return {[] { return SettingsInMemory() && SaveConfig(); },
            [] { return SettingsInMemory() && SaveAllProfiles(); },
            [](int slot) {
                return SettingsInMemory() && WriteProfileFile(slot, ProfileSlotPath(slot));
            },
            [] { return ReadUnsentChanges(UnsentChangesPath()); },
            [](unsigned groups) {
                return SettingsInMemory() && WriteUnsentChanges(UnsentChangesPath(), groups);
            },
            [](std::function<void(bool saved)> told) {
                if (SettingsInMemory())
                    SaveSettingsAside(std::move(told));
                else
                    told(false);
            }};
}

SyncController::SyncController(CommandSet& commands, SyncHost& host, SyncScheduler& timers,
                               const MacroLibrary& library, SyncStorage storage)
    : commands_(commands), host_(host), timers_(timers), library_(library),
      storage_(std::move(storage)) {
    timers_.bind(SyncTimer::Apply, [this] { ApplyAll(); });
    timers_.bind(SyncTimer::Save, [this] { DeferredSaveAside(); });
    timers_.bind(SyncTimer::Status, [this] { PollStatus(); });
}

void SyncController::RequestApply(unsigned groups) {
    changes_ |= groups;
    startApplyTimer();
    stateMayHaveChanged();
}

void SyncController::stateMayHaveChanged() {
    for (const auto& watcher : watchers_)
        watcher();
}

void SyncController::startApplyTimer() {
    timers_.start(SyncTimer::Apply, applyDelay_, SyncTimerMode::Once);
}

void SyncController::ScheduleConnectApply() {
    // The wake-up too: a full send cut off by an unplug may have lost it, and nothing else would
    // ever send it again. Like the others it goes out only when the mouse does not hold it.
    changes_ |= ChangeGroup::Keys | ChangeGroup::Settings | ChangeGroup::Power | ChangeGroup::Wakeup;
    noProgressOnce_ = true;
    startApplyTimer();
}

void SyncController::ApplyAll() {
    commands_.clearSentFlag();
    if (!windowShown) {
        return; // the flags stay set: the first apply the window allows sends it all
    }
    ProfileSettings& profile = CurrentProfile();
    if (commands_.AllocateMacroSlots(profile, library_)) {
        changes_ |= ChangeGroup::Keys; // a key whose macro left the library is now disabled
    }
    const bool connected = commands_.connected();
    if (connected) {
        // What a refused write left behind goes out with this apply: a mouse that wakes up
        // again behind its receiver gives no device notice that would send it.
        changes_ |= undelivered_ & ~ChangeGroup::Macros;
    }
    Log(LogLevel::Debug, LogCategory::Sync,
        "apply, change groups " + std::to_string(changes_));
    unsigned requested = changes_ & ChangeGroup::Device;
    if ((requested & ChangeGroup::Keys) && AnyMacroKey(profile)) {
        requested |= ChangeGroup::Macros;
    }
    if (changes_ & ChangeGroup::Keys) {
        commands_.SendKeyTable(profile);
    }
    if (changes_ & ChangeGroup::Settings) {
        commands_.SendMainSettings(profile, DpiSteps);
    }
    if (changes_ & ChangeGroup::Power) {
        commands_.SendPowerSettings(profile);
    }
    if (changes_ & ChangeGroup::Wakeup) {
        commands_.SendMotionWakeup(profile);
    }
    changes_ = 0;
    commands_.UploadMacros(profile, true);
    // Without a device the images stay as they were; the groups are recorded so that a later
    // run that finds the mouse still sends them. A failed write adds its group back.
    setUndelivered(connected ? undelivered_ & ~(requested | ChangeGroup::Macros)
                             : undelivered_ | requested);
    if (commands_.sentFlag() && !noProgressOnce_ && !quiet_) {
        pollCounter_ = 0;
        host_.showProgressNotice();
    }
    noProgressOnce_ = false;
    timers_.start(SyncTimer::Save, SaveDelayMilliseconds, SyncTimerMode::Once);
    savePending_ = true;
    host_.showProfileAgain();
}

void SyncController::MacroLibraryEdited() {
    commands_.RequestMacroCopy();
    if (AnyMacroKey(CurrentProfile())) {
        changes_ |= ChangeGroup::Keys;
        ApplyAll();
    }
}

void SyncController::SyncShadows() {
    ProfileSettings& profile = CurrentProfile();
    commands_.SetShadows(profile, DpiSteps);
    if (commands_.AllocateMacroSlots(profile, library_)) {
        // A key whose macro left the library was disabled just now: the mouse has not seen it.
        undelivered_ |= ChangeGroup::Keys;
    }
    commands_.UploadMacros(profile, false);
    commands_.MarkUnsent(undelivered_);
}

void SyncController::ResumeUndelivered() {
    if (storage_.loadUnsent) {
        undelivered_ |= storage_.loadUnsent() & ChangeGroup::Device;
    }
    commands_.MarkUnsent(undelivered_);
    changes_ |= undelivered_;
}

void SyncController::setUndelivered(unsigned groups) {
    if (groups == undelivered_) {
        return;
    }
    undelivered_ = groups;
    if (storage_.saveUnsent) {
        storage_.saveUnsent(undelivered_);
    }
}

void SyncController::QueryStatus() {
    commands_.QueryStatus();
}

void SyncController::PollStatus() {
    if (pollCounter_ < StatusQueryTicks) {
        ++pollCounter_;
    } else {
        pollCounter_ = 0;
        if (readerWatchdog && readerWatchdog()) {
            pollCounter_ = PollCounterAfterScan;
        }
        if (windowShown) {
            QueryStatus();
        }
    }
    if (!windowShown) {
        return;
    }
    if (batteryLevel_ > 100) {
        batteryLevel_ = 0;
    }
    batteryStep_ += BatteryStepSize;
    if (batteryStep_ > 100) {
        batteryStep_ = BatteryStepSize;
    }
    host_.updateBatteryDisplay(batteryLevel_, charge_, batteryStep_);
}

void SyncController::StartStatusPoll() {
    timers_.start(SyncTimer::Status, StatusPollMilliseconds, SyncTimerMode::Repeating);
}

void SyncController::HandleStatusAnswer(const Frame& frame) {
    const std::optional<StatusAnswer> answer = ParseStatusAnswer(frame);
    if (!answer) {
        return;
    }
    lastStatus_ = frame;
    if (answer->signatureMatches) {
        deviceShow = answer->accessFlag != 0;
        standingShow_ = holdFirstAnswer_ ? deviceShow : standingShow_ && deviceShow;
        holdFirstAnswer_ = false;
        if (!windowShown && deviceShow && !standingShow_) {
            shownByDevice = true;
            windowShown = true;
            host_.showWindowFromDevice();
        } else if (windowShown && !deviceShow && shownByDevice) {
            shownByDevice = false;
            host_.minimiseWindow();
        }
    }
    // A code outside the table says nothing about the sensor: keep it, reset nothing.
    const std::optional<SensorIdValue> sensor = SensorOfCode(answer->sensorCode);
    if (sensor && *sensor != SensorId) {
        changeSensor(*sensor);
    }
    batteryLevel_ = answer->batteryLevel;
    charge_ = answer->charge;
    const BatteryWarning warning = batteryWatch_.Observe(batteryLevel_, charge_);
    if (warning != BatteryWarning::None) {
        host_.batteryWarning(warning, batteryLevel_);
    }
}

void SyncController::changeSensor(uint16_t sensor) {
    SetSensor(sensor);
    storage_.saveConfig();
    for (ProfileSettings& profile : Profiles) {
        ResetDpiDefaults(profile);
    }
    storage_.saveProfiles();
    BuildDpiStepTable();
    // The new table can add or drop the lift-off section and changes every DPI value shown.
    host_.showProfileAgain();
}

void SyncController::HandleDeviceEvent(uint8_t rateCode, uint8_t level) {
    ProfileSettings& profile = CurrentProfile();
    // A level the profile cannot hold, or a position past its enabled levels (a damaged
    // report), is not taken: it would leave the profile with no active level.
    if (level >= 1 && DpiLevelAtPosition(profile.dpiEnableMask, level - 1)) {
        profile.currentDpiLevel = static_cast<uint8_t>(level - 1);
    }
    if (const std::optional<uint8_t> rate = ReportRateOfCode(rateCode)) {
        profile.reportRate.rate = *rate;
        profile.reportRate.spare = {0, 0};
        profile.reportRate.name = RateNameFromDevice(*rate);
    }
    host_.showDeviceNotice();
    host_.showProfileAgain();
    SyncShadows();
}

bool SyncController::DeferredSave() {
    timers_.stop(SyncTimer::Save);
    savePending_ = false;
    const bool config = storage_.saveConfig();
    const bool profiles = storage_.saveProfiles();
    LogSettingsSaved(config && profiles);
    stateMayHaveChanged();
    return config && profiles;
}

void SyncController::DeferredSaveAside() {
    if (!storage_.saveAside) {
        DeferredSave();
        return;
    }
    timers_.stop(SyncTimer::Save);
    savePending_ = false;
    storage_.saveAside(LogSettingsSaved);
}

bool SyncController::FirmwareReset() {
    commands_.FactoryReset();
    const int slot = CurrentSlot();
    ProfileSettings& profile = Profiles[slot];
    const std::wstring name = ProfileValue(profile, ProfileKey::ProfileName);
    ResetProfile(profile, static_cast<unsigned>(slot));
    SetProfileValue(profile, ProfileKey::ProfileName, name);
    const bool saved = storage_.saveProfile(slot);
    setUndelivered(0); // mouse and profile are both at their defaults
    SyncShadows();
    host_.showProfileAgain();
    commands_.ClearMacroSlots();
    if (!quiet_)
        host_.showProgressNotice();
    stateMayHaveChanged();
    return saved;
}

void SyncController::FlushPendingSave() {
    if (savePending_) {
        DeferredSave();
    }
}

void SyncController::Handle(const DeviceMessage& message) {
    if (const auto* answer = std::get_if<AnswerMessage>(&message)) {
        HandleStatusAnswer(answer->frame);
    } else if (const auto* failed = std::get_if<WriteFailedMessage>(&message)) {
        commands_.OnWriteFailed(failed->tag);
        setUndelivered(undelivered_ | ChangeGroupOf(failed->tag.group));
    } else if (const auto* event = std::get_if<DeviceEventMessage>(&message)) {
        HandleDeviceEvent(event->rateCode, event->level);
    }
    stateMayHaveChanged();
}

} // namespace ferrox
