// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The virtual mouse of --simulate played with from its panel and from ferroxctl virtual: the
// actions, the socket that carries them (only to a window on the virtual mouse), and what the
// main window makes of them.

#include "app/ferrox_process.h"
#include "app/instance_server.h"
#include "app/tray/desktop_presence.h"
#include "app/virtual/virtual_mouse_driver.h"
#include "app/virtual/virtual_mouse_panel.h"
#include "app/wake/wake_window.h"
#include "base/instance_lock.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_action.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <atomic>
#include <thread>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

TEST(VirtualMouseAction, ParsesTheWordsAndRefusesAnythingElse) {
    using K = VirtualActionKind;
    struct Case {
        std::vector<std::string> words;
        std::optional<VirtualAction> expected;
    };
    const Case cases[] = {
        {{"dpi-button"}, VirtualAction{K::DpiButton, 0}},
        {{"rate", "500"}, VirtualAction{K::Rate, 500}},
        {{"unplug", "wired"}, VirtualAction{K::Unplug, uint32_t(DeviceKind::Wired)}},
        {{"plug", "receiver"}, VirtualAction{K::Plug, uint32_t(DeviceKind::Receiver)}},
        {{"battery", "12"}, VirtualAction{K::Battery, 12}},
        {{"battery", "255"}, VirtualAction{K::Battery, 255}},
        {{"charging", "full"}, VirtualAction{K::Charging, 2}},
        {{"show-button", "off"}, VirtualAction{K::ShowButton, 0}},
        {{"show-button", "on"}, VirtualAction{K::ShowButton, 1}},
        {{"show-button"}, std::nullopt},
        {{"show-button", "full"}, std::nullopt},
        {{}, std::nullopt},
        {{"rate", "300"}, std::nullopt},
        {{"rate", "500x"}, std::nullopt},
        {{"battery", "256"}, std::nullopt},
        {{"battery", "-1"}, std::nullopt},
        {{"plug", "keyboard"}, std::nullopt},
        {{"dpi-button", "2"}, std::nullopt},
        {{"charging"}, std::nullopt},
        {{"jump"}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto action = ParseVirtualAction(c.words, error);
        EXPECT_EQ(action, c.expected) << (c.words.empty() ? "" : c.words[0]);
        EXPECT_EQ(error.empty(), action.has_value()) << error;
        if (action) { // what travels on the socket comes back the same
            EXPECT_EQ(VirtualActionOfMessage(uint32_t(action->kind), action->value), action);
        }
    }
    EXPECT_EQ(VirtualActionOfMessage(99, 0), std::nullopt);
    EXPECT_EQ(VirtualActionOfMessage(uint32_t(K::Rate), 7), std::nullopt);
    EXPECT_EQ(VirtualActionOfMessage(uint32_t(K::ShowButton), 2), std::nullopt);
}

// Runs the real ferroxctl against a socket this test serves.
int Ferroxctl(const fs::path& runtime, const QStringList& args, QString* err = nullptr) {
    QProcess ctl;
    ctl.setProcessEnvironment(test::ProcessEnv(runtime));
    ctl.start(QStringLiteral(FERROX_OUTPUT_DIR "/ferroxctl"), QStringList{"virtual"} + args);
    // The request is answered by this thread's event loop.
    EXPECT_TRUE(test::WaitFor([&] { return ctl.state() == QProcess::NotRunning; }, 10000));
    if (err)
        *err = QString::fromUtf8(ctl.readAllStandardError());
    return ctl.exitCode();
}

TEST(VirtualMouseSocket, OnlyAWindowOnTheVirtualMouseTakesTheActions) {
    const fs::path runtime = test::FreshRuntime("virtual-socket");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QString err;
    EXPECT_EQ(Ferroxctl(runtime, {"dpi-button"}, &err), 1);
    EXPECT_TRUE(err.contains("no Ferrox window is running")) << err.toStdString();

    // A window on the real mouse: wake-ups only.
    auto server = std::make_unique<InstanceServer>([](const std::string&) {});
    ASSERT_TRUE(server->listen(InstanceSocketPath()));
    EXPECT_EQ(Ferroxctl(runtime, {"dpi-button"}, &err), 1);
    EXPECT_TRUE(err.contains("not running with --simulate")) << err.toStdString();

    std::vector<std::pair<uint32_t, uint32_t>> taken;
    server->setRequestHandler([&](const InstanceMessage& message) {
        return VirtualMouseRequest(message, [&](const VirtualAction& action) {
            taken.emplace_back(uint32_t(action.kind), action.value);
            return action.kind != VirtualActionKind::DpiButton; // as with nothing plugged in
        });
    });
    EXPECT_EQ(Ferroxctl(runtime, {"rate", "1000"}), 0);
    EXPECT_EQ(Ferroxctl(runtime, {"dpi-button"}, &err), 1);
    EXPECT_TRUE(err.contains("neither its cable nor its receiver")) << err.toStdString();
    EXPECT_EQ(Ferroxctl(runtime, {"rate", "999"}), 2) << "refused before anything is sent";
    EXPECT_EQ(taken, (std::vector<std::pair<uint32_t, uint32_t>>{
                         {uint32_t(VirtualActionKind::Rate), 1000},
                         {uint32_t(VirtualActionKind::DpiButton), 0}}));
}

TEST(VirtualMouseSocket, FerroxctlIsNotStoppedByTheWindowRunningCheck) {
    // The real program on its virtual mouse, with a data folder ferroxctl's own check would
    // guard; unplugging both ends ends it.
    const fs::path runtime = test::FreshRuntime("virtual-ferrox");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QProcess ferrox;
    ferrox.setProcessEnvironment(test::ProcessEnv(runtime));
    ferrox.start(test::kFerrox, {"--simulate"});
    ASSERT_TRUE(ferrox.waitForStarted());
    ASSERT_TRUE(test::WaitFor([&] { return fs::exists(InstanceSocketPath()); }));
    EXPECT_EQ(Ferroxctl(runtime, {"battery", "40"}), 0);
    EXPECT_EQ(Ferroxctl(runtime, {"dpi-button"}), 0);
    EXPECT_EQ(Ferroxctl(runtime, {"unplug", "wired"}), 0);
    EXPECT_EQ(ferrox.state(), QProcess::Running) << "the receiver is still there";
    EXPECT_EQ(Ferroxctl(runtime, {"unplug", "receiver"}), 0);
    ASSERT_TRUE(ferrox.waitForFinished(10000));
    EXPECT_EQ(ferrox.exitCode(), 0);
}

TEST(VirtualMousePanel, OpensBesideTheMainWindowNeverOverIt) {
    const QRect work(0, 0, 1920, 1040);
    const QSize panel(260, 300);
    struct Case {
        QRect main;
        QPoint expected;
    };
    const Case cases[] = {
        {QRect(396, 150, 1127, 740), QPoint(1531, 150)},  // room on the right
        {QRect(780, 150, 1127, 740), QPoint(512, 150)},   // only on the left
        {QRect(0, 0, 1690, 700), QPoint(0, 708)},         // only below
        {QRect(0, 340, 1690, 700), QPoint(0, 32)},        // only above
    };
    for (const Case& c : cases) {
        const QPoint at = PlaceBeside(c.main, panel, work);
        EXPECT_EQ(at, c.expected) << c.main.x() << "," << c.main.y();
        EXPECT_FALSE(QRect(at, panel).intersects(c.main));
    }
    // No room anywhere: inside the screen, covering as little as it can.
    const QPoint at = PlaceBeside(QRect(0, 0, 1920, 1040), panel, work);
    EXPECT_TRUE(work.contains(QRect(at, panel)));
}

// A receiver-only session that unplugs its receiver: the mouse stays the receiver's, and no
// wired end is made that the saved state would then prefer.
TEST(VirtualMouseDriver, WithBothEndsUnpluggedTheMouseIsTheEndLastSeen) {
    VirtualHidBackend backend;
    auto receiver = std::make_shared<VirtualMouseFirmware>();
    receiver->setBattery(42, 0);
    backend.plug(DeviceKind::Receiver, receiver);
    int wiredMade = 0;
    VirtualMouseDriver driver(backend, [&](DeviceKind kind) {
        if (kind == DeviceKind::Receiver)
            return receiver;
        ++wiredMade;
        return std::make_shared<VirtualMouseFirmware>();
    });
    ASSERT_TRUE(driver.Run({VirtualActionKind::Unplug, uint32_t(DeviceKind::Receiver)}));
    EXPECT_EQ(driver.Battery(), 42);
    ASSERT_TRUE(driver.Run({VirtualActionKind::Battery, 30}));
    EXPECT_EQ(receiver->state().battery, 30);
    EXPECT_EQ(wiredMade, 0);
}

class VirtualMousePanelTest : public test::WindowTest {
protected:
    void start() {
        StartWindow({.plugged = {DeviceKind::Wired, DeviceKind::Receiver}});
        for (DeviceKind kind : kAllDeviceKinds)
            ends[std::size_t(kind)] = std::dynamic_pointer_cast<VirtualMouseFirmware>(
                Hid().virtualMouse->firmware(kind));
        driver = std::make_unique<VirtualMouseDriver>(
            *Hid().virtualMouse, [this](DeviceKind kind) { return ends[std::size_t(kind)]; });
        panel = std::make_unique<VirtualMousePanel>(*driver);
        panel->ShowBeside(Window());
    }
    void TearDown() override {
        panel.reset();
        driver.reset();
        WindowTest::TearDown();
    }
    std::array<std::shared_ptr<VirtualMouseFirmware>, 2> ends;
    std::unique_ptr<VirtualMouseDriver> driver;
    std::unique_ptr<VirtualMousePanel> panel;
};

TEST_F(VirtualMousePanelTest, UnpluggingTheCableSwitchesToTheReceiverAndBack) {
    start();
    const QString shot = QStringLiteral(FERROX_OUTPUT_DIR "/../screenshots/virtual_mouse_panel.png");
    QDir().mkpath(QFileInfo(shot).path());
    EXPECT_TRUE(panel->grab().save(shot));
    const DeviceLink& link = Window().Discovery().link();
    EXPECT_TRUE(panel->CableBox()->isChecked());
    panel->CableBox()->click();
    ASSERT_TRUE(WaitFor([&] { return link.wired.commandHandle == nullptr; }));
    EXPECT_FALSE(Window().IsEnded());
    EXPECT_EQ(link.activeCommandHandle(), link.receiver.commandHandle.get());

    // The mouse's button now acts through the receiver, and the window follows it.
    const uint8_t level = Profile().currentDpiLevel;
    panel->DpiButton()->click();
    ASSERT_TRUE(WaitFor([&] { return Profile().currentDpiLevel != level; }));
    EXPECT_NE(Window().Visibility().Presence()->Osd().Display(), nullptr);

    panel->CableBox()->click();
    ASSERT_TRUE(WaitFor([&] { return link.wired.commandHandle != nullptr; }));
    EXPECT_TRUE(panel->CableBox()->isChecked());
}

TEST_F(VirtualMousePanelTest, RateBatteryAndChargeReachTheMouse) {
    start();
    panel->RateBox()->setCurrentIndex(0);
    Q_EMIT panel->RateBox()->activated(0);
    ASSERT_TRUE(WaitFor([&] { return Profile().reportRate.rate == 0; }));
    EXPECT_EQ(Window().Visibility().Presence()->Osd().Display()->Texts().rate, L"125Hz");

    panel->BatteryBox()->setValue(12);
    panel->ChargeBox()->setCurrentIndex(1);
    Q_EMIT panel->ChargeBox()->activated(1);
    for (DeviceKind kind : kAllDeviceKinds) {
        EXPECT_EQ(Mouse(kind).state().battery, 12);
        EXPECT_EQ(Mouse(kind).state().chargeState, 1);
    }
    // Made elsewhere (ferroxctl virtual): the panel shows it.
    driver->Run({VirtualActionKind::Battery, 77});
    EXPECT_EQ(panel->BatteryBox()->value(), 77);
}

// The mouse's request to show the window is the mouse's, whichever end reports it, and stays
// with it while it is unplugged.
TEST_F(VirtualMousePanelTest, TheShowRequestIsClearedAndSetOnEveryEnd) {
    start();
    ASSERT_TRUE(panel->ShowRequestBox()->isChecked()) << "the virtual mouse asks from the start";
    panel->ShowRequestBox()->click();
    for (DeviceKind kind : kAllDeviceKinds)
        EXPECT_EQ(Mouse(kind).state().accessFlag, 0);
    panel->CableBox()->click();
    panel->ReceiverBox()->click();
    driver->Run({VirtualActionKind::ShowButton, 1});
    EXPECT_TRUE(panel->ShowRequestBox()->isChecked());
    panel->CableBox()->click();
    EXPECT_EQ(Mouse().state().accessFlag, 1);
}

} // namespace
} // namespace ferrox
