// The shared window fixture itself: design coordinates reach the real controls, the virtual
// mouse's frames and the saves are there to read, and no real pause is taken.

#include "app/app_messages.h"
#include "ui/menu_popup.h"
#include "window_fixture.h"

namespace ferrox {
namespace {

class WindowFixture : public test::WindowTest {};

TEST_F(WindowFixture, StartUpFramesArriveWithoutSleepingThroughPauses) {
    StartWindow();
    const std::vector<Frame> frames = Frames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front()[2], 0x20) << "the start-up status query";
    EXPECT_FALSE(Pauses().empty()) << "the worker's pauses were recorded, not slept";
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(WindowFixture, AClickAtDesignCoordinatesReachesTheControl) {
    for (float scale : {1.0f, 1.5f, 2.0f}) {
        StartWindow({.uiScale = scale});
        EXPECT_EQ(Window().width(), int(CFerroxDlg::DesignWidth * scale));
        // The exit button sits 6 design units in from the top right corner.
        ClickAt(CFerroxDlg::DesignWidth - 20, 20);
        EXPECT_TRUE(Window().IsEnded()) << scale;
    }
}

TEST_F(WindowFixture, APendingSaveIsWrittenWhenTheWindowCloses) {
    StartWindow();
    Profile().reportRate.rate = 0;
    Window().Session().sync().RequestApply(ChangeGroup::Settings);
    FireTimer(kApplyTimer);
    EXPECT_EQ(Frames().back()[2], 0x07) << "the report-rate frame";
    EXPECT_TRUE(Window().IsTimerActive(kSaveTimer));
    EXPECT_EQ(ProfileSaves(), 0);
    CloseWindow();
    EXPECT_GT(ProfileSaves(), 0);
    EXPECT_GT(ConfigSaves(), 0);
}

// Popups of the main window are chosen from and dismissed with real clicks, as users do.
TEST_F(WindowFixture, APopupOfTheWindowIsChosenFromOrDismissedByClicks) {
    StartWindow();
    std::vector<std::pair<unsigned, LParam>> sent;
    for (unsigned message : {0x46Fu, 0x470u})
        Window().bindMessage(message, [&sent, message](WParam, LParam l) {
            sent.emplace_back(message, l);
            return 0;
        });
    const auto open = [&] {
        auto* list = new CMenuPopup(PopupKind::ReportRateList,
                                    {{1, L"125Hz", {0}}, {2, L"250Hz", {1}}, {3, L"500Hz", {2}}});
        Window().SetPopup(0, list);
        list->Create(&Window(), QRect(Window().mapToGlobal(Design(400, 200)), QSize(1, 1)),
                     0x46F, 3110);
    };
    open();
    ChooseRow(ActivePopup(), 1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].first, 0x46Fu);
    Window().ClosePopup(0);
    Settle();

    open();
    ClickAt(100, 600); // anywhere else in the window
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[1], (std::pair<unsigned, LParam>{0x470, 8}));
    EXPECT_EQ(ActivePopup(), nullptr);
}

} // namespace
} // namespace ferrox
