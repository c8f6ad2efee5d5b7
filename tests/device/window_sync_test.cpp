// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window keeps the virtual mouse in step: start-up query, the apply timer, the
// mouse's own notices. Timers are fired by hand; the worker and readers run for real.

#include "app/app_messages.h"
#include "device/profile_test_support.h"
#include "window_fixture.h"

namespace ferrox {
namespace {

class WindowSync : public test::WindowTest {
protected:
    void SetUp() override { open(true, 1); }
    void open(bool startShown, uint8_t accessFlag) {
        StartWindow({.plugged = {DeviceKind::Receiver},
                     .shown = startShown,
                     .prepare = [accessFlag](VirtualMouseFirmware& mouse) {
                         mouse.setBattery(42, 1);
                         mouse.setAccessFlag(accessFlag);
                     }});
    }
    SyncController& sync() { return Window().Session().sync(); }
};

TEST_F(WindowSync, StartUpQueriesTheStatusAndStartsPolling) {
    EXPECT_TRUE(Window().IsTimerActive(kStatusTimer));
    EXPECT_EQ(sync().batteryLevel(), 42);
    EXPECT_EQ(sync().chargeState(), ChargeState::Charging);
    if (Window().IsTimerActive(kApplyTimer))
        FireTimer(kApplyTimer); // the scan's apply
    const std::vector<Frame> frames = ReceivedFrames(DeviceKind::Receiver);
    ASSERT_EQ(frames.size(), 1u) << "the mouse already holds the profile";
    EXPECT_EQ(frames[0][2], 0x20);
}

TEST_F(WindowSync, AChangeReachesTheMouseWhenTheApplyTimerFires) {
    test::SetCurrentReportRate(0);
    sync().RequestApply(ChangeGroup::Settings);
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));
    FireTimer(kApplyTimer);
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    EXPECT_TRUE(Window().IsTimerActive(kSaveTimer));
    ReceivedFrames(DeviceKind::Receiver);
    EXPECT_EQ(Mouse(DeviceKind::Receiver).state().rateCode, 0x08);
}

TEST_F(WindowSync, TheMouseDpiButtonUpdatesTheCurrentProfile) {
    ASSERT_EQ(test::CurrentDpiLevel(), 1);
    ASSERT_TRUE(WaitFor([&] { return Window().Session().readers().isActive(DeviceKind::Receiver); }));
    Mouse(DeviceKind::Receiver).pressDpiButton();
    ASSERT_TRUE(WaitFor([] { return test::CurrentDpiLevel() == 2; }));
    // The shadows follow: applying now sends nothing for the level.
    sync().RequestApply(ChangeGroup::Settings);
    FireTimer(kApplyTimer);
    for (const Frame& f : ReceivedFrames(DeviceKind::Receiver)) {
        EXPECT_NE(f[2], 0x05);
    }
}

// The configured sensor has the short table; the mouse names one with the long table, whose
// lift-off header the window shows without waiting for anything else to redraw it.
TEST_F(WindowSync, ASensorNamedByTheMouseShowsItsTableAtOnce) {
    StartWindow({.plugged = {DeviceKind::Receiver},
                 .prepare = [](VirtualMouseFirmware& mouse) { mouse.setSensorCode(0x35); }});
    ASSERT_EQ(SensorId, 0x3335);
    CControlBase* liftOffHeader = Window().FindControl(3011);
    ASSERT_NE(liftOffHeader, nullptr);
    EXPECT_TRUE(liftOffHeader->IsDisplayed());
}

// NeedPassword at its default (1): hidden at start, shown once the mouse's status answer asks
// for it (the virtual mouse's access flag).
class WindowStartsHidden : public WindowSync {
protected:
    void SetUp() override { open(false, 0); }
};

TEST_F(WindowStartsHidden, ShowsOnlyWhenTheMouseAsksForIt) {
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 0);
    EXPECT_FALSE(Window().isVisible() && !Window().isMinimized());
    Mouse(DeviceKind::Receiver).setAccessFlag(1);
    sync().QueryStatus();
    ReceivedFrames(DeviceKind::Receiver); // the query and its answer
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());
}

} // namespace
} // namespace ferrox

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
