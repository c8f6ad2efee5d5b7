// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's secondary dialogs, driven with real key and mouse events: the DPI value
// editor, the colour palette, the profile name dialogs and the firmware reset; and their
// pictures at UiScale 1 and 2.

#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/dialogs/profile_name_dialog.h"
#include "base/app_globals.h"
#include "desktop_events.h"
#include "dialog_test.h"
#include "lang/language_loader.h"
#include "lang/language_table.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

namespace ferrox {
namespace {

// 100..16000 in steps of 100, as the long tables of the common sensors.
DpiStepTable HundredsTable() {
    DpiStepTable table;
    for (std::size_t i = 0; i < 160; ++i)
        table.entries[i] = {std::uint16_t(2 * (i + 1)), std::uint16_t(i)};
    table.count = 160;
    return table;
}

class MainDialogsTest : public test::DialogTest {
protected:
    static void Click(CDlgBase& dialog, int id) {
        test::DesktopClick(&dialog, dialog.FindControl(id)->GetBounds().center());
        QApplication::processEvents();
    }
    static void Type(EditField* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    static void Key(QWidget* to, Qt::Key key) {
        QTest::keyClick(to, key);
        QApplication::processEvents();
    }
};

TEST_F(MainDialogsTest, DpiValueTypedPastedAndStepped) {
    const DpiStepTable table = HundredsTable();
    CDPIValueSettingDlg dlg(7, table);
    ASSERT_TRUE(dlg.Create());
    EditField* edit = dlg.FindEditField(CDPIValueSettingDlg::EditId);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetText(), L"800");
    EXPECT_EQ(dlg.FindControl(CDPIValueSettingDlg::MinimumId)->GetText(), L"100");
    EXPECT_EQ(dlg.FindControl(CDPIValueSettingDlg::MaximumId)->GetText(), L"16000");

    struct Case {
        const char* typed;
        int step;
    };
    for (const Case& c : {Case{"300", 2}, Case{"-1", 0}, Case{"150", 1}, Case{"0", 0},
                          Case{"99999999999999999999999", 159}, Case{"16001", 159}}) {
        Type(edit, QString::fromLatin1(c.typed));
        Key(edit, Qt::Key_Return);
        EXPECT_EQ(dlg.Step(), c.step) << c.typed;
        EXPECT_FALSE(dlg.IsEnded()) << "Enter applies the value, the dialog stays";
        EXPECT_EQ(dlg.FindControl(CDPIValueSettingDlg::ValueId)->GetText(),
                  std::to_wstring(100 * (c.step + 1)));
    }

    // A paste passes the same filter: letters never reach the field.
    edit->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("abc450x"));
    edit->paste();
    EXPECT_EQ(edit->GetText(), L"450");
    Key(edit, Qt::Key_Return);
    EXPECT_EQ(dlg.Step(), 4);

    // The arrows stop at the ends.
    Type(edit, QStringLiteral("100"));
    Key(edit, Qt::Key_Return);
    Key(edit, Qt::Key_Left);
    EXPECT_EQ(dlg.Step(), 0);
    Key(edit, Qt::Key_Right);
    EXPECT_EQ(dlg.Step(), 1);
    Type(edit, QStringLiteral("16000"));
    Key(edit, Qt::Key_Return);
    Key(edit, Qt::Key_Right);
    EXPECT_EQ(dlg.Step(), 159);

    // OK takes what is typed without Enter.
    Type(edit, QStringLiteral("1200"));
    Click(dlg, CDPIValueSettingDlg::OkId);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.Result(), IDOK);
    EXPECT_EQ(dlg.Step(), 11);
}

TEST_F(MainDialogsTest, DpiValueStartBeyondTheTableAndCancelBesideOk) {
    const DpiStepTable table = HundredsTable();
    CDPIValueSettingDlg dlg(400, table);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.Step(), 159);
    const QRect cancel = dlg.FindControl(CDPIValueSettingDlg::CancelId)->GetBounds();
    const QRect ok = dlg.FindControl(CDPIValueSettingDlg::OkId)->GetBounds();
    EXPECT_EQ(cancel.top(), ok.top());
    EXPECT_LT(cancel.right(), ok.left());
    Click(dlg, CDPIValueSettingDlg::CancelId);
    EXPECT_EQ(dlg.Result(), IDCANCEL);
    CDPIValueSettingDlg escaped(3, table);
    ASSERT_TRUE(escaped.Create());
    Key(escaped.FindEditField(CDPIValueSettingDlg::EditId), Qt::Key_Escape);
    EXPECT_EQ(escaped.Result(), IDCANCEL);
}

TEST_F(MainDialogsTest, PaletteTakesColoursFromItsImageOnly) {
    const QImage palette = LoadPngResource(287);
    ASSERT_FALSE(palette.isNull());
    for (double scale : {1.0, 2.0}) {
        UiScale = scale;
        Colour edited = Rgb(1, 2, 3);
        CColorPaletteDlg dlg(edited);
        ASSERT_TRUE(dlg.Create());
        // The ground between the swatches, and a place outside both areas.
        ASSERT_EQ(FromQColor(palette.pixelColor(QPoint(34, 30))), CColorPaletteDlg::Ground);
        for (QPoint design : {QPoint(34, 30), QPoint(480, 200)}) {
            test::DesktopClick(&dlg, QPoint(Scaled(design.x()), Scaled(design.y())));
            EXPECT_EQ(dlg.Working(), Rgb(1, 2, 3));
        }
        const QPoint colourAt(120, 140);
        const Colour expected = FromQColor(palette.pixelColor(colourAt));
        ASSERT_NE(expected, CColorPaletteDlg::Ground);
        test::DesktopClick(&dlg, QPoint(Scaled(colourAt.x()), Scaled(colourAt.y())));
        EXPECT_EQ(dlg.Working(), expected);
        EXPECT_EQ(dlg.FindControl(CColorPaletteDlg::RedId)->GetText(),
                  std::to_wstring(RedOf(expected)));
        // The red value's number is the other dialogs' cancel: here it is only a text.
        Click(dlg, CColorPaletteDlg::RedId);
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_EQ(edited, Rgb(1, 2, 3)) << "nothing written before OK";
        Shoot(&dlg, scale == 1.0 ? "dialog_palette_1x" : "dialog_palette_2x");
        Key(&dlg, Qt::Key_Return);
        EXPECT_EQ(dlg.Result(), IDOK);
        EXPECT_EQ(edited, expected);
    }
}

TEST_F(MainDialogsTest, PaletteClosedWritesNothing) {
    Colour edited = Rgb(1, 2, 3);
    CColorPaletteDlg dlg(edited);
    ASSERT_TRUE(dlg.Create());
    test::DesktopClick(&dlg, QPoint(120, 140));
    Click(dlg, CColorPaletteDlg::CloseId);
    EXPECT_EQ(dlg.Result(), IDCANCEL);
    EXPECT_EQ(edited, Rgb(1, 2, 3));
    CColorPaletteDlg escaped(edited);
    ASSERT_TRUE(escaped.Create());
    test::DesktopClick(&escaped, QPoint(120, 140));
    Key(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.Result(), IDCANCEL);
    EXPECT_EQ(edited, Rgb(1, 2, 3));
}

TEST_F(MainDialogsTest, ProfileNamesAreCleanedAndEmptyNamesRefused) {
    CAddProfileDlg add;
    ASSERT_TRUE(add.Create());
    EditField* edit = add.FindEditField(ProfileNameDialog::EditId);
    ASSERT_NE(edit, nullptr);
    for (const char* blank : {"", "   "}) {
        Type(edit, QString::fromLatin1(blank));
        Key(edit, Qt::Key_Return);
        EXPECT_FALSE(add.IsEnded()) << '"' << blank << '"';
        ASSERT_NE(add.Notice(), nullptr);
        EXPECT_EQ(add.Notice()->Message(), LanguageText(147));
        add.Notice()->close();
        QApplication::processEvents();
    }
    edit->clear();
    edit->insert(QStringLiteral("Fast\tand\nQuiet 0123456789012345678901234567890"));
    Click(add, ProfileNameDialog::OkId);
    EXPECT_EQ(add.Result(), IDOK);
    EXPECT_EQ(add.Name(), L"FastandQuiet 0123456789012345678");
    EXPECT_EQ(add.Name().size(), ProfileNameDialog::MaxNameLength);

    CEditProfileDlg rename(L"Old name");
    ASSERT_TRUE(rename.Create());
    EXPECT_EQ(rename.FindEditField(ProfileNameDialog::EditId)->GetText(), L"Old name");
    Click(rename, ProfileNameDialog::CancelId);
    EXPECT_EQ(rename.Result(), IDCANCEL);
    CEditProfileDlg escaped(L"Old name");
    ASSERT_TRUE(escaped.Create());
    Type(escaped.FindEditField(ProfileNameDialog::EditId), QStringLiteral("New"));
    Key(&escaped, Qt::Key_Escape);
    EXPECT_EQ(escaped.Result(), IDCANCEL);
    EXPECT_EQ(escaped.Name(), L"Old name");
}

TEST_F(MainDialogsTest, Pictures) {
    const DpiStepTable table = HundredsTable();
    for (double scale : {1.0, 2.0}) {
        UiScale = scale;
        const QString suffix = scale == 1.0 ? QStringLiteral("_1x") : QStringLiteral("_2x");
        CDPIValueSettingDlg dpi(15, table);
        CAddProfileDlg add;
        CEditProfileDlg rename(L"Shooter");
        CFirmwareResetDlg reset;
        const std::pair<CDlgBase*, const char*> dialogs[] = {
            {&dpi, "dialog_dpi_value"},
            {&add, "dialog_add_profile"},
            {&rename, "dialog_edit_profile"},
            {&reset, "dialog_firmware_reset"},
        };
        for (auto [dialog, name] : dialogs) {
            ASSERT_TRUE(dialog->Create());
            EXPECT_EQ(dialog->size(), QSize(Scaled(429), Scaled(140)));
            Shoot(dialog, QString::fromLatin1(name) + suffix);
        }
    }
}

class FirmwareResetTest : public test::WindowTest {};

TEST_F(FirmwareResetTest, ResetsTheMouseAndTheProfileKeepingItsName) {
    StartWindow();
    SetProfileValue(Profile(), ProfileKey::ProfileName, L"Mine");
    Profile().lighting.mode = 9;
    ClearReceivedFrames();
    int confirmations = 0;
    const auto outcome = ResetFirmware(
        Window().Discovery().link(), Window().Session().sync(),
        [&] { return ++confirmations, IDOK; }, [] { ADD_FAILURE() << "the mouse is there"; });
    EXPECT_EQ(outcome, FirmwareResetOutcome::Reset);
    EXPECT_EQ(confirmations, 1);
    EXPECT_EQ(ProfileValue(Profile(), ProfileKey::ProfileName), L"Mine");
    EXPECT_NE(Profile().lighting.mode, 9);
    const auto frames = ReceivedFrames();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front()[2], cmd::FactoryReset);
}

TEST_F(FirmwareResetTest, CancelledOrWithoutAMouseNothingChanges) {
    StartWindow();
    Profile().lighting.mode = 9;
    ClearReceivedFrames();
    EXPECT_EQ(ResetFirmware(Window().Discovery().link(), Window().Session().sync(),
                            [] { return IDCANCEL; }, {}),
              FirmwareResetOutcome::Cancelled);
    EXPECT_EQ(Profile().lighting.mode, 9);
    EXPECT_TRUE(ReceivedFrames().empty());

    StartWindow({.plugged = {}});
    Profile().lighting.mode = 9;
    const int saves = ProfileSaves();
    int notices = 0;
    EXPECT_EQ(ResetFirmware(Window().Discovery().link(), Window().Session().sync(),
                            [] { return IDOK; }, [&] { ++notices; }),
              FirmwareResetOutcome::NoDevice);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(Profile().lighting.mode, 9);
    EXPECT_EQ(ProfileSaves(), saves);
}

} // namespace
} // namespace ferrox
