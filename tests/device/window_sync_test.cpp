// The main window keeps the virtual mouse in step: start-up query, the apply timer, the
// mouse's own notices. Timers are fired by hand; the worker and readers run for real.

#include <gtest/gtest.h>

#include <QApplication>

#include <chrono>
#include <functional>
#include <thread>

#include "app/app_messages.h"
#include "app/ferrox_dlg.h"
#include "app/window_data_folder.h"
#include "device/profile_test_support.h"
#include "device/virtual_hid_backend.h"
#include "device/virtual_mouse_firmware.h"

namespace ferrox {
namespace {

class TestDlg : public CFerroxDlg {
public:
    using CFerroxDlg::CFerroxDlg;
    using CFerroxDlg::OnTimer;
};

// Runs the event loop until done() holds (at most two seconds).
bool SettleUntil(const std::function<bool()>& done) {
    for (int i = 0; i < 2000 && !done(); ++i) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return done();
}

class WindowSync : public ::testing::Test {
protected:
    void SetUp() override { open(true); }
    void open(bool startShown) {
        const auto folder = test::FreshWindowDataFolder(startShown);
        test::ResetTestSettings();
        auto mouse = std::make_unique<VirtualHidBackend>();
        hid.virtualMouse = mouse.get();
        hid.backend = std::move(mouse);
        firmware->setBattery(42, 1);
        hid.virtualMouse->plug(DeviceKind::Receiver, firmware);
        dlg = std::make_unique<TestDlg>(hid, folder);
        ASSERT_TRUE(dlg->Create());
    }
    void TearDown() override { dlg.reset(); }

    std::shared_ptr<VirtualMouseFirmware> firmware = std::make_shared<VirtualMouseFirmware>();
    HidSystem hid;
    std::unique_ptr<TestDlg> dlg;
};

TEST_F(WindowSync, StartUpQueriesTheStatusAndStartsPolling) {
    EXPECT_TRUE(dlg->IsTimerActive(kStatusTimer));
    EXPECT_TRUE(dlg->IsTimerActive(kApplyTimer)) << "the scan's apply";
    ASSERT_TRUE(SettleUntil([&] { return dlg->Session().sync().batteryLevel() == 42; }));
    EXPECT_EQ(dlg->Session().sync().chargeState(), ChargeState::Charging);
    if (dlg->IsTimerActive(kApplyTimer)) {
        dlg->OnTimer(kApplyTimer);
    }
    dlg->Session().worker().waitIdle();
    ASSERT_EQ(firmware->frames().size(), 1u) << "the mouse already holds the profile";
    EXPECT_EQ(firmware->frames()[0][2], 0x20);
}

TEST_F(WindowSync, AChangeReachesTheMouseWhenTheApplyTimerFires) {
    test::SetCurrentReportRate(0);
    dlg->Session().sync().RequestApply(ChangeGroup::Settings);
    EXPECT_TRUE(dlg->IsTimerActive(kApplyTimer));
    dlg->OnTimer(kApplyTimer);
    EXPECT_FALSE(dlg->IsTimerActive(kApplyTimer));
    EXPECT_TRUE(dlg->IsTimerActive(kSaveTimer));
    dlg->Session().worker().waitIdle();
    EXPECT_EQ(firmware->state().rateCode, 0x08);
}

TEST_F(WindowSync, TheMouseDpiButtonUpdatesTheCurrentProfile) {
    ASSERT_EQ(test::CurrentDpiLevel(), 1);
    ASSERT_TRUE(
        SettleUntil([&] { return dlg->Session().readers().isActive(DeviceKind::Receiver); }));
    firmware->pressDpiButton();
    ASSERT_TRUE(SettleUntil([] { return test::CurrentDpiLevel() == 2; }));
    // The shadows follow: applying now sends nothing for the level.
    dlg->Session().sync().RequestApply(ChangeGroup::Settings);
    dlg->OnTimer(kApplyTimer);
    dlg->Session().worker().waitIdle();
    for (const Frame& f : firmware->frames()) {
        EXPECT_NE(f[2], 0x05);
    }
}

// NeedPassword at its default (1): hidden at start, shown once the mouse's status answer asks
// for it (the virtual mouse's access flag is set).
class WindowStartsHidden : public WindowSync {
protected:
    void SetUp() override { open(false); }
};

TEST_F(WindowStartsHidden, ShowsOnlyWhenTheMouseAsksForIt) {
    EXPECT_FALSE(dlg->isVisible() && !dlg->isMinimized());
    ASSERT_TRUE(SettleUntil([&] { return dlg->WindowShownFlag() == 1; }));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->isMinimized());
}

} // namespace
} // namespace ferrox

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
