// The shared window fixture itself: design coordinates reach the real controls, the virtual
// mouse's frames and the saves are there to read, and no real pause is taken.

#include "app/app_messages.h"
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

} // namespace
} // namespace ferrox
