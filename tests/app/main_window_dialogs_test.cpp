// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window opens: the DPI value dialog, the colour palette, the lighting-mode
// list, the firmware reset and the profile bar's dialogs and menus. Each is answered with real
// mouse and key events while it runs, and checked in the profile, the files and the frames the
// virtual mouse received.

#include "app/app_messages.h"
#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/dialogs/profile_name_dialog.h"
#include "app/profile_bar.h"
#include "device/protocol/frame.h"
#include "lang/effect_names.h"
#include "lang/language_table.h"
#include "main_window_fixture.h"
#include "platform/qt_colour.h"
#include "settings/config_table.h"
#include "settings/dpi_table.h"
#include "ui/combo_button.h"
#include "ui/edit_field.h"
#include "ui/popup_kind.h"
#include "ui/skin_images.h"

namespace ferrox {
namespace {

class WindowDialogs : public MainWindow {
protected:
    // Starts with the start-up apply gone out and no frames recorded.
    void StartQuiet(const Start& start = {}) {
        StartWindow(start);
        LetStartUpGo();
        ClearReceivedFrames();
    }
    static void Type(CDlgBase& dialog, int editId, const QString& text) {
        EditField* edit = dialog.FindEditField(editId);
        ASSERT_NE(edit, nullptr);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    // Clicks a colour of the palette image and confirms it; the colour clicked.
    Colour PickFromPalette(QPoint design) {
        const Colour colour = FromQColor(LoadPngResource(287).pixelColor(design));
        AnswerDialog([design](CDlgBase& dialog) {
            ASSERT_NE(dynamic_cast<CColorPaletteDlg*>(&dialog), nullptr);
            ClickDialogAt(dialog, QPoint(Scaled(design.x()), Scaled(design.y())));
            ClickDialogControl(dialog, CColorPaletteDlg::OkId);
        });
        return colour;
    }
    int StepOfDpi(unsigned dpi) {
        for (std::size_t i = 0; i < DpiSteps.count; ++i)
            if (DpiSteps.entries[i].Dpi() == dpi)
                return int(i);
        ADD_FAILURE() << dpi << " is not in the table";
        return -1;
    }
};

TEST_F(WindowDialogs, DpiValueDialogStoresTheTypedValueOnOkOnly) {
    StartQuiet();
    ASSERT_GT(DpiSteps.count, 4u);
    const unsigned dpi = DpiSteps.entries[4].Dpi();
    ProfileSettings& profile = Profile();
    profile.dpiStep[1] = 0;
    Window().RefreshView();

    AnswerDialog([](CDlgBase& dialog) { ClickDialogControl(dialog, CDPIValueSettingDlg::CancelId); });
    ClickControl(MainId::DpiBar + 1);
    EXPECT_EQ(profile.dpiStep[1], 0);
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));

    AnswerDialog([dpi](CDlgBase& dialog) {
        auto* dpiDialog = dynamic_cast<CDPIValueSettingDlg*>(&dialog);
        ASSERT_NE(dpiDialog, nullptr);
        EXPECT_EQ(dpiDialog->Step(), 0) << "it starts at the level's step";
        Type(dialog, CDPIValueSettingDlg::EditId, QString::number(dpi));
        ClickDialogControl(dialog, CDPIValueSettingDlg::OkId);
    });
    ClickControl(MainId::DpiBar + 1);
    EXPECT_EQ(profile.dpiStep[1], StepOfDpi(dpi));
    EXPECT_EQ(Control(MainId::DpiRadio + 1)->GetText(), std::to_wstring(dpi));
    FireTimer(kApplyTimer);
    EXPECT_TRUE(LastFrame(cmd::DpiLevels));
    EXPECT_EQ(ProgressShows(), std::vector<std::int64_t>{CProgressBarDlg::EndMilliseconds})
        << "the progress runs its half second once and ends";
}

TEST_F(WindowDialogs, PaletteColoursTheDpiLevelAndTheLightingSlot) {
    StartQuiet();
    const Colour dpiBefore = Profile().dpiColour[2];
    AnswerDialog([](CDlgBase& dialog) {
        ClickDialogAt(dialog, QPoint(Scaled(120), Scaled(140)));
        ClickDialogControl(dialog, CColorPaletteDlg::CloseId);
    });
    ClickControl(MainId::DpiColour + 2);
    EXPECT_EQ(Profile().dpiColour[2], dpiBefore) << "closed: nothing written";
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));

    const Colour picked = PickFromPalette({120, 140});
    ClickControl(MainId::DpiColour + 2);
    EXPECT_EQ(Profile().dpiColour[2], picked);
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));

    LightingSettings& lighting = Profile().lighting;
    lighting.mode = 6;
    lighting.colourSelected[6] = {1, 1, 0, 0, 0, 0, 0, 0};
    Window().RefreshView();
    lighting.colour[6][3] = Rgb(10, 20, 30);
    ClearReceivedFrames();
    AnswerDialog([](CDlgBase& dialog) {
        auto* palette = dynamic_cast<CColorPaletteDlg*>(&dialog);
        ASSERT_NE(palette, nullptr);
        EXPECT_EQ(palette->Working(), Rgb(10, 20, 30)) << "it edits the slot's colour";
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        Settle();
    });
    DoubleClickControl(MainId::ColourSlot + 3);
    EXPECT_EQ(lighting.colourSelected[6][3], 0) << "a double click never toggles";
    EXPECT_FALSE(Window().IsTimerActive(4));
    FireTimer(kApplyTimer);
    EXPECT_TRUE(LastFrame(cmd::Lighting));
}

TEST_F(WindowDialogs, LightingListSetsTheModeAndClosesWithTheMark) {
    StartQuiet();
    ClickControl(MainId::LightingMenu);
    auto* menu = As<CComboButton>(MainId::LightingMenu);
    CWndPopup* list = ActivePopup();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Kind(), PopupKind::LightingList);
    EXPECT_TRUE(menu->PopupOpen());
    ChooseRow(list, 2);
    EXPECT_EQ(Profile().lighting.mode, 3);
    EXPECT_EQ(Profile().lighting.name, LanguageText(102));
    EXPECT_EQ(menu->GetText(), LanguageText(102));
    EXPECT_FALSE(menu->PopupOpen());
    EXPECT_EQ(ActivePopup(), nullptr);
    EXPECT_TRUE(Displayed(MainId::BrightnessSlider)) << "mode 3 shows its brightness";
    FireTimer(kApplyTimer);
    EXPECT_TRUE(LastFrame(cmd::Lighting));

    ClickControl(MainId::LightingMenu);
    ASSERT_NE(ActivePopup(), nullptr);
    Key(Qt::Key_Escape);
    EXPECT_EQ(ActivePopup(), nullptr);
    EXPECT_FALSE(menu->PopupOpen());
    EXPECT_EQ(Profile().lighting.mode, 3);
}

TEST_F(WindowDialogs, FirmwareResetAsksThenResetsTheMouseAndTheProfile) {
    StartQuiet();
    SetProfileValue(Profile(), ProfileKey::ProfileName, L"Mine");
    Profile().lighting.mode = 9;

    AnswerDialog([](CDlgBase& dialog) { ClickDialogControl(dialog, CFirmwareResetDlg::CancelId); });
    ClickControl(MainId::FirmwareReset);
    EXPECT_EQ(Profile().lighting.mode, 9);
    EXPECT_TRUE(ReceivedFrames().empty());

    const int saves = ProfileSaves();
    AnswerDialog([](CDlgBase& dialog) { ClickDialogControl(dialog, CFirmwareResetDlg::OkId); });
    ClickControl(MainId::FirmwareReset);
    EXPECT_NE(Profile().lighting.mode, 9);
    EXPECT_EQ(ProfileValue(Profile(), ProfileKey::ProfileName), L"Mine");
    EXPECT_GT(ProfileSaves(), saves);
    const auto frames = ReceivedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front()[2], cmd::FactoryReset);
    EXPECT_EQ(ProgressShows().size(), 1u);
    EXPECT_EQ(Control(MainId::LightingMenu)->GetText(), Profile().lighting.name);
}

class WindowProfileBar : public WindowDialogs {
protected:
    void StartWithBar(int count, std::array<int, ProfileCount> slots, int current) {
        StartQuiet();
        for (int s = 0; s < ProfileCount; ++s)
            SetProfileValue(Profiles[std::size_t(s)], ProfileKey::ProfileName,
                            L"P" + std::to_wstring(s));
        WriteProfileBar({count, slots});
        SetCurrentSlot(current);
        Window().RefreshView();
    }
    int Tab(int slot) { return ProfileBarId::FirstTab + slot; }
};

TEST_F(WindowProfileBar, TabsFollowTheBarListAndChooseTheProfile) {
    StartWithBar(3, {2, 0, 1, 3, 4}, 0);
    EXPECT_LT(Bounds(Tab(2)).top(), Bounds(Tab(0)).top());
    EXPECT_LT(Bounds(Tab(0)).top(), Bounds(Tab(1)).top());
    EXPECT_FALSE(Displayed(Tab(3)));
    Profiles[2].lighting.mode = 3;
    ClickControl(Tab(2));
    EXPECT_EQ(CurrentSlot(), 2);
    // Named from the effect, whatever name the profile stored with it.
    EXPECT_EQ(Control(MainId::LightingMenu)->GetText(), LightingEffectName(3, LanguageTable));
    FireTimer(kApplyTimer);
    EXPECT_TRUE(LastFrame(cmd::Lighting)) << "the chosen profile goes to the mouse";
}

TEST_F(WindowProfileBar, AddingNamesTheNextProfileAndTheSixthIsRefused) {
    StartWithBar(3, {2, 0, 1, 3, 4}, 0);
    AnswerDialog([](CDlgBase& dialog) {
        Type(dialog, ProfileNameDialog::EditId, QStringLiteral("Travel\tmode"));
        ClickDialogControl(dialog, ProfileNameDialog::OkId);
    });
    ClickControl(ProfileBarId::Add);
    ASSERT_EQ(ReadProfileBar().count, 4);
    const int added = ReadProfileBar().slots[3];
    EXPECT_TRUE(Displayed(Tab(added)));
    EXPECT_EQ(Control(Tab(added))->GetText(), L"Travelmode");
    EXPECT_EQ(ProfileValue(Profiles[std::size_t(added)], ProfileKey::ProfileName), L"Travelmode");

    WriteProfileBar({5, {0, 1, 2, 3, 4}});
    Window().RefreshView();
    ClickControl(ProfileBarId::Add);
    ASSERT_NE(Window().Notices().AttentionWindow(), nullptr);
    EXPECT_EQ(dynamic_cast<CAttentionDlg*>(Window().Notices().AttentionWindow())->Message(), LanguageText(145));
}

TEST_F(WindowProfileBar, TheCurrentProfileCannotBeRemovedFromItsMenu) {
    StartWithBar(3, {2, 0, 1, 3, 4}, 0);
    ClickControl(Tab(0), Qt::RightButton);
    CWndPopup* menu = ActivePopup();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->Kind(), PopupKind::ProfileContextMenu);
    ChooseRow(menu, 3); // remove
    FireTimer(kProfileActionTimer);
    ASSERT_NE(Window().Notices().AttentionWindow(), nullptr);
    EXPECT_EQ(ReadProfileBar().count, 3);
    EXPECT_TRUE(Displayed(Tab(0)));
}

} // namespace
} // namespace ferrox
