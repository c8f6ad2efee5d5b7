// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/combo_button.h"
#include "ui/control_factory.h"
#include "ui/image_button.h"
#include "ui/level_bar_controls.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/tab_control.h"
#include "ui/ui_font.h"
#include "ui/ui_scale.h"
#include "ui/ui_state.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

constexpr RadioGroupEntry kRadios[] = {{3030, 0x10000, 0xF0000}, {3031, 0x20000, 0xF0000}};
const TabPageEntry kTabs[] = {{2050, &MainPageIndex, 1}};

// Rows are either positional (the common head of fields) or fully designated.
constexpr ControlSpec kTable[] = {
    {3501, ControlKind::Check, {50, 58, 65, 73}, {"check_nr", "check_ov", "check_dn"}},
    {3402, ControlKind::StaticText, {70, 58, 270, 76}, {}, 268, L"!", {L"Tahoma", 16}, 1},
    {3030, ControlKind::Radio, {10, 100, 40, 130}, {"check_nr", "check_dn", "check_dn"}},
    {3031, ControlKind::Radio, {40, 100, 70, 130}, {"check_nr", "check_dn", "check_dn"}},
    {.id = 3292,
     .kind = ControlKind::DpiRadio,
     .rect = {80, 100, 106, 111},
     .images = {"check_nr"},
     .text = L"1600",
     .level = 2,
     .stripFrames = 1},
    {3502, ControlKind::Image, {100, 10, 169, 30}, {"check_nr", "check_ov"}, 1, {}, {}, 0, 0,
     {.hoverTip = true}},
    {2050, ControlKind::Tab, {300, 10, 462, 31}, {"check_nr", "check_ov", "check_dn", "check_dn"},
     -1, {}, {}, 0, 0, {.repaintsWindow = true}},
    {3001, ControlKind::Check, {300, 40, 562, 65}, {"check_nr", "check_nr", "check_ov"}, 11, {},
     {{}, 10}, 0, 0, {.checked = true}},
    {3010, ControlKind::Check, {36, 525, 266, 550}, {}, -1, {}, {}, 0, 0, {.locked = true}},
    {.id = 2013,
     .kind = ControlKind::Combo,
     .rect = {82, 81, 244, 102},
     .images = {"check_nr", "check_ov"},
     .text = L"Disable",
     .message = 1028},
    {.id = 3220,
     .kind = ControlKind::Slider,
     .rect = {200, 200, 300, 213},
     .images = {"check_nr"},
     .layer = 2,
     .flags = {.shown = false},
     .positions = 4,
     .start = 1,
     .margins = {6, 7}},
    {.id = 3283,
     .kind = ControlKind::VerticalSlider,
     .rect = {990, 75, 997, 207},
     .images = {"check_nr", "check_dn"},
     .layer = 1,
     .flags = {.visible = false},
     .positions = 16,
     .start = 5},
    {3500, ControlKind::PowerDial, {81, 550, 221, 634}, {"check_nr", "check_ov", "check_dn"}},
    {3406, ControlKind::Battery, {80, 433, 110, 494},
     {"check_nr", "check_ov", "check_dn", "check_dn"}},
};

class ControlFactoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        skins.WriteSolid("skins/check_nr.png", QColor(255, 0, 0));
        skins.WriteSolid("skins/check_ov.png", QColor(0, 255, 0));
        skins.WriteSolid("skins/check_dn.png", QColor(0, 0, 255));
        LanguageTable[1] = L"Profiles";
        LanguageTable[11] = L"DPI";
        LanguageTable[268] = L"Lighting off while moving";
        RadioGroupFlags = 0;
        DpiLevelMask = 0;
        MainPageIndex = 0;
        dialog.Create();
        built = AddControls(dialog, kTable, {kRadios, kTabs});
    }
    void TearDown() override {
        for (int index : {1, 11, 268})
            LanguageTable[index].clear();
    }
    ScopedUiScale scale{1.5f};
    SkinFolder skins;
    RecordingDialog dialog;
    std::vector<CControlBase*> built;
};

TEST_F(ControlFactoryTest, EveryRowBecomesItsKindInItsLayerInTableOrder) {
    ASSERT_EQ(built.size(), std::size(kTable));
    for (size_t i = 0; i < built.size(); ++i) {
        EXPECT_EQ(built[i]->Id(), kTable[i].id) << "row " << i;
        EXPECT_EQ(dialog.FindControl(kTable[i].id), built[i]);
    }
    EXPECT_NE(dialog.FindControlAs<CCheckButton>(3501), nullptr);
    EXPECT_NE(dialog.FindControlAs<CDPIRadioButton>(3292), nullptr);
    EXPECT_NE(dialog.FindControlAs<CComboButton>(2013), nullptr);
    EXPECT_NE(dialog.FindControlAs<CVerticalSliderControl>(3283), nullptr);
    EXPECT_NE(dialog.FindControlAs<CBattery>(3406), nullptr);
    EXPECT_EQ(dialog.FindControlAs<CSliderControl>(3501), nullptr) << "a check is no slider";
    EXPECT_EQ(dialog.Layer(0).size(), std::size(kTable) - 2);
    EXPECT_EQ(dialog.Layer(1).front()->Id(), 3283);
    EXPECT_EQ(dialog.Layer(2).front()->Id(), 3220);
}

TEST_F(ControlFactoryTest, RectanglesAreDesignUnitsTimesUiScaleTruncated) {
    // 50 × 1.5 = 75, 65 × 1.5 = 97.5 → 97 (exclusive right edge).
    EXPECT_EQ(built[0]->GetBounds(), QRect(QPoint(75, 87), QPoint(96, 108)));
    EXPECT_EQ(dialog.FindControl(3500)->GetBounds().left(), 121); // 81 × 1.5 = 121.5
}

TEST_F(ControlFactoryTest, TextsFontsAndFlagsComeFromTheirNamedFields) {
    EXPECT_EQ(dialog.FindControl(3402)->GetText(), L"Lighting off while moving!");
    EXPECT_EQ(dialog.FindControlAs<CStaticText>(3402)->Format(), 1u);
    EXPECT_EQ(dialog.FindControl(3502)->GetText(), L"Profiles");
    EXPECT_EQ(dialog.FindControl(2013)->GetText(), L"Disable");
    EXPECT_EQ(dialog.FindControlAs<CComboButton>(2013)->Message(), 1028u);
    EXPECT_EQ(dialog.FindControl(3001)->GetText(), L"DPI");
    EXPECT_EQ(dialog.FindControl(3001)->Font().family(), InstalledFace(LanguageFontFace));
    EXPECT_EQ(dialog.FindControl(3402)->Font().family(), InstalledFace(L"Tahoma"));

    EXPECT_TRUE(dialog.FindControlAs<CCheckButton>(3001)->GetChecked());
    EXPECT_FALSE(dialog.FindControlAs<CCheckButton>(3501)->GetChecked());
    EXPECT_EQ(dialog.FindControl(3010)->Locked(), 1);
    EXPECT_EQ(dialog.FindControl(3220)->Shown(), 0);
    EXPECT_EQ(dialog.FindControl(3283)->Visible(), 0);
    EXPECT_TRUE(dialog.FindControl(2050)->RepaintsWindowOnRelease());
    EXPECT_FALSE(dialog.FindControl(3501)->RepaintsWindowOnRelease());

    auto* slider = dialog.FindControlAs<CSliderControl>(3220);
    EXPECT_EQ(slider->PositionCount(), 4);
    EXPECT_EQ(slider->GetIndex(), 1);
    EXPECT_EQ(slider->PositionX(0), slider->GetBounds().left() + Scaled(6));
    EXPECT_EQ(dialog.FindControlAs<CVerticalSliderControl>(3283)->GetValue(), 5);
}

TEST_F(ControlFactoryTest, SkinsLoadIntoTheLooksTheKindGivesThem) {
    EXPECT_EQ(CentreColour(*dialog.FindControl(3501)), QColor(255, 0, 0));
    EXPECT_EQ(CentreColour(*dialog.FindControl(3001)), QColor(0, 255, 0))
        << "a checked header shows its third image";
    auto* dial = dialog.FindControlAs<CPowerManageButton>(3500);
    dial->SetSegment(5);
    EXPECT_EQ(CentreColour(*dial), QColor(0, 0, 255)) << "the third image is the 5-minute look";
}

TEST_F(ControlFactoryTest, BindingsGiveRadiosTheirGroupTabsTheirPageAndTheTipItsButton) {
    const QPoint radio = dialog.FindControl(3031)->GetBounds().center();
    Click(&dialog, radio);
    EXPECT_EQ(RadioGroupFlags, 0x20000u);

    const QPoint dpi = dialog.FindControl(3292)->GetBounds().center();
    Click(&dialog, dpi);
    EXPECT_EQ(DpiLevelMask, 0x07u) << "level 2 selects levels 0..2";

    const QPoint tab = dialog.FindControl(2050)->GetBounds().center();
    Click(&dialog, tab);
    EXPECT_EQ(MainPageIndex, 1);

    dialog.Listen(3502);
    Move(&dialog, dialog.FindControl(3502)->GetBounds().center());
    EXPECT_EQ(dialog.notes.back(), (Notification{3502, 0, NotifyHoverTip}));
}

TEST_F(ControlFactoryTest, UnboundRadioAndTabOnlyNotify) {
    RecordingDialog other;
    other.Create();
    AddControls(other, kTable);
    Click(&other, other.FindControl(3031)->GetBounds().center());
    Click(&other, other.FindControl(2050)->GetBounds().center());
    EXPECT_EQ(RadioGroupFlags, 0u);
    EXPECT_EQ(MainPageIndex, 0);
}

TEST(ControlFactory, ALayerOutsideTheDialogBuildsNothing) {
    RecordingDialog dialog;
    constexpr ControlSpec bad[] = {
        {.id = 1, .kind = ControlKind::StaticText, .rect = {0, 0, 10, 10}, .layer = 7}};
    EXPECT_TRUE(AddControls(dialog, bad).empty());
    EXPECT_EQ(dialog.FindControl(1), nullptr);
}

} // namespace
} // namespace ferrox
