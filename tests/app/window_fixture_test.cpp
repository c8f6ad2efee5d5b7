// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shared window fixture itself: design coordinates reach the real controls, the virtual
// mouse's frames and the saves are there to read, and no real pause is taken.

#include "app/app_messages.h"
#include "app/main_window/main_layout.h"
#include "ui/combo_button.h"
#include "ui/menu_popup.h"
#include "window_fixture.h"

namespace ferrox {
namespace {

class WindowFixture : public test::WindowTest {};

TEST_F(WindowFixture, StartUpFramesArriveWithoutSleepingThroughPauses) {
    StartWindow();
    const std::vector<Frame> frames = ReceivedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front()[2], 0x20) << "the start-up status query";
    EXPECT_FALSE(Pauses().empty()) << "the worker's pauses were recorded, not slept";
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(WindowFixture, AClickAtDesignCoordinatesReachesTheControl) {
    for (float scale : {1.0f, 1.5f, 2.0f}) {
        StartWindow({.uiScale = scale});
        EXPECT_EQ(Window().width(), int(CFerroxDlg::DesignWidth * scale));
        // The exit button: (1092,12)-(1107,27).
        ClickAt(1100, 20);
        EXPECT_TRUE(Window().IsEnded()) << scale;
    }
}

TEST_F(WindowFixture, APendingSaveIsWrittenWhenTheWindowCloses) {
    StartWindow();
    Profile().reportRate.rate = 0;
    Window().Session().sync().RequestApply(ChangeGroup::Settings);
    FireTimer(kApplyTimer);
    EXPECT_EQ(ReceivedFrames().back()[2], 0x07) << "the report-rate frame";
    EXPECT_TRUE(Window().IsTimerActive(kSaveTimer));
    EXPECT_EQ(ProfileSaves(), 0);
    CloseWindow();
    EXPECT_GT(ProfileSaves(), 0);
    EXPECT_GT(ConfigSaves(), 0);
}

// Popups of the main window are chosen from and dismissed with real clicks, as users do.
TEST_F(WindowFixture, APopupOfTheWindowIsChosenFromOrDismissedByClicks) {
    StartWindow();
    // The report-rate list, which the window opens for its (hidden) menu.
    const auto open = [&] {
        Window().SendMessage(RateMenuMessage, MainId::RateMenu, NotifyClicked);
        Settle();
    };
    auto* menu = dynamic_cast<CComboButton*>(Window().FindControl(MainId::RateMenu));
    ASSERT_NE(menu, nullptr);
    open();
    ChooseRow(ActivePopup(), 1);
    EXPECT_EQ(Profile().reportRate.rate, 1);
    EXPECT_EQ(ActivePopup(), nullptr);

    open();
    ASSERT_NE(ActivePopup(), nullptr);
    EXPECT_TRUE(menu->PopupOpen());
    ClickAt(100, 600); // anywhere else in the window
    EXPECT_FALSE(menu->PopupOpen());
    EXPECT_EQ(Profile().reportRate.rate, 1);
    EXPECT_EQ(ActivePopup(), nullptr);
}

} // namespace
} // namespace ferrox
