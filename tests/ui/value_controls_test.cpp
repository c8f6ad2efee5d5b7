// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/battery.h"
#include "ui/level_bar_controls.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/tab_control.h"
#include "ui/ui_state.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

TEST(Slider, StopsSpreadBetweenTheMarginsWithIntegerSteps) {
    CSliderControl slider(nullptr, 1, 100, 0, 245, 13, 4, 6, 7);
    EXPECT_EQ(slider.PositionX(0), 106);
    EXPECT_EQ(slider.PositionX(1), 106 + 132 / 3);
    EXPECT_EQ(slider.PositionX(2), 106 + 2 * 132 / 3);
    EXPECT_EQ(slider.PositionX(3), 238);
}

TEST(Slider, TwoStopsSitAtTheEndsAndSwitchAtTheMidpoint) {
    CSliderControl slider(nullptr, 1, 0, 0, 100, 10, 2, 0, 0);
    EXPECT_EQ(slider.PositionX(0), 0);
    EXPECT_EQ(slider.PositionX(1), 100);
    EXPECT_EQ(slider.NearestIndex(49), 0);
    EXPECT_EQ(slider.NearestIndex(50), 1);
    EXPECT_EQ(slider.NearestIndex(-20), 0);
    EXPECT_EQ(slider.NearestIndex(500), 1);
}

TEST(Slider, DraggingTheKnobReportsEveryMoveAndClickingTheTrackJumps) {
    SkinFolder skins;
    skins.WriteSolid("skins/Slider_Circle.png", Qt::white, {10, 10});
    RecordingDialog dialog;
    dialog.Create();
    auto* slider = dialog.AddControl(
        0, std::make_unique<CSliderControl>(&dialog, 3220, 0, 0, 110, 10, 11, 5, 5));
    slider->LoadKnob("skins/Slider_Circle.png");
    dialog.Listen(3220);

    Move(&dialog, {5, 5});
    Press(&dialog, {5, 5}); // on the knob at stop 0
    EXPECT_TRUE(slider->Dragging());
    Move(&dialog, {36, 5}, Qt::LeftButton);
    EXPECT_EQ(dialog.notes.back(), (Notification{3220, 3, NotifyValueChanged}));
    Release(&dialog, {36, 5});
    EXPECT_EQ(slider->GetIndex(), 3);
    EXPECT_EQ(dialog.notes.back(), (Notification{3220, 0, NotifyClicked}));

    dialog.ClearRecords();
    Move(&dialog, {96, 5});
    Press(&dialog, {96, 5}); // on the track
    EXPECT_FALSE(slider->Dragging());
    Release(&dialog, {96, 5});
    EXPECT_EQ(slider->GetIndex(), 9);
    EXPECT_EQ(dialog.notes.front(), (Notification{3220, 0, NotifyPressed}));
}

TEST(LevelBars, ValueCountsFromTheBottomAndTheFillStaysEvenWhenScaled) {
    CVerticalSliderControl bar(nullptr, 3280, 0, 0, 7, 132, 10);
    EXPECT_EQ(bar.ValueAt(132), 0);
    EXPECT_EQ(bar.ValueAt(500), 0) << "clamped to the control";
    EXPECT_EQ(bar.ValueAt(0), 131 * 10 / 132);
    EXPECT_EQ(bar.ValueAt(66), 65 * 10 / 132);

    bar.SetValue(2);
    EXPECT_EQ(bar.FilledHeight(), 132 * 3 / 10);
    bar.SetValue(20);
    EXPECT_EQ(bar.FilledHeight(), 132);
    ScopedUiScale scale(1.5f);
    CDPIValueShowControl shown(nullptr, 3300, 0, 0, 10, 198, 10);
    shown.SetValue(2);
    EXPECT_EQ(shown.FilledHeight(), 58) << "198 * 3 / 10 = 59, kept even";
}

TEST(LevelBars, DraggingReportsTheValueOfEveryMove) {
    RecordingDialog dialog;
    dialog.Create();
    auto* bar = dialog.AddControl(
        0, std::make_unique<CVerticalSliderControl>(&dialog, 3280, 0, 0, 7, 100, 10));
    dialog.Listen(3280);
    Move(&dialog, {3, 95});
    Press(&dialog, {3, 95});
    Move(&dialog, {3, 45}, Qt::LeftButton);
    Release(&dialog, {3, 45});
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{3280, 0, NotifyPressed},
                                                       {3280, 5, NotifyValueChanged},
                                                       {3280, 0, NotifyClicked}}));
    EXPECT_EQ(bar->GetValue(), 5);
}

TEST(Battery, LevelOneStillShowsOneDesignPixelOfFill) {
    struct Case {
        float s;
        int fullHeight;
    };
    for (const auto [s, fullHeight] : {Case{1.0f, 50}, Case{1.5f, 76}, Case{2.0f, 100}}) {
        ScopedUiScale scale(s);
        CBattery battery(nullptr, 80, 433, 110, 494);
        EXPECT_EQ(battery.Id(), 3406);
        EXPECT_TRUE(battery.Locked());
        const QRect one = battery.FillRect(1);
        EXPECT_GE(one.height(), static_cast<int>(s)) << s;
        EXPECT_EQ(one.bottom() + 1, 433 + static_cast<int>(56 * s) + static_cast<int>(s))
            << "the fill ends at the bottom of the fill area";
        EXPECT_EQ(battery.FillRect(0), one);
        EXPECT_EQ(battery.FillRect(100).height(), fullHeight) << s;
    }
    ScopedUiScale scale(1.5f);
    CBattery battery(nullptr, 0, 0, 45, 91);
    EXPECT_EQ(battery.FillRect(1).height() % 2, 0) << "odd heights grow to an even step";
}

TEST(Battery, ModesDrawTheirOwnImagesAndChargingClimbsInQuarters) {
    SkinFolder skins;
    QImage fill(30, 61, QImage::Format_ARGB32);
    fill.fill(Qt::green);
    skins.Write("skins/fill.png", fill);
    skins.WriteSolid("skins/frame.png", Qt::gray, {30, 61});
    CBattery battery(nullptr, 0, 0, 30, 61);
    battery.LoadSlot(CBattery::SlotFill, "skins/fill.png");
    battery.LoadSlot(CBattery::SlotFrame, "skins/frame.png");
    battery.SetLevel(50);
    QImage drawn = Render(battery, QSize(30, 61));
    EXPECT_EQ(drawn.pixelColor(15, 56), QColor(Qt::green));
    EXPECT_EQ(drawn.pixelColor(15, 31), QColor(Qt::gray)) << "above the half-full fill";
    battery.SetMode(CBattery::Charged);
    EXPECT_EQ(Render(battery, QSize(30, 61)).pixelColor(15, 2), QColor(Qt::green));

    std::vector<int> levels;
    for (int i = 0; i < 5; ++i) {
        battery.AdvanceChargingLevel();
        levels.push_back(battery.ChargingLevel());
    }
    EXPECT_EQ(levels, (std::vector<int>{50, 75, 100, 25, 50}));
}

TEST(Tabs, ClickSelectsThePageInItsSetAndRightClickReportsTheId) {
    RecordingDialog dialog;
    dialog.Create();
    auto* profile =
        dialog.AddControl(0, std::make_unique<CTabControl>(&dialog, 2051, 0, 0, 50, 20));
    auto* section =
        dialog.AddControl(0, std::make_unique<CTabControl>(&dialog, 3008, 0, 30, 50, 50));
    profile->SetPage(&MainPageIndex, 2);
    section->SetPage(&SubPageIndex, 8);
    dialog.Listen(2051);
    dialog.Listen(3008);
    MainPageIndex = 0;
    SubPageIndex = 0;
    Click(&dialog, {10, 10});
    EXPECT_EQ(MainPageIndex, 2);
    EXPECT_TRUE(profile->IsSelected());
    Click(&dialog, {10, 40});
    EXPECT_EQ(SubPageIndex, 8);
    EXPECT_EQ(MainPageIndex, 2);
    EXPECT_TRUE(section->IsSelected());
    EXPECT_EQ(dialog.notes.back(), (Notification{3008, 0, NotifyClicked}));
    Release(&dialog, {10, 40}, Qt::RightButton);
    EXPECT_EQ(dialog.notes.back(), (Notification{3008, 3008, NotifyRightClicked}));
}

TEST(StaticControls, PressAndReleaseInsideNotify) {
    RecordingDialog dialog;
    dialog.Create();
    dialog.AddControl(0, std::make_unique<CStaticText>(&dialog, 3405, 0, 0, 50, 20, L"100%"));
    dialog.AddControl(0, std::make_unique<CStaticImage>(&dialog, 3400, 60, 0, 100, 20));
    dialog.Listen(3405);
    dialog.Listen(3400);
    Click(&dialog, {10, 10});
    Click(&dialog, {70, 10});
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{3405, 0, NotifyPressed},
                                                       {3405, 0, NotifyClicked},
                                                       {3400, 0, NotifyPressed},
                                                       {3400, 0, NotifyClicked}}));
}

} // namespace
} // namespace ferrox
