// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and a dialog it opens, used with the keyboard alone: key events through the
// window system, nothing clicked.

#include "app/dialogs/profile_name_dialog.h"
#include "dialog_test.h"
#include "main_window_fixture.h"
#include "settings/profile_settings.h"
#include "ui/check_button.h"
#include "ui/edit_field.h"
#include "ui/slider_control.h"

#include <QTest>

#include <set>

namespace ferrox {
namespace {

class Keyboard : public MainWindow {
protected:
    static int FocusedId(CDlgBase& dialog) {
        if (CControlBase* control = dialog.Focus().Focused())
            return control->Id();
        auto* field = dynamic_cast<EditField*>(dialog.focusWidget());
        return field ? field->Id() : -1;
    }
    // Tab until the control has the focus; false when a whole round never reached it.
    static bool TabTo(CDlgBase& dialog, int id) {
        const std::size_t stops = dialog.Focus().Chain().size();
        for (std::size_t i = 0; i <= stops && FocusedId(dialog) != id; ++i)
            test::DesktopKey(&dialog, Qt::Key_Tab);
        Settle();
        return FocusedId(dialog) == id;
    }
    static void Press(CDlgBase& dialog, Qt::Key key) {
        test::DesktopKey(&dialog, key);
        Settle();
    }
    // Opens the rename dialog from the keyboard; answer runs while it is up.
    void Rename(std::function<void(CDlgBase&)> answer) {
        AnswerDialog(std::move(answer));
        ASSERT_TRUE(TabTo(Window(), MainId::RenameProfile));
        Press(Window(), Qt::Key_Space);
    }
};

TEST_F(Keyboard, TabReadsTheWindowColumnByColumnAndVisitsEveryStopOnce) {
    StartWindow();
    const std::size_t stops = Window().Focus().Chain().size();
    std::vector<int> order;
    for (std::size_t i = 0; i < stops; ++i) {
        Key(Qt::Key_Tab);
        order.push_back(FocusedId(Window()));
    }
    EXPECT_EQ(std::set<int>(order.begin(), order.end()).size(), stops);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(Window()), order.front()) << "round and back to the first";
    Key(Qt::Key_Backtab);
    EXPECT_EQ(FocusedId(Window()), order.back());

    const auto at = [&](int id) { return std::find(order.begin(), order.end(), id) - order.begin(); };
    // The left column down to its last check box, then the profile bar, then the right column.
    EXPECT_LT(at(MainId::MoveLightingCheck), at(MainId::MotionWakeupCheck));
    EXPECT_LT(at(MainId::MotionWakeupCheck), at(MainId::RenameProfile));
    EXPECT_LT(at(MainId::RenameProfile), at(MainId::LightingMenu));
    EXPECT_LT(at(MainId::LightingMenu), at(MainId::SpeedSlider));
    EXPECT_LT(at(MainId::SpeedSlider), at(MainId::SendAgain));
}

TEST_F(Keyboard, SpaceTogglesACheckBoxAndTheArrowsMoveASlider) {
    StartWindow();
    LetStartUpGo();
    auto* check = As<CCheckButton>(MainId::MoveLightingCheck);
    const bool before = check->GetChecked();
    ASSERT_TRUE(TabTo(Window(), MainId::MoveLightingCheck));
    Press(Window(), Qt::Key_Space);
    EXPECT_NE(check->GetChecked(), before);
    EXPECT_EQ(ProfileNumber(Profile(), ProfileKey::MoveLightingOnOffMode), before ? 0 : 1);
    EXPECT_TRUE(Window().IsTimerActive(kApplyTimer));

    auto* speed = As<CSliderControl>(MainId::SpeedSlider);
    ASSERT_TRUE(TabTo(Window(), MainId::SpeedSlider));
    speed->SetIndex(1);
    const auto speeds = Profile().lighting.speed;
    Press(Window(), Qt::Key_Right);
    EXPECT_EQ(speed->GetIndex(), 2);
    Press(Window(), Qt::Key_Left);
    Press(Window(), Qt::Key_Left);
    EXPECT_EQ(speed->GetIndex(), 0);
    // The shown mode's speed, and only it, went into the profile.
    std::size_t changed = 0;
    for (std::size_t m = 0; m < speeds.size(); ++m)
        if (Profile().lighting.speed[m] != speeds[m]) {
            ++changed;
            EXPECT_EQ(Profile().lighting.speed[m], 0);
        }
    EXPECT_EQ(changed, 1u);
}

TEST_F(Keyboard, EnterAndEscapeDoNothingInTheMainWindowWhereverTheFocusIs) {
    StartWindow();
    LetStartUpGo();
    auto* check = As<CCheckButton>(MainId::MotionWakeupCheck);
    const bool before = check->GetChecked();
    ASSERT_TRUE(TabTo(Window(), MainId::MotionWakeupCheck));
    ClearReceivedFrames();
    Press(Window(), Qt::Key_Return);
    Press(Window(), Qt::Key_Escape);
    EXPECT_EQ(check->GetChecked(), before);
    EXPECT_FALSE(Window().IsTimerActive(kApplyTimer));
    EXPECT_FALSE(Window().IsEnded());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(ReceivedFrames().empty());
    Press(Window(), Qt::Key_Space); // the check box itself still works from the keyboard
    EXPECT_NE(check->GetChecked(), before);
}

TEST_F(Keyboard, EscapeCancelsTheRenameDialogAndChangesNothing) {
    StartWindow();
    const std::wstring name = ProfileValue(Profile(), ProfileKey::ProfileName);
    int result = 0;
    Rename([&result](CDlgBase& dialog) {
        EXPECT_EQ(FocusedId(dialog), ProfileNameDialog::EditId) << "the name is ready to type";
        QTest::keyClicks(dialog.focusWidget(), QStringLiteral("Typed"));
        Press(dialog, Qt::Key_Escape);
        result = dialog.Result();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ProfileValue(Profile(), ProfileKey::ProfileName), name);
}

TEST_F(Keyboard, TheRenameDialogIsReadInOrderAndItsButtonsPressedWithTheKeys) {
    StartWindow();
    std::vector<int> order;
    Rename([&order](CDlgBase& dialog) {
        EditField* edit = dialog.FindEditField(ProfileNameDialog::EditId);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Quiet"));
        for (int i = 0; i < 4; ++i) {
            Press(dialog, Qt::Key_Tab);
            order.push_back(FocusedId(dialog));
        }
        ASSERT_EQ(order.back(), ProfileNameDialog::EditId);
        Press(dialog, Qt::Key_Tab); // OK, beside Cancel and below the name
        test::SaveScreenshot(dialog.grab().toImage(), QStringLiteral("keyboard_focus_rename"));
        Press(dialog, Qt::Key_Space);
    });
    EXPECT_EQ(order, (std::vector<int>{ProfileNameDialog::OkId, ProfileNameDialog::CancelId,
                                       ProfileNameDialog::CloseId, ProfileNameDialog::EditId}));
    EXPECT_EQ(ProfileValue(Profile(), ProfileKey::ProfileName), L"Quiet");
}

TEST_F(Keyboard, TheFocusRingShowsInTheAccentColour) {
    StartWindow();
    ASSERT_TRUE(TabTo(Window(), MainId::LightingMenu));
    const QImage shot = Window().grab().toImage();
    test::SaveScreenshot(shot, QStringLiteral("keyboard_focus_main"));
    const QRect ring = DialogFocus::RingRect(Bounds(MainId::LightingMenu));
    EXPECT_EQ(shot.pixelColor(ring.center().x(), ring.top()), ToQColor(look::Accent));
}

} // namespace
} // namespace ferrox
