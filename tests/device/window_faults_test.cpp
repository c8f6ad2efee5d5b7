// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a virtual mouse that misbehaves: cut off in the middle of a send, writes
// that fail, answers that are empty, garbage or short, notices with values out of range, and
// the receiver and the cable coming and going in every order. Nothing crashes or hangs (every
// wait below has an end), and what did not get through goes out once the mouse is back.

#include "app/app_messages.h"
#include "buttons/button_function.h"
#include "device/protocol/command_images.h"
#include "settings/dpi_levels.h"
#include "settings/dpi_table.h"
#include "window_fixture.h"

#include <map>

namespace ferrox {
namespace {

using Firmware = std::shared_ptr<VirtualMouseFirmware>;

constexpr unsigned kEveryGroup =
    ChangeGroup::Keys | ChangeGroup::Settings | ChangeGroup::Power | ChangeGroup::Wakeup;

// A change in every group the mouse holds, and how the mouse holds it.
void ChangeEveryGroup() {
    ProfileSettings& profile = CurrentProfile();
    profile.reportRate.rate = 0;
    profile.keys[6].function = DisabledFunction;
    SetProfileNumber(profile, ProfileKey::PowerDownTime, 9);
    SetProfileNumber(profile, ProfileKey::MotionWakeup, 7);
}

void ExpectEveryGroupArrived(const VirtualMouseState& mouse) {
    EXPECT_EQ(mouse.rateCode, 0x08);
    EXPECT_EQ(mouse.keys[6], (std::array<uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(mouse.power[0], 9);
    EXPECT_EQ(mouse.motionWakeup, 7);
}

class WindowFaults : public test::WindowTest {
protected:
    SyncController& sync() { return Window().Session().sync(); }
    const DeviceLink& link() { return Window().Discovery().link(); }

    // What the worker has queued has gone out and its messages are handled.
    void Drain() {
        Window().Session().worker().waitIdle();
        Settle();
    }
    // The apply a scan starts, when it started one.
    void RunPendingApply() {
        Drain();
        if (Window().IsTimerActive(kApplyTimer))
            FireTimer(kApplyTimer);
        Drain();
    }
    Firmware FirmwareOf(DeviceKind kind) {
        return std::dynamic_pointer_cast<VirtualMouseFirmware>(Hid().virtualMouse->firmware(kind));
    }
    // A device notice from the virtual mouse reaches the window as a posted message.
    void Plug(DeviceKind kind, Firmware firmware) {
        Hid().virtualMouse->plug(kind, std::move(firmware));
        ASSERT_TRUE(WaitFor([&] { return link().of(kind).commandHandle != nullptr; }));
        RunPendingApply();
    }
    void Unplug(DeviceKind kind) {
        Hid().virtualMouse->unplug(kind);
        ASSERT_TRUE(WaitFor([&] { return link().of(kind).commandHandle == nullptr; }));
        RunPendingApply();
    }
    // A mouse behind the receiver that refuses every write, given a change of every group.
    Firmware RefuseAChangeOfEveryGroup() {
        StartWindow({.plugged = {DeviceKind::Receiver}});
        RunPendingApply();
        const Firmware mouse = FirmwareOf(DeviceKind::Receiver);
        mouse->setFailWrites(true);
        ChangeEveryGroup();
        sync().RequestApply(kEveryGroup);
        FireTimer(kApplyTimer);
        Drain();
        return mouse;
    }
    void SetRate(uint8_t rate) {
        CurrentProfile().reportRate.rate = rate;
        sync().RequestApply(ChangeGroup::Settings);
        FireTimer(kApplyTimer);
        Drain();
    }
};

// The cable is pulled while a full send goes to it, after `cut` frames; the receiver, which
// reaches the same mouse, stays. What the cable did not take goes out through the receiver,
// the motion wake-up included.
TEST_F(WindowFaults, CableUnpluggedInTheMiddleOfAFullSend) {
    for (int cut : {0, 1, 2, 3}) {
        SCOPED_TRACE(cut);
        StartWindow({.plugged = {DeviceKind::Receiver}});
        RunPendingApply();
        const Firmware mouse = FirmwareOf(DeviceKind::Receiver);
        Plug(DeviceKind::Wired, mouse);
        ASSERT_EQ(link().activeCommandHandle(), link().wired.commandHandle.get());

        mouse->unplugAfter(cut, [this, mouse] {
            Hid().virtualMouse->unplug(DeviceKind::Wired);
            mouse->replug(); // the mouse itself is still there, behind the receiver
        });
        ChangeEveryGroup();
        sync().RequestApply(kEveryGroup);
        FireTimer(kApplyTimer);
        ASSERT_TRUE(WaitFor([&] { return link().wired.commandHandle == nullptr; }));
        RunPendingApply();

        EXPECT_FALSE(Window().IsEnded());
        EXPECT_EQ(link().activeCommandHandle(), link().receiver.commandHandle.get());
        ExpectEveryGroupArrived(mouse->state());
        EXPECT_EQ(sync().undelivered(), 0u);

        // The cable back: nothing is sent twice.
        mouse->clearFrames();
        Plug(DeviceKind::Wired, mouse);
        for (const Frame& f : mouse->frames())
            EXPECT_EQ(f[2], 0x20) << "only status queries";
    }
}

// The mouse refuses every write; the change is kept and goes out once the cable is plugged in.
TEST_F(WindowFaults, FailedWritesAreSentWhenTheCableComes) {
    const Firmware mouse = RefuseAChangeOfEveryGroup();
    EXPECT_EQ(sync().undelivered() & kEveryGroup, kEveryGroup);
    EXPECT_EQ(mouse->state().rateCode, VirtualMouseState::Defaults().rateCode);

    mouse->setFailWrites(false);
    Plug(DeviceKind::Wired, mouse);
    ExpectEveryGroupArrived(mouse->state());
    EXPECT_EQ(sync().undelivered(), 0u);
}

// A mouse that wakes up again behind its receiver gives no device notice: the next change
// brings along what failed before.
TEST_F(WindowFaults, FailedWritesGoOutWithTheNextChange) {
    const Firmware mouse = RefuseAChangeOfEveryGroup();

    mouse->setFailWrites(false);
    SetProfileNumber(CurrentProfile(), ProfileKey::MotionWakeup, 7);
    sync().RequestApply(ChangeGroup::Wakeup);
    FireTimer(kApplyTimer);
    Drain();
    ExpectEveryGroupArrived(mouse->state());
    EXPECT_EQ(sync().undelivered(), 0u);
}

// Answers to the status query that say nothing or nonsense change nothing and hold nothing up;
// the next good answer is taken.
TEST_F(WindowFaults, EmptyGarbageAndShortAnswers) {
    struct Case {
        const char* name;
        std::function<void(VirtualMouseFirmware&)> fault;
        uint8_t batteryAfterStart; // 10 when the start-up query got nothing usable
    };
    const Case cases[] = {
        {"first answer empty", [](auto& m) { m.setEmptyAnswers(1); }, 42},
        {"both answers empty", [](auto& m) { m.setEmptyAnswers(2); }, 10},
        {"garbage", [](auto& m) { m.spoilAnswers(SpoiledAnswer::Garbage, 4); }, 10},
        {"short", [](auto& m) { m.spoilAnswers(SpoiledAnswer::Short, 4); }, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StartWindow({.plugged = {DeviceKind::Receiver}, .prepare = [&](VirtualMouseFirmware& m) {
                         m.setBattery(42, 0);
                         m.setSensorCode(0x04); // not the configured sensor
                         c.fault(m);
                     }});
        EXPECT_EQ(sync().batteryLevel(), c.batteryAfterStart);
        EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);
        const bool sensorTaken = SensorId == 0x3104;
        EXPECT_EQ(sensorTaken, c.batteryAfterStart == 42) << "only a good answer names the sensor";

        // Polls until the spoiled answers are used up and a good one arrives.
        for (int query = 0; query < 4 && sync().batteryLevel() != 42; ++query) {
            sync().setPollCounter(20);
            FireTimer(kStatusTimer);
            Drain();
        }
        EXPECT_EQ(sync().batteryLevel(), 42);
        EXPECT_EQ(SensorId, 0x3104);
    }
}

// Notices from the mouse with one field the program cannot use: that field is ignored, the
// other is taken, and the reader keeps reading.
TEST_F(WindowFaults, NoticesWithValuesOutOfRange) {
    StartWindow({.plugged = {DeviceKind::Receiver}});
    RunPendingApply();
    ASSERT_TRUE(WaitFor([&] { return Window().Session().readers().isActive(DeviceKind::Receiver); }));
    const Firmware mouse = FirmwareOf(DeviceKind::Receiver);
    mouse->sendGarbageInput();

    struct Notice {
        uint8_t level;    // as the mouse sends it, counted from 1
        uint8_t rateCode; // 0x01 1000 Hz .. 0x08 125 Hz
        bool levelTaken;
        bool rateTaken;
    };
    const Notice notices[] = {
        {0, 0x01, false, true},  {9, 0x02, false, true},    {0xF, 0x04, false, true},
        {3, 0x00, true, false},  {4, 0x03, true, false},    {5, 0xFF, true, false},
        {7, 0x01, false, true}, // past the six levels the profile has enabled
        {6, 0x02, true, true},
    };
    for (const Notice& n : notices) {
        SCOPED_TRACE(testing::Message() << int(n.level) << " " << int(n.rateCode));
        const ProfileSettings before = CurrentProfile();
        VirtualMouseState state = mouse->state();
        state.dpi[0] = uint8_t((n.level << 4) | (state.dpi[0] & 0x0F));
        mouse->setState(state);
        const std::optional<uint8_t> rate = ReportRateOfCode(n.rateCode);
        mouse->changeReportRate(n.rateCode);
        // Each notice changes something, so its arrival can be waited for.
        ASSERT_TRUE(WaitFor([&] {
            const ProfileSettings& now = CurrentProfile();
            return now.currentDpiLevel != before.currentDpiLevel ||
                   now.reportRate.rate != before.reportRate.rate;
        }));
        const ProfileSettings& now = CurrentProfile();
        EXPECT_EQ(now.currentDpiLevel, n.levelTaken ? n.level - 1 : before.currentDpiLevel);
        EXPECT_EQ(now.reportRate.rate, n.rateTaken ? *rate : before.reportRate.rate);
        Window().grab(); // the view draws what it now holds
        EXPECT_TRUE(ActiveDpiLevel(CurrentProfile()).has_value());
    }
    EXPECT_FALSE(Window().IsEnded());
}

// The receiver and the cable plugged and unplugged in every order: commands go to the cable
// while it is there, to the receiver otherwise, and the program ends with the last device.
TEST_F(WindowFaults, ReceiverAndCableInEveryOrder) {
    using enum DeviceKind;
    struct Step {
        DeviceKind kind;
        bool plug;
    };
    struct Order {
        std::vector<DeviceKind> start;
        std::vector<Step> steps;
    };
    const Order orders[] = {
        {{Receiver}, {{Wired, true}, {Wired, false}, {Receiver, false}}},
        {{Receiver}, {{Wired, true}, {Receiver, false}, {Wired, false}}},
        {{Wired}, {{Receiver, true}, {Receiver, false}, {Wired, false}}},
        {{Wired}, {{Receiver, true}, {Wired, false}, {Receiver, false}}},
        {{Wired, Receiver}, {{Wired, false}, {Wired, true}, {Receiver, false}, {Wired, false}}},
        {{Wired, Receiver}, {{Receiver, false}, {Receiver, true}, {Wired, false}, {Receiver, false}}},
    };
    int orderNumber = 0;
    for (const Order& order : orders) {
        SCOPED_TRACE(orderNumber++);
        StartWindow({.plugged = order.start});
        RunPendingApply();
        std::map<DeviceKind, Firmware> mice;
        for (DeviceKind kind : order.start)
            mice[kind] = FirmwareOf(kind);
        uint8_t rate = 0;
        for (std::size_t i = 0; i < order.steps.size(); ++i) {
            const Step& step = order.steps[i];
            SCOPED_TRACE(i);
            if (step.plug) {
                mice[step.kind] = std::make_shared<VirtualMouseFirmware>();
                Plug(step.kind, mice[step.kind]);
            } else {
                mice.erase(step.kind);
                Hid().virtualMouse->unplug(step.kind);
                ASSERT_TRUE(WaitFor([&] { return link().of(step.kind).commandHandle == nullptr; }));
                RunPendingApply();
            }
            if (mice.empty()) {
                EXPECT_TRUE(Window().IsEnded());
                break;
            }
            ASSERT_FALSE(Window().IsEnded());
            const DeviceKind active = mice.contains(Wired) ? Wired : Receiver;
            rate = uint8_t((rate + 1) % 4);
            SetRate(rate);
            EXPECT_EQ(mice[active]->state().rateCode, ReportRateCode(rate));
        }
    }
}

} // namespace
} // namespace ferrox
