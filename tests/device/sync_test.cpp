// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Synchronisation: batching, visibility, status answers, device events, the poll rhythm, and
// the whole session against the virtual mouse.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "base/app_globals.h"
#include "device/protocol/command_set.h"
#include "device/profile_test_support.h"
#include "device/protocol_test_support.h"
#include "device/protocol/sync_session.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "settings/config_file.h"
#include "settings/config_table.h"

namespace ferrox {
namespace {

using test::FirmwareHandle;
using test::PauseLog;

struct RecordingHost : SyncHost {
    int progressNotices = 0;
    int shownByDevice = 0;
    int minimised = 0;
    int refreshes = 0;
    int deviceNotices = 0;
    std::vector<std::pair<BatteryWarning, int>> warnings;
    std::vector<std::pair<int, ChargeState>> battery;
    void showProgressNotice() override { ++progressNotices; }
    void showWindowFromDevice() override { ++shownByDevice; }
    void minimiseWindow() override { ++minimised; }
    void showProfileAgain() override { ++refreshes; }
    void showDeviceNotice() override { ++deviceNotices; }
    void batteryWarning(BatteryWarning warning, uint8_t level) override {
        warnings.emplace_back(warning, level);
    }
    void updateBatteryDisplay(uint8_t level, ChargeState charge, int) override {
        battery.emplace_back(level, charge);
    }
};

struct Saves {
    int config = 0;
    int profiles = 0;
    std::vector<int> slots;
    unsigned unsent = 0;
    SyncStorage storage() {
        return {[this] { return ++config, true; }, [this] { return ++profiles, true; },
                [this](int slot) { return slots.push_back(slot), true; },
                [this] { return unsent; }, [this](unsigned groups) { return unsent = groups, true; },
                {}}; // written here, as ferroxctl does
    }
};

Frame StatusFrame(uint8_t sensorCode, uint8_t battery, uint8_t charge, uint8_t access,
                  const char* signature = "T7Q5") {
    Frame f = BuildFrame(cmd::StatusQuery, std::vector<uint8_t>(15, 0));
    std::copy_n(signature, 4, f.begin() + 8);
    f[15] = sensorCode;
    f[18] = battery;
    f[19] = charge;
    f[21] = access;
    return f;
}

struct SyncFixture : ::testing::Test, test::FirmwareOnWorker {
    CommandSet commands{worker, [this] { return handle; }};
    MacroLibrary library;
    RecordingHost host;
    test::HandTimers timers;
    Saves saves;
    SyncController sync{commands, host, timers, library, saves.storage()};

    SyncFixture() {
        test::ResetTestSettings();
        sync.windowShown = true;
        sync.SyncShadows();
    }
    std::vector<uint8_t> sentCommands() {
        worker.waitIdle();
        std::vector<uint8_t> out;
        for (const Frame& f : fw->frames()) {
            out.push_back(f[2]);
        }
        fw->clearFrames();
        return out;
    }
};

TEST_F(SyncFixture, ChangesBeforeTheTimerFiresGoOutTogether) {
    CurrentProfile().dpiStep[0] = 3;
    sync.RequestApply(ChangeGroup::Settings);
    CurrentProfile().dpiStep[0] = 4;
    sync.RequestApply(ChangeGroup::Settings);
    EXPECT_EQ(timers.at(SyncTimer::Apply).starts, 2);
    EXPECT_EQ(timers.at(SyncTimer::Apply).milliseconds, ApplyDelayMilliseconds);
    ASSERT_TRUE(timers.fire(SyncTimer::Apply));
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::DpiLevels}));
    EXPECT_EQ(fw->state().dpi[2], 5); // code of step 4
    EXPECT_EQ(sync.pendingChanges(), 0u);
    EXPECT_EQ(host.progressNotices, 1);
    EXPECT_TRUE(sync.savePending());
    EXPECT_FALSE(timers.at(SyncTimer::Apply).running);

    EXPECT_EQ(timers.at(SyncTimer::Save).milliseconds, SaveDelayMilliseconds);
    ASSERT_TRUE(timers.fire(SyncTimer::Save));
    EXPECT_EQ(saves.config, 1);
    EXPECT_FALSE(sync.savePending());
    EXPECT_FALSE(timers.at(SyncTimer::Save).running);
}

TEST_F(SyncFixture, NothingIsSentWhileTheWindowMayNotBeShown) {
    sync.windowShown = false;
    CurrentProfile().reportRate.rate = 0;
    sync.RequestApply(ChangeGroup::Settings);
    sync.ApplyAll();
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(sync.pendingChanges(), ChangeGroup::Settings);
    EXPECT_FALSE(sync.savePending());

    sync.windowShown = true;
    sync.ApplyAll();
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::ReportRate}));
}

TEST_F(SyncFixture, WhatWasSavedWithoutTheMouseIsRecordedAndSentWhenItIsBack) {
    auto mouse = handle;
    handle = nullptr;
    CurrentProfile().reportRate.rate = 0;
    sync.RequestApply(ChangeGroup::Settings | ChangeGroup::Pointer);
    sync.ApplyAll();
    EXPECT_EQ(saves.unsent, ChangeGroup::Settings) << "the pointer settings stay on the desktop";

    // A later run: the images say the mouse holds the profile, the record says otherwise.
    handle = mouse;
    CommandSet later{worker, [this] { return handle; }};
    SyncController next{later, host, timers, library, saves.storage()};
    next.windowShown = true;
    next.SyncShadows();
    next.ResumeUndelivered();
    next.ApplyAll();
    const std::vector<uint8_t> sent = sentCommands();
    EXPECT_EQ(sent.size(), 6u) << "the whole settings group";
    EXPECT_EQ(fw->state().rateCode, 0x08);
    EXPECT_EQ(saves.unsent, 0u);

    // A write the mouse refused goes back on the record.
    next.Handle(WriteFailedMessage{{ImageGroup::Wakeup}});
    EXPECT_EQ(saves.unsent, ChangeGroup::Wakeup);
}

TEST_F(SyncFixture, ConnectApplyShowsNoProgressAndSendsOnlyDifferences) {
    SetProfileNumber(CurrentProfile(), ProfileKey::PowerDownTime, 2);
    sync.ScheduleConnectApply();
    sync.ApplyAll();
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::PowerSaving}));
    EXPECT_EQ(host.progressNotices, 0);
    EXPECT_FALSE(sync.noProgressOnce());
    EXPECT_EQ(pauses.take().size(), 8u); // seven for the key table, one for the frame
}

TEST_F(SyncFixture, SensorChangeResetsDpiAndSavesSameSensorSavesNothing) {
    CurrentProfile().dpiStep[0] = 1;
    sync.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 1));
    EXPECT_EQ(saves.config + saves.profiles, 0);
    EXPECT_EQ(CurrentProfile().dpiStep[0], 1);

    sync.HandleStatusAnswer(StatusFrame(0x55, 50, 0, 1)); // not in the table: kept
    EXPECT_EQ(SensorId, 0x3325);
    EXPECT_EQ(saves.config + saves.profiles, 0);
    EXPECT_EQ(host.refreshes, 0);

    sync.HandleStatusAnswer(StatusFrame(0x35, 50, 0, 1));
    EXPECT_EQ(SensorId, 0x3335);
    EXPECT_EQ(ConfigValue(ConfigKey::Sensor), L"0x3335");
    EXPECT_EQ(ConfigValue(ConfigKey::PreST), L"0xCCCA");
    EXPECT_EQ(saves.config, 1);
    EXPECT_EQ(saves.profiles, 1);
    EXPECT_EQ(Profiles[3].dpiStep[0], 11);
    EXPECT_EQ(DpiSteps.count, 160u);
    EXPECT_EQ(host.refreshes, 1) << "the window shows the new table";
}

TEST_F(SyncFixture, BatteryAndChargeFromTheAnswer) {
    struct Case {
        uint8_t level, charge;
        int shown;
        ChargeState state;
    };
    const Case cases[] = {
        {37, 2, 100, ChargeState::Full},
        {101, 0, 0, ChargeState::OnBattery},
        {64, 1, 64, ChargeState::Charging},
        {64, 7, 64, ChargeState::OnBattery},
    };
    for (const Case& c : cases) {
        sync.HandleStatusAnswer(StatusFrame(0x25, c.level, c.charge, 1));
        sync.PollStatus();
        ASSERT_FALSE(host.battery.empty());
        EXPECT_EQ(host.battery.back(), std::make_pair(c.shown, c.state)) << int(c.level);
    }
    Frame wrongCommand = StatusFrame(0x25, 5, 0, 1);
    wrongCommand[2] = 0x21;
    Frame failed = StatusFrame(0x25, 5, 0, 1);
    failed[3] = 0x01;
    sync.HandleStatusAnswer(wrongCommand);
    sync.HandleStatusAnswer(failed);
    EXPECT_EQ(sync.batteryLevel(), 64);
}

TEST_F(SyncFixture, LowBatteryIsToldOnceTwoAnswersAgree) {
    for (uint8_t level : {40, 12, 11, 10, 12})
        sync.HandleStatusAnswer(StatusFrame(0x25, level, 0, 1));
    sync.HandleStatusAnswer(StatusFrame(0x25, 3, 1, 1)); // charging: nothing
    sync.HandleStatusAnswer(StatusFrame(0x25, 3, 1, 1));
    EXPECT_EQ(host.warnings, (std::vector<std::pair<BatteryWarning, int>>{{BatteryWarning::Low, 11}}));
}

TEST_F(SyncFixture, DeviceShowsAndWithdrawsTheWindow) {
    sync.windowShown = false;
    sync.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 0));
    EXPECT_FALSE(sync.windowShown);
    sync.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 1, "XXXX")); // not our mouse
    EXPECT_FALSE(sync.windowShown);
    sync.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 1));
    EXPECT_TRUE(sync.windowShown);
    EXPECT_TRUE(sync.shownByDevice);
    EXPECT_EQ(host.shownByDevice, 1);
    sync.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 0));
    EXPECT_TRUE(sync.windowShown);
    EXPECT_FALSE(sync.shownByDevice);
    EXPECT_EQ(host.minimised, 1);
}

// Started hidden on purpose: the indication the mouse gives from the start is its usual state;
// only one it sets after clearing it (or the user's own request) brings the window up.
TEST_F(SyncFixture, AHiddenStartIgnoresTheIndicationTheMouseAlreadyGives) {
    struct Case {
        const char* what;
        std::vector<uint8_t> indications; // one answer each
        bool userAsksAfterFirst;
        int shownAtAnswer; // 1-based; 0: never
    };
    const Case cases[] = {
        {"set from the start", {1, 1, 1}, false, 0},
        {"cleared, then set", {1, 0, 1}, false, 3},
        {"clear at first, set later", {0, 0, 1}, false, 3},
        {"set from the start, the user asks", {1, 1}, true, 2},
    };
    for (const Case& c : cases) {
        SyncController hidden{commands, host, timers, library, saves.storage()};
        hidden.HoldStandingShow();
        int shownAt = 0;
        for (std::size_t i = 0; i < c.indications.size(); ++i) {
            if (i == 1 && c.userAsksAfterFirst)
                hidden.ReleaseStandingShow();
            hidden.HandleStatusAnswer(StatusFrame(0x25, 50, 0, c.indications[i]));
            if (hidden.windowShown && shownAt == 0)
                shownAt = int(i) + 1;
        }
        EXPECT_EQ(shownAt, c.shownAtAnswer) << c.what;
    }
    // An answer that is not our mouse's says nothing: the first real one is still held.
    SyncController hidden{commands, host, timers, library, saves.storage()};
    hidden.HoldStandingShow();
    hidden.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 0, "XXXX"));
    hidden.HandleStatusAnswer(StatusFrame(0x25, 50, 0, 1));
    EXPECT_FALSE(hidden.windowShown);
    EXPECT_TRUE(hidden.deviceShow);
}

TEST_F(SyncFixture, DeviceEventTakesLevelAndRateAndResyncs) {
    sync.HandleDeviceEvent(0x04, 3);
    EXPECT_EQ(CurrentProfile().currentDpiLevel, 2);
    EXPECT_EQ(CurrentProfile().reportRate.rate, 1);
    EXPECT_EQ(CurrentProfile().reportRate.name, L"250Hz");
    EXPECT_EQ(host.deviceNotices, 1);
    sync.RequestApply(ChangeGroup::Settings);
    sync.ApplyAll();
    EXPECT_TRUE(sentCommands().empty()) << "the mouse already holds what it reported";

    sync.HandleDeviceEvent(0x01, 0); // level 0 is no level: the rate is still taken
    EXPECT_EQ(CurrentProfile().currentDpiLevel, 2);
    EXPECT_EQ(CurrentProfile().reportRate.rate, 3);
    EXPECT_EQ(CurrentProfile().reportRate.name, L"1000Hz");
}

TEST_F(SyncFixture, DeviceEventWithUnknownValuesChangesNeitherLevelNorRate) {
    sync.HandleDeviceEvent(0x02, 4);
    for (const auto& [rateCode, level] :
         std::vector<std::pair<uint8_t, uint8_t>>{{0x03, 9}, {0x00, 0}, {0xFF, 0xFF}, {0x10, 200}}) {
        sync.HandleDeviceEvent(rateCode, level);
        EXPECT_EQ(CurrentProfile().currentDpiLevel, 3) << int(rateCode);
        EXPECT_EQ(CurrentProfile().reportRate.rate, 2) << int(rateCode);
        EXPECT_EQ(CurrentProfile().reportRate.name, L"500Hz") << int(rateCode);
    }
}

TEST_F(SyncFixture, StatusIsQueriedEveryTwentyOneTicks) {
    int watchdogRuns = 0;
    sync.readerWatchdog = [&] { return ++watchdogRuns, false; };
    for (int i = 0; i < 42; ++i) {
        sync.PollStatus();
    }
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::StatusQuery, cmd::StatusQuery}));
    EXPECT_EQ(watchdogRuns, 2);

    sync.readerWatchdog = [] { return true; }; // a rescan: the next query two ticks later
    sync.setPollCounter(20);
    sync.PollStatus();
    EXPECT_EQ(sync.pollCounter(), 19);
    sync.PollStatus();
    sync.PollStatus();
    EXPECT_EQ(sentCommands().size(), 2u);

    sync.windowShown = false;
    sync.setPollCounter(20);
    sync.PollStatus();
    EXPECT_TRUE(sentCommands().empty());
}

TEST_F(SyncFixture, DeferredSaveWritesAndFlushOnlyWhenPending) {
    sync.FlushPendingSave();
    EXPECT_EQ(saves.config, 0);
    sync.RequestApply(ChangeGroup::Power);
    sync.ApplyAll();
    sync.FlushPendingSave();
    EXPECT_EQ(saves.config, 1);
    EXPECT_EQ(saves.profiles, 1);
    EXPECT_FALSE(sync.savePending());
}

// With a saving thread the timer's save is handed over and writes nothing here; the save at
// the window's end still writes here, before the window goes.
TEST_F(SyncFixture, TheTimersSaveIsHandedToTheSavingThread) {
    int handed = 0;
    SyncStorage storage = saves.storage();
    storage.saveAside = [&handed](std::function<void(bool)> told) {
        ++handed;
        told(true);
    };
    SyncController aside(commands, host, timers, library, storage);
    aside.windowShown = true;
    aside.RequestApply(ChangeGroup::Power);
    ASSERT_TRUE(timers.fire(SyncTimer::Apply));
    EXPECT_TRUE(aside.savePending());
    ASSERT_TRUE(timers.fire(SyncTimer::Save));
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(saves.config + saves.profiles, 0);
    EXPECT_FALSE(aside.savePending());

    aside.RequestApply(ChangeGroup::Power);
    ASSERT_TRUE(timers.fire(SyncTimer::Apply));
    aside.FlushPendingSave();
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(saves.config, 1);
}

TEST_F(SyncFixture, FirmwareResetKeepsTheNameAndWritesOnlyThatProfile) {
    SetCurrentSlot(2);
    SetProfileValue(CurrentProfile(), ProfileKey::ProfileName, L"Mine");
    CurrentProfile().reportRate.rate = 0;
    Profiles[1].reportRate.rate = 0;
    sync.SyncShadows();
    EXPECT_TRUE(sync.FirmwareReset());
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::FactoryReset}));
    EXPECT_EQ(ProfileValue(CurrentProfile(), ProfileKey::ProfileName), L"Mine");
    EXPECT_EQ(CurrentProfile().reportRate.rate, 2);
    EXPECT_EQ(Profiles[1].reportRate.rate, 0);
    EXPECT_EQ(saves.slots, std::vector<int>{2});
    sync.RequestApply(ChangeGroup::Settings | ChangeGroup::Keys);
    sync.ApplyAll();
    EXPECT_TRUE(sentCommands().empty());
}

TEST_F(SyncFixture, EditedMacroIsCopiedToItsKeyAndSentAtOnce) {
    MacroLocation where;
    ASSERT_EQ(library.AddMacro(L"m", where), MacroAddResult::Added);
    MacroKey& macro = *library.NodeAt(where)->macro;
    CurrentProfile().keys[4].Assign(L"m", MakeFunction(FunctionCategory::Macro), &macro);
    sync.RequestApply(ChangeGroup::Keys);
    sync.ApplyAll();
    sentCommands();

    ASSERT_TRUE(macro.InsertAction(0, MacroAction::MakeKey(0x41, false)));
    macro.MacroCommandActionNum = 1;
    sync.MacroLibraryEdited();
    EXPECT_EQ(sentCommands(), (std::vector<uint8_t>{cmd::MacroChunk}));
    EXPECT_EQ(CurrentProfile().keys[4].macro.MacroActionNum, 1u);
    EXPECT_EQ(fw->state().macros[1], (std::vector<uint8_t>{0x30, 0x00, 0x04}));
}

TEST_F(SyncFixture, SettingsNeverLoadedAreNeverWritten) {
    const char* base = std::getenv("FERROX_DATA_DIR");
    DataFolder = std::filesystem::path(base ? base : "/tmp/ferrox-sync-test") / "never-loaded";
    std::filesystem::remove_all(DataFolder);
    std::filesystem::create_directories(ConfigFolder());
    SyncController files(commands, host, timers, library);

    ConfigTable = {};
    Profiles[0] = ProfileSettings{};
    EXPECT_FALSE(files.DeferredSave());
    EXPECT_TRUE(std::filesystem::is_empty(ConfigFolder()));

    test::ResetTestSettings(); // the defaults count as settings in memory
    EXPECT_TRUE(files.DeferredSave());
    EXPECT_TRUE(std::filesystem::exists(ConfigFilePath()));
}

// The whole chain on the virtual mouse: scan, readers, worker, answers and device events.
struct SessionFixture : ::testing::Test {
    VirtualHidBackend backend;
    std::shared_ptr<VirtualMouseFirmware> fw = std::make_shared<VirtualMouseFirmware>();
    QueuedMessageSink sink;
    RecordingHost host;
    test::HandTimers timers;
    MacroLibrary library;
    Saves saves;
    PauseLog pauses;
    std::unique_ptr<SyncSession> session;

    SessionFixture() {
        test::ResetTestSettings();
        backend.plug(DeviceKind::Receiver, fw);
        session = std::make_unique<SyncSession>(backend, sink, host, timers, library,
                                                pauses.recorder(), saves.storage());
        session->sync().windowShown = true;
    }
    ~SessionFixture() override { session.reset(); }

    // Lets the worker finish, then hands every message to the session as the window would.
    void drain() {
        session->worker().waitIdle();
        for (const DeviceMessage& m : sink.takeAll()) {
            session->Handle(m);
        }
    }
    bool waitForEvent() {
        for (int i = 0; i < 2000; ++i) {
            auto messages = sink.takeAll();
            for (const DeviceMessage& m : messages) {
                session->Handle(m);
            }
            for (const DeviceMessage& m : messages) {
                if (std::holds_alternative<DeviceEventMessage>(m)) {
                    return true;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return false;
    }
};

TEST_F(SessionFixture, StartQueriesAndTheMouseReportsBack) {
    fw->setBattery(42, 0);
    ASSERT_TRUE(session->Start());
    drain();
    EXPECT_EQ(session->sync().batteryLevel(), 42);
    EXPECT_TRUE(session->readers().isActive(DeviceKind::Receiver));

    // The scan started the poll every second and the scan's apply: the mouse's defaults
    // differ from the profile's only in what the shadow images cannot know, and the shadows
    // say the mouse holds the profile.
    const test::HandTimers::Timer& poll = timers.at(SyncTimer::Status);
    EXPECT_TRUE(poll.running);
    EXPECT_EQ(poll.milliseconds, StatusPollMilliseconds);
    EXPECT_EQ(poll.mode, SyncTimerMode::Repeating);
    ASSERT_TRUE(timers.fire(SyncTimer::Apply));
    drain();
    std::vector<uint8_t> codes;
    for (const Frame& f : fw->frames()) {
        codes.push_back(f[2]);
    }
    EXPECT_EQ(codes, (std::vector<uint8_t>{cmd::StatusQuery}));

    fw->pressDpiButton(); // level 2 -> 3 of the six enabled
    ASSERT_TRUE(waitForEvent());
    EXPECT_EQ(CurrentProfile().currentDpiLevel, 2);
}

TEST_F(SessionFixture, UnplugMidApplyKeepsTheChangeForTheNextConnection) {
    ASSERT_TRUE(session->Start());
    drain();
    fw->clearFrames();
    CurrentProfile().reportRate.rate = 0;
    CurrentProfile().keys[6].function = DisabledFunction;
    fw->unplugAfter(0);
    session->sync().RequestApply(ChangeGroup::Settings | ChangeGroup::Keys);
    session->sync().ApplyAll();
    drain();
    backend.unplug(DeviceKind::Receiver);
    EXPECT_TRUE(session->OnDeviceChange(HidChange::Removal).lastDeviceGone);

    fw->replug();
    backend.plug(DeviceKind::Receiver, fw);
    session->sync().windowShown = true;
    session->OnDeviceChange(HidChange::Arrival);
    session->sync().ApplyAll(); // the scan's apply
    drain();
    auto state = fw->state();
    EXPECT_EQ(state.rateCode, 0x08);
    EXPECT_EQ(state.keys[6], (std::array<uint8_t, 3>{0, 0, 0}));
}

// A full send (as "send everything again") cut off at its first frame: every group that did
// not get through goes out after the reconnection, the motion wake-up included.
TEST_F(SessionFixture, UnplugMidFullSendSendsEveryGroupAfterReconnection) {
    ASSERT_TRUE(session->Start());
    drain();
    ProfileSettings& profile = CurrentProfile();
    profile.reportRate.rate = 0;
    profile.keys[6].function = DisabledFunction;
    SetProfileNumber(profile, ProfileKey::PowerDownTime, 9);
    SetProfileNumber(profile, ProfileKey::MotionWakeup, 7);
    fw->unplugAfter(0);
    session->sync().RequestApply(ChangeGroup::Keys | ChangeGroup::Settings | ChangeGroup::Power |
                                 ChangeGroup::Wakeup);
    session->sync().ApplyAll();
    drain();
    backend.unplug(DeviceKind::Receiver);
    session->OnDeviceChange(HidChange::Removal);

    fw->replug();
    backend.plug(DeviceKind::Receiver, fw);
    session->sync().windowShown = true;
    session->OnDeviceChange(HidChange::Arrival);
    session->sync().ApplyAll(); // the scan's apply
    drain();
    const auto state = fw->state();
    EXPECT_EQ(state.rateCode, 0x08);
    EXPECT_EQ(state.keys[6], (std::array<uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(state.power[0], 9);
    EXPECT_EQ(state.motionWakeup, 7);
}

TEST_F(SessionFixture, ReadersEndWithTheSessionAndTheWatchdogRestartsThem) {
    ASSERT_TRUE(session->Start());
    session->readers().stop(DeviceKind::Receiver);
    drain();
    EXPECT_FALSE(session->discovery().link().receiver.readerActive);
    EXPECT_TRUE(session->RunReaderWatchdog());
    EXPECT_TRUE(session->readers().isActive(DeviceKind::Receiver));
    EXPECT_FALSE(session->RunReaderWatchdog());
    session.reset(); // joins the reader; the test hangs if it does not end
}

} // namespace
} // namespace ferrox
