// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls through the real window: sections against the closing rule and
// the window's edges, DPI levels, colour slots, slider drags and an empty DPI table, checked in
// the profile and in the frames the virtual mouse received.

#include "app/app_messages.h"
#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/main_window/main_layout.h"
#include "app/main_window/main_window_parts.h"
#include "app/main_window/section_column.h"
#include "lang/language_table.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "ui/check_button.h"
#include "ui/combo_button.h"
#include "ui/level_bar_controls.h"
#include "ui/slider_control.h"
#include "ui/ui_scale.h"
#include "ferrox_process.h"
#include "main_window_fixture.h"

#include <QProcess>

#include <optional>

namespace ferrox {
namespace {

constexpr int kPicture = 3400; // the mouse picture and the key numbers: decoration

TEST_F(MainWindow, HeaderClicksFollowTheClosingRule) {
    StartWindow();
    EXPECT_EQ(Window().Parts().column.Open(), StartSections());
    ClickControl(3004); // report rate, with DPI and lighting open
    EXPECT_TRUE(IsOpen(Window().Parts().column.Open(), Section::Dpi));
    EXPECT_FALSE(IsOpen(Window().Parts().column.Open(), Section::Lighting));
    EXPECT_TRUE(Displayed(MainId::Rate125));
    EXPECT_FALSE(Displayed(MainId::LightingMenu));
    const int rateContent = 97 + 196 + HeaderHeight;
    EXPECT_EQ(Bounds(MainId::Rate125).topLeft(), test::WindowTest::Design(846 + 59, rateContent + 20));
    ClickControl(3001); // DPI closes; the report rate moves up
    EXPECT_EQ(Bounds(MainId::Rate125).top(), int((97 + HeaderHeight + 20) * UiScale));
    EXPECT_FALSE(Displayed(MainId::DpiCheck));
}

// A fault report quotes the version line, so it must be the program's own.
TEST_F(MainWindow, VersionLineShowsWhatVersionPrints) {
    QProcess ferrox;
    ferrox.start(test::kFerrox, {QStringLiteral("--version")});
    ASSERT_TRUE(ferrox.waitForFinished(10000));
    const QString printed = QString::fromUtf8(ferrox.readAllStandardOutput()).trimmed();
    ASSERT_TRUE(printed.startsWith(QStringLiteral("ferrox "))) << printed.toStdString();
    StartWindow();
    const std::wstring line = Window().FindControl(MainId::VersionLine)->GetText();
    EXPECT_EQ(line, LanguageText(3) + L":" + printed.mid(7).toStdWString());
}

// Every header, again and again: the column always matches the rule and stays clear.
TEST_F(MainWindow, NoSectionPassesTheWindowOrCoversAControl) {
    for (bool liftOff : {true, false}) {
    StartWindow();
    if (liftOff)
        UseLongTable();
    OpenSections expected = StartSections();
    const int order[] = {3012, 3003, 3001, 3011, 3002, 3004, 3003, 3012, 3011, 3001, 3004,
                         3002, 3001, 3003, 3012, 3004, 3011, 3002, 3003, 3001};
    for (int round = 0; round < 3; ++round)
        for (int header : order) {
            const Section section = *SectionOfHeader(header);
            if (!liftOff && section == Section::LiftOff)
                continue;
            auto& flag = expected[std::size_t(section)];
            flag = !flag;
            if (flag)
                expected = AfterOpening(expected, section, liftOff);
            ClickControl(header);
            MoveTo(600, 700); // away, so the next click is never a double click
            ASSERT_EQ(Window().Parts().column.Open(), expected) << header;
            ExpectColumnClear();
        }
    }
}

// The fixed controls lie apart, and all nine key rows, greyed 8 and 9 too, inside the key frame.
TEST_F(MainWindow, FixedControlsLieApartAndTheKeyRowsInTheirFrame) {
    for (float scale : {1.0f, 2.0f}) {
        StartWindow({.uiScale = scale});
        const auto& fixed = Window().Layer(0);
        for (std::size_t a = 0; a < fixed.size(); ++a)
            for (std::size_t b = a + 1; b < fixed.size(); ++b) {
                const auto& one = fixed[a];
                const auto& other = fixed[b];
                if (one->IsDisplayed() && other->IsDisplayed() && one->Id() != kPicture &&
                    other->Id() != kPicture) {
                    EXPECT_FALSE(one->GetBounds().intersects(other->GetBounds()))
                        << one->Id() << " over " << other->Id() << " at " << scale;
                }
            }
        const DesignBox frame = LeftPanelFrames()[0];
        const QRect keyFrame(test::WindowTest::Design(frame.x, frame.y),
                             test::WindowTest::Design(frame.x + frame.width,
                                                      frame.y + frame.height));
        for (int n = 0; n < KeyComboCount; ++n)
            EXPECT_TRUE(keyFrame.contains(Bounds(MainId::KeyCombo + n))) << n + 1;
        for (int n : {7, 8}) {
            auto* combo = dynamic_cast<CComboButton*>(Window().FindControl(MainId::KeyCombo + n));
            ASSERT_NE(combo, nullptr);
            EXPECT_TRUE(combo->DisabledLook());
        }
    }
}

TEST_F(MainWindow, ASensorWithoutTheLongTableClosesAndHidesLiftOff) {
    StartWindow();
    UseLongTable();
    ClickControl(3011);
    ASSERT_TRUE(IsOpen(Window().Parts().column.Open(), Section::LiftOff));
    SetSensor(0x3325); // a short table
    BuildDpiStepTable();
    Window().RefreshView();
    EXPECT_FALSE(IsOpen(Window().Parts().column.Open(), Section::LiftOff));
    EXPECT_FALSE(Displayed(3011));
    EXPECT_FALSE(Displayed(MainId::LiftLow));
    // The debounce header takes the lift-off header's place.
    EXPECT_EQ(Bounds(3012).top(), int((127 + 196) * UiScale)) << "below the open DPI section";
    ClickControl(3012);
    ExpectColumnClear();
}

TEST_F(MainWindow, PlacesScaleAtOneAndAHalf) {
    StartWindow({.uiScale = 1.5f});
    EXPECT_EQ(Bounds(3001).left(), int(846 * 1.5));
    EXPECT_EQ(Bounds(MainId::SendAgain).left(), int(962 * 1.5));
    EXPECT_EQ(Bounds(MainId::LightingMenu).topLeft(),
              QPoint(int((846 + 40) * 1.5), int((67 + 196 + 25 + 11) * 1.5)));
    ExpectColumnClear();
}

TEST_F(MainWindow, DpiLevelsKeepTheActivePositionAndTheLastLevelStays) {
    StartWindow();
    ProfileSettings& profile = Profile();
    profile.dpiEnableMask = 0x0D; // levels 0, 2, 3
    profile.currentDpiLevel = 2;  // level 3
    Window().RefreshView();
    ClickControl(MainId::DpiCheck + 2);
    EXPECT_EQ(profile.dpiEnableMask, 0x09);
    EXPECT_EQ(profile.currentDpiLevel, 1) << "still level 3";
    FireTimer(kApplyTimer);
    std::optional<Frame> dpi = LastFrame(0x05);
    ASSERT_TRUE(dpi);
    EXPECT_EQ((*dpi)[7], 0x22) << "two levels, the second active";
    EXPECT_EQ((*dpi)[8], 0x09);

    ClickControl(MainId::DpiCheck + 1); // a level below the active one comes on
    EXPECT_EQ(profile.currentDpiLevel, 2);
    FireTimer(kApplyTimer);

    profile.dpiEnableMask = 0x01;
    profile.currentDpiLevel = 0;
    Window().RefreshView();
    ClearReceivedFrames();
    ClickControl(MainId::DpiCheck);
    EXPECT_EQ(profile.dpiEnableMask, 0x01);
    EXPECT_TRUE(As<CCheckButton>(MainId::DpiCheck)->GetChecked());
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    EXPECT_FALSE(LastFrame(0x05));
}

// A change shows the profile once: every refresh redraws the whole window. A click on a DPI
// bar and a colour slot's click used to show it before their change too.
TEST_F(MainWindow, OneChangeShowsTheProfileOnce) {
    StartWindow();
    LetStartUpGo();
    const auto refreshes = [&] { return Window().Parts().viewRefreshes; };
    ClickControl(3004); // the report-rate section
    const struct {
        int control;
        const char* what;
    } clicks[] = {
        {MainId::DpiCheck + 2, "DPI level in the cycle"},
        {MainId::Rate125 + 1, "report rate"},
        {MainId::MoveLightingCheck, "lighting while moving"},
        {MainId::MotionWakeupCheck, "wake-up by motion"},
    };
    for (const auto& click : clicks) {
        const int before = refreshes();
        ClickControl(click.control);
        EXPECT_EQ(refreshes() - before, 1) << click.what;
    }

    int before = refreshes();
    AnswerDialog(
        [](CDlgBase& dialog) { ClickDialogControl(dialog, CDPIValueSettingDlg::OkId); });
    ClickControl(MainId::DpiBar + 1); // the DPI dialog, confirmed
    EXPECT_EQ(refreshes() - before, 1) << "DPI dialog";

    ClickControl(3002); // the lighting section
    Profile().lighting.mode = 6;
    Profile().lighting.colourSelected[6] = {1, 1, 0, 0, 0, 0, 0, 0};
    Window().RefreshView();
    before = refreshes();
    ClickControl(MainId::ColourSlot + 2);
    FireTimer(3);
    EXPECT_EQ(refreshes() - before, 1) << "colour slot";
    EXPECT_EQ(Profile().lighting.colourSelected[6][2], 1);
    EXPECT_TRUE(As<CCheckButton>(MainId::ColourSlot + 2)->GetChecked());
}

// The start shows the profile once: the apply on connection and the mouse's first answers
// change nothing shown and do not paint the whole window again. What they do change is shown.
TEST_F(MainWindow, TheSynchronisationShowsTheProfileAgainOnlyWhenItChanged) {
    StartWindow();
    LetStartUpGo();
    const auto refreshes = [&] { return Window().Parts().viewRefreshes; };
    EXPECT_EQ(refreshes(), 1);

    Window().Session().sync().RequestApply(ChangeGroup::Settings);
    FireTimer(kApplyTimer);
    EXPECT_EQ(refreshes(), 1) << "an apply that changed nothing";

    Window().Session().sync().HandleDeviceEvent(2, 3); // the mouse's DPI button: level 3
    EXPECT_EQ(Profile().currentDpiLevel, 2);
    EXPECT_EQ(refreshes(), 2) << "a level chosen on the mouse";
}

TEST_F(MainWindow, ColourSlotsToggleOnlyAfterTheDoubleClickWaitAndKeepTheirMinimum) {
    StartWindow();
    LightingSettings& lighting = Profile().lighting;
    lighting.mode = 6;
    lighting.colourSelected[6] = {1, 1, 0, 0, 0, 0, 0, 0};
    Window().RefreshView();
    auto slot = [&](int i) { return As<CCheckButton>(MainId::ColourSlot + i); };

    ClickControl(MainId::ColourSlot); // would leave one colour
    EXPECT_TRUE(Window().IsTimerActive(1));
    EXPECT_EQ(Window().Notices().AttentionWindow(), nullptr) << "nothing before the wait";
    FireTimer(1);
    EXPECT_NE(Window().Notices().AttentionWindow(), nullptr);
    EXPECT_EQ(lighting.colourSelected[6][0], 1);
    EXPECT_TRUE(slot(0)->GetChecked());
    Window().Notices().AttentionWindow()->close();
    Settle();

    AnswerDialog([](CDlgBase& palette) {
        QTest::keyClick(palette.windowHandle(), Qt::Key_Return);
        Settle();
    });
    DoubleClickControl(MainId::ColourSlot + 1); // the palette, never a toggle
    EXPECT_FALSE(Window().IsTimerActive(2));
    EXPECT_EQ(lighting.colourSelected[6][1], 1);
    EXPECT_TRUE(slot(1)->GetChecked());

    ClearReceivedFrames();
    ClickControl(MainId::ColourSlot + 2);
    EXPECT_FALSE(slot(2)->GetChecked()) << "the look waits for the profile";
    FireTimer(3);
    EXPECT_EQ(lighting.colourSelected[6][2], 1);
    EXPECT_TRUE(slot(2)->GetChecked());
    FireTimer(kApplyTimer);
    EXPECT_TRUE(LastFrame(0x08)) << "the lighting went to the mouse";

    lighting.mode = 2;
    lighting.colourSelected[2] = {0, 0, 0, 1, 0, 0, 0};
    Window().RefreshView();
    ClickControl(MainId::ColourSlot + 3);
    FireTimer(4);
    EXPECT_NE(Window().Notices().AttentionWindow(), nullptr);
    EXPECT_EQ(lighting.colourSelected[2][3], 1);
    EXPECT_GE(LightingSection::ColourClickMilliseconds(), 150);
}

class SliderDrag : public MainWindow {
protected:
    // Opens the debounce section and holds its knob.
    QPoint GrabDebounceKnob() {
        ClickControl(3012);
        auto* slider = As<CSliderControl>(MainId::DebounceSlider);
        // Inside the knob, which starts at the stop.
        const QPoint knob(slider->PositionX(slider->GetIndex()) + Scaled(4),
                          Bounds(MainId::DebounceSlider).center().y());
        const QPoint design(int((knob.x() + 0.5) / UiScale), int((knob.y() + 0.5) / UiScale));
        ClearReceivedFrames();
        PressAt(design.x(), design.y());
        return design;
    }
    QPoint StopOf(int index) {
        auto* slider = As<CSliderControl>(MainId::DebounceSlider);
        return QPoint(int((slider->PositionX(index) + 0.5) / UiScale),
                      int((Bounds(MainId::DebounceSlider).center().y() + 0.5) / UiScale));
    }
};

TEST_F(SliderDrag, AppliesOnceOnTheRelease) {
    StartWindow();
    LetStartUpGo();
    ClearReceivedFrames();
    const QPoint knob = GrabDebounceKnob();
    const QPoint seventh = StopOf(7);
    MoveTo((knob.x() + seventh.x()) / 2, knob.y());
    MoveTo(seventh.x(), seventh.y());
    Settle();
    EXPECT_EQ(ProfileValue(Profile(), ProfileKey::KeyDebounce), L"14");
    EXPECT_EQ(Control(MainId::DebounceValue)->GetText(), L"14ms");
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer)) << "nothing goes out while held";
    ReleaseAt(seventh.x(), seventh.y());
    Settle();
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));
    FireTimer(kApplyTimer);
    MoveTo(seventh.x(), seventh.y() + 30);
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    EXPECT_EQ(CountFrames(0x0A), 1);
    EXPECT_EQ(LastFrame(0x0A)->at(7), 14);
}

TEST_F(SliderDrag, AReleaseOutsideTheWindowAppliesToo) {
    StartWindow();
    const QPoint knob = GrabDebounceKnob();
    const QPoint third = StopOf(3);
    MoveTo(third.x(), knob.y());
    MoveTo(1200, 760);
    ReleaseAt(1200, 760);
    Settle();
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));
    FireTimer(kApplyTimer);
    EXPECT_EQ(CountFrames(0x0A), 1);
}

TEST_F(MainWindow, AnEmptyDpiTableLocksTheLevelsAndShowsNoValues) {
    StartWindow();
    LetStartUpGo();
    ClearReceivedFrames();
    DpiSteps.count = 0;
    Profile().dpiStep[0] = 900;
    Window().RefreshView();
    EXPECT_EQ(Control(MainId::DpiRadio)->GetText(), L"\u2014");
    EXPECT_TRUE(Control(MainId::DpiBar)->Locked());
    EXPECT_TRUE(Control(MainId::DpiCheck)->Locked());
    ClearReceivedFrames();
    ClickControl(MainId::DpiBar);
    ClickControl(MainId::DpiCheck + 1);
    EXPECT_EQ(Profile().dpiStep[0], 900);
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    BuildDpiStepTable();
    Window().RefreshView();
    // A step past the table shows the table's last entry.
    EXPECT_EQ(Control(MainId::DpiRadio)->GetText(),
              std::to_wstring(DpiSteps.entries[DpiSteps.count - 1].Dpi()));
}

} // namespace
} // namespace ferrox

namespace ferrox {
namespace {

TEST_F(MainWindow, FirmwareResetIsOfferedOnlyWithTheMouseThere) {
    StartWindow({.plugged = {}});
    const ProfileSettings before = Profile();
    ClickControl(MainId::FirmwareReset);
    ASSERT_NE(Window().Notices().AttentionWindow(), nullptr) << "no mouse: the notice instead";
    EXPECT_EQ(Profile().dpiStep, before.dpiStep);
    EXPECT_EQ(ProfileSaves(), 0);
}

} // namespace
} // namespace ferrox
