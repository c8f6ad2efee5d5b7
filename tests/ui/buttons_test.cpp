// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/combo_button.h"
#include "ui/image_button.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/tab_control.h"
#include "ui/ui_state.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

const QColor Red(255, 0, 0), Green(0, 255, 0), Blue(0, 0, 255);

class ButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        skins.WriteSolid("skins/btn_nr.png", Red);
        skins.WriteSolid("skins/btn_ov.png", Green);
        skins.WriteSolid("skins/btn_dn.png", Blue);
        dialog.Create();
        RadioGroupFlags = 0;
        DpiLevelMask = 0;
    }
    template <typename Button, typename... Args> Button* Add(Args&&... args) {
        auto* b = dialog.AddControl(0, std::make_unique<Button>(&dialog, args...));
        b->LoadImages("skins/btn");
        dialog.Listen(b->Id());
        return b;
    }
    SkinFolder skins;
    RecordingDialog dialog;
};

TEST_F(ButtonsTest, CheckButtonTogglesOnlyWhenReleasedInside) {
    auto* check = Add<CCheckButton>(3501, 10, 10, 25, 25);
    Move(&dialog, {12, 12});
    Press(&dialog, {12, 12});
    Move(&dialog, {100, 100}, Qt::LeftButton);
    Release(&dialog, {100, 100});
    EXPECT_FALSE(check->GetChecked());
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{3501, 0, NotifyPressed}}));
    EXPECT_EQ(check->GetMouseState(), MouseNormal);

    Click(&dialog, {12, 12});
    EXPECT_TRUE(check->GetChecked());
    EXPECT_EQ(dialog.notes.back(), (Notification{3501, 0, NotifyClicked}));
    EXPECT_EQ(check->GetMouseState(), MouseOver);
}

TEST_F(ButtonsTest, CheckButtonLooksFollowPointerAndCheckState) {
    auto* check = Add<CCheckButton>(3501, 10, 10, 25, 25);
    EXPECT_EQ(CentreColour(*check), Red);
    Move(&dialog, {12, 12});
    EXPECT_EQ(CentreColour(*check), Green);
    Press(&dialog, {12, 12});
    EXPECT_EQ(CentreColour(*check), Blue);
    Release(&dialog, {12, 12});
    Move(&dialog, {200, 200});
    EXPECT_EQ(CentreColour(*check), Blue) << "checked looks pressed with the pointer away";
}

TEST_F(ButtonsTest, CheckButtonTextIsTheCaptionOfItsState) {
    auto* check = Add<CCheckButton>(3501, 10, 10, 25, 25, L"Start");
    check->SetTexts(L"", L"Stop");
    EXPECT_EQ(check->GetText(), L"Start") << "an empty caption leaves the text";
    Click(&dialog, {12, 12});
    EXPECT_EQ(check->GetText(), L"Stop");
    check->SetTexts(L"Record", L"Stop");
    check->SetChecked(false);
    EXPECT_EQ(check->GetText(), L"Record");
}

TEST_F(ButtonsTest, LockedButtonHearsMovesButNeitherChangesNorNotifies) {
    auto* check = Add<CCheckButton>(3501, 10, 10, 25, 25, L"", 1, 1, 1);
    Click(&dialog, {12, 12});
    EXPECT_EQ(dialog.HotControl(), check) << "locked controls are still hit-tested";
    EXPECT_FALSE(check->GetChecked());
    EXPECT_EQ(check->GetMouseState(), MouseNormal);
    EXPECT_TRUE(dialog.notes.empty());
}

TEST_F(ButtonsTest, MissingOverLookDrawsNothingWhileHoveredOthersStillWork) {
    SkinFolder sparse;
    sparse.WriteSolid("skins/half_nr.png", Red);
    sparse.WriteSolid("skins/half_dn.png", Blue);
    auto* check = dialog.AddControl(0, std::make_unique<CCheckButton>(&dialog, 1, 10, 10, 25, 25));
    EXPECT_TRUE(check->LoadImages("skins/half"));
    EXPECT_EQ(CentreColour(*check), Red);
    Move(&dialog, {12, 12});
    EXPECT_EQ(CentreColour(*check), QColor(Qt::black));
    Press(&dialog, {12, 12});
    EXPECT_EQ(CentreColour(*check), Blue);
}

TEST_F(ButtonsTest, RadioClickSetsItsBitAndClearsOnlyItsGroup) {
    Add<CRadioButton>(2031, 10, 10, 25, 25)->SetGroup(0x2000, 0xE000);
    auto* middle = Add<CRadioButton>(2032, 30, 10, 45, 25);
    middle->SetGroup(0x4000, 0xE000);
    RadioGroupFlags = 0x2000 | 0x8000 | 0x80 | 0x100000;
    Click(&dialog, {32, 12});
    EXPECT_EQ(RadioGroupFlags, 0x4000u | 0x80 | 0x100000);
    EXPECT_TRUE(middle->IsSelected());
    EXPECT_EQ(dialog.notes.back(), (Notification{2032, 0, NotifyClicked}));
    Move(&dialog, {200, 200});
    EXPECT_EQ(CentreColour(*middle), Blue) << "selected radio looks down";
}

TEST_F(ButtonsTest, RadioWithoutAGroupOnlyNotifies) {
    Add<CRadioButton>(4000, 10, 10, 25, 25);
    RadioGroupFlags = 0x5;
    Click(&dialog, {12, 12});
    EXPECT_EQ(RadioGroupFlags, 0x5u);
    EXPECT_EQ(dialog.notes.back(), (Notification{4000, 0, NotifyClicked}));
}

TEST_F(ButtonsTest, DpiLevelButtonSelectsEveryLevelUpToItself) {
    std::vector<CDPIRadioButton*> levels;
    for (int k = 0; k < 8; ++k) {
        levels.push_back(Add<CDPIRadioButton>(3290 + k, 10 + 30 * k, 10, 35 + 30 * k, 25));
        levels.back()->SetLevel(k);
    }
    DpiLevelMask = 0xA500;
    Click(&dialog, {72, 12}); // button 3292
    Move(&dialog, {5, 200});
    EXPECT_EQ(DpiLevelMask, 0xA507u) << "bits above the low byte are left alone";
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(CentreColour(*levels[k]), k <= 2 ? Blue : Red) << "level " << k;

    Click(&dialog, {222, 12}); // button 3297
    EXPECT_EQ(DpiLevelMask & 0xFF, 0xFFu);
    Click(&dialog, {12, 12}); // button 3290
    EXPECT_EQ(DpiLevelMask & 0xFF, 0x01u);
}

TEST_F(ButtonsTest, ImageButtonShowsOverImageWhilePressedAndReportsItsId) {
    auto* button = Add<CImageButton>(2047, 10, 10, 80, 30);
    Move(&dialog, {20, 20});
    Press(&dialog, {20, 20});
    EXPECT_EQ(CentreColour(*button), Green);
    Release(&dialog, {20, 20});
    EXPECT_EQ(dialog.notes.back(), (Notification{2047, 2047, NotifyClicked}));
}

TEST_F(ButtonsTest, TipButtonAsksForItsTipOncePerEntry) {
    Add<CImageButton>(3502, 10, 10, 80, 30)->SetHoverTip(true);
    Add<CImageButton>(3503, 100, 10, 180, 30); // no tip: entering it asks nothing
    Move(&dialog, {20, 20});
    Move(&dialog, {21, 20});
    Move(&dialog, {120, 20});
    Move(&dialog, {200, 200});
    Move(&dialog, {20, 20});
    EXPECT_EQ(
        std::count(dialog.notes.begin(), dialog.notes.end(), Notification{3502, 0, NotifyHoverTip}),
        2);
    EXPECT_EQ(std::count(dialog.notes.begin(), dialog.notes.end(),
                         Notification{3503, 0, NotifyHoverTip}),
              0);
}

TEST_F(ButtonsTest, LinkButtonReportsEnterAndLeaveOnce) {
    auto* link = dialog.AddControl(
        0, std::make_unique<CLinkButton>(&dialog, 10, 10, 200, 30, L"example.org"));
    dialog.Listen(CLinkButton::LinkId);
    EXPECT_EQ(link->Id(), 3503);
    Move(&dialog, {20, 20});
    Move(&dialog, {30, 20});
    Move(&dialog, {300, 200});
    Move(&dialog, {310, 200});
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{3503, 0, NotifyHoverEnter},
                                                       {3503, 0, NotifyHoverLeave}}));
}

TEST_F(ButtonsTest, ColourButtonsDrawTheirSwatchOverTheSkin) {
    auto* swatch = Add<CColorSelectButton>(3270, 10, 10, 40, 30);
    swatch->SetColour(Rgb(1, 2, 3));
    EXPECT_EQ(CentreColour(*swatch), QColor(1, 2, 3));
    EXPECT_EQ(Render(*swatch, QSize(50, 40)).pixelColor(10, 10), Red);

    auto* slot = Add<CColorSelectCheckButton>(3180, 50, 10, 80, 30);
    DoubleClick(&dialog, {60, 20}); // no hot control yet: nothing happens
    EXPECT_TRUE(dialog.notes.empty());
    Move(&dialog, {60, 20});
    DoubleClick(&dialog, {60, 20});
    EXPECT_EQ(dialog.notes.back(), (Notification{3180, 0, NotifyDoubleClicked}));
    EXPECT_EQ(slot->GetMouseState(), MouseOver);
}

// The window system delivers a double-click as down, up, double-click, up: one click, one
// double-click, never a second click from the last release.
TEST_F(ButtonsTest, DoubleClickNotifiesOnceAndTogglesOnce) {
    auto* slot = Add<CColorSelectCheckButton>(3180, 10, 10, 40, 30);
    auto* check = Add<CCheckButton>(3501, 60, 10, 75, 25);
    for (auto [button, at] : {std::pair<CCheckButton*, QPoint>{slot, {20, 20}},
                              std::pair<CCheckButton*, QPoint>{check, {65, 15}}}) {
        dialog.ClearRecords();
        Move(&dialog, at);
        Press(&dialog, at);
        Release(&dialog, at);
        DoubleClick(&dialog, at);
        Release(&dialog, at);
        const int id = button->Id();
        std::vector<Notification> expected{{unsigned(id), 0, NotifyPressed},
                                           {unsigned(id), 0, NotifyClicked}};
        if (button == slot)
            expected.push_back({unsigned(id), 0, NotifyDoubleClicked});
        EXPECT_EQ(dialog.notes, expected) << id;
        EXPECT_TRUE(button->GetChecked()) << id << " toggled once, not twice";
        EXPECT_EQ(button->GetMouseState(), MouseOver) << id;
    }
}

TEST_F(ButtonsTest, AReleaseWithoutAPressOnTheButtonIsNoClick) {
    auto* check = Add<CCheckButton>(3501, 10, 10, 25, 25);
    Move(&dialog, {12, 12});
    Release(&dialog, {12, 12});
    EXPECT_FALSE(check->GetChecked());
    EXPECT_TRUE(dialog.notes.empty());
}

class ComboTest : public ButtonsTest {
protected:
    void SetUp() override {
        ButtonsTest::SetUp();
        combo = Add<CComboButton>(2013, 10, 10, 170, 31, 1028u, L"Left click");
        dialog.Listen(1028);
    }
    std::vector<Notification> On1028() const {
        std::vector<Notification> out;
        for (const auto& n : dialog.notes)
            if (n.message == 1028)
                out.push_back(n);
        return out;
    }
    CComboButton* combo = nullptr;
};

TEST_F(ComboTest, ClickReportsOnItsOwnMessageWithItsId) {
    Click(&dialog, {20, 20});
    EXPECT_EQ(dialog.notes.front(), (Notification{1028, 2013, NotifyHoverEnter}));
    EXPECT_NE(
        std::find(dialog.notes.begin(), dialog.notes.end(), Notification{2013, 0, NotifyPressed}),
        dialog.notes.end());
    EXPECT_EQ(dialog.notes.back(), (Notification{1028, 2013, NotifyClicked}));
}

TEST_F(ComboTest, DisabledLookSendsNothingOnPressOrRelease) {
    combo->SetDisabledLook(true);
    Move(&dialog, {20, 20});
    dialog.ClearRecords();
    Press(&dialog, {20, 20});
    Release(&dialog, {20, 20});
    EXPECT_TRUE(dialog.notes.empty());
}

TEST_F(ComboTest, EnterIsReportedOnTheFirstFiveMovesLeaveOnceUnlessItsPopupIsOpen) {
    for (int i = 0; i < 8; ++i)
        Move(&dialog, {20 + i, 20});
    Move(&dialog, {300, 200});
    Move(&dialog, {301, 200});
    std::vector<Notification> expected(5, {1028, 2013, NotifyHoverEnter});
    expected.push_back({1028, 2013, NotifyHoverLeave});
    EXPECT_EQ(On1028(), expected);

    dialog.ClearRecords();
    Move(&dialog, {20, 20});
    combo->SetPopupOpen(true);
    Move(&dialog, {300, 200});
    EXPECT_EQ(On1028().size(), 1u) << "no leave while the popup is open";
}

TEST_F(ComboTest, FiveLookStripShowsPopupAndDisabledLooks) {
    const std::array<QColor, 5> looks{Red, Green, Blue, QColor(Qt::yellow), QColor(Qt::cyan)};
    QImage strip(50, 10, QImage::Format_ARGB32);
    for (int i = 0; i < 5; ++i)
        QPainter(&strip).fillRect(QRect(i * 10, 0, 10, 10), looks[i]);
    skins.Write("skins/combo_strip.png", strip);
    ASSERT_TRUE(combo->LoadStripImage("skins/combo_strip.png", CComboButton::StripFrames));
    // The caption is drawn at the left; sample the right half, clear of it.
    const auto look = [&] {
        const QRect r = combo->GetBounds();
        return Render(*combo, QSize(200, 50)).pixelColor(r.right() - 5, r.top() + 2);
    };
    EXPECT_EQ(look(), Red);
    combo->SetPopupOpen(true);
    EXPECT_EQ(look(), Green) << "an open popup keeps the over look";
    combo->SetDisabledLook(true);
    EXPECT_EQ(look(), QColor(Qt::yellow));
    Move(&dialog, {20, 20});
    EXPECT_EQ(look(), QColor(Qt::cyan));
}

TEST_F(ButtonsTest, PowerDialWedgesRunFromThreeToTenMinutes) {
    auto* dial = dialog.AddControl(
        0, std::make_unique<CPowerManageButton>(&dialog, 3500, 81, 550, 221, 634));
    dialog.Listen(3500);
    const QRect r = dial->GetBounds();
    EXPECT_EQ(dial->RegionAt(r.left() + 1, r.bottom() - 8), 0);
    EXPECT_EQ(dial->RegionAt(r.center().x() - 3, r.top() + 1), 3);
    EXPECT_EQ(dial->RegionAt(r.center().x() + 3, r.top() + 1), 4);
    EXPECT_EQ(dial->RegionAt(r.right() - 1, r.bottom() - 8), 7);
    EXPECT_EQ(dial->RegionAt(r.left() - 5, r.top()), -1);

    Click(&dialog, {r.right() - 1, r.bottom() - 8});
    EXPECT_EQ(dial->GetSegment(), 10);
    EXPECT_EQ(dialog.notes.back(), (Notification{3500, 0, NotifyClicked}));
}

TEST_F(ButtonsTest, SetTextRepaintsExactlyTheControlOnlyWhenTheTextChanges) {
    auto* check = Add<CCheckButton>(1, 10, 10, 60, 30, L"Same");
    dialog.ClearRecords();
    check->SetText(L"Same");
    EXPECT_TRUE(dialog.repainted.empty());
    check->SetText(L"Other");
    EXPECT_EQ(dialog.repainted, (std::vector<QRect>{QRect(10, 10, 50, 20)}));
    EXPECT_EQ(check->GetText(), L"Other");
}

TEST_F(ButtonsTest, TabLooksFollowTheSelectedPageAndThePointer) {
    skins.WriteSolid("skins/tab_sel_ov.png", QColor(Qt::yellow));
    auto* tab = dialog.AddControl(0, std::make_unique<CTabControl>(&dialog, 2050, 10, 10, 60, 30));
    tab->LoadTabImages("skins/btn_nr.png", "skins/btn_ov.png", "skins/btn_dn.png",
                       "skins/tab_sel_ov.png");
    tab->SetPage(&MainPageIndex, 1);
    MainPageIndex = 0;
    EXPECT_EQ(CentreColour(*tab), Red);
    Move(&dialog, {20, 20});
    EXPECT_EQ(CentreColour(*tab), Green);
    MainPageIndex = 1;
    EXPECT_EQ(CentreColour(*tab), QColor(Qt::yellow));
    Move(&dialog, {200, 200});
    EXPECT_EQ(CentreColour(*tab), Blue);
}

} // namespace
} // namespace ferrox
