// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of a drawn dialog through Qt's accessibility interfaces.

#include "lang/language_table.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/control_accessibility.h"
#include "ui/image_button.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui_test_support.h"

#include <QAccessible>
#include <QCoreApplication>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

class AccessibleDialog : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {LanguageTable[15], LanguageTable[330]};
        LanguageTable[15] = L"Battery";
        LanguageTable[330] = L"Close";
        dialog_.Create();
        dialog_.setWindowTitle(QStringLiteral("Power"));
        close_ = dialog_.AddControl(
            0, std::make_unique<CImageButton>(&dialog_, CDlgBase::CloseId, 380, 4, 395, 19));
        check_ = dialog_.AddControl(
            0, std::make_unique<CCheckButton>(&dialog_, 3501, 10, 10, 25, 25));
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3402, 30, 10, 200, 25,
                                                            L"Wake up on movement"));
        // A label on the row names a check box before a nearer one above it.
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3407, 10, 32, 200, 48,
                                                            L"Sleep after 6 min"));
        dialog_.AddControl(0, std::make_unique<CCheckButton>(&dialog_, 3505, 10, 50, 25, 65));
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3404, 30, 50, 200, 65,
                                                            L"Lights off while moving"));
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3403, 10, 90, 200, 105,
                                                            L"Speed"));
        slider_ = dialog_.AddControl(
            0, std::make_unique<CSliderControl>(&dialog_, 3220, 10, 110, 210, 125, 5, 0, 0));
        battery_ = dialog_.AddControl(
            0, std::make_unique<CBattery>(&dialog_, 340, 10, 380, 60));
        // Its percentage beside it is a label of its own, not its name.
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3405, 382, 10, 420, 30,
                                                            L"100%"));
        // Decoration and an empty line: nothing for a screen reader.
        dialog_.AddControl(0, std::make_unique<CStaticImage>(&dialog_, 3000, 0, 0, 400, 300));
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 2013, 0, 200, 400, 220,
                                                            L""));
        hidden_ = dialog_.AddControl(
            1, std::make_unique<CImageButton>(&dialog_, 2045, 10, 250, 80, 270, L"Reset"));
        hidden_->SetShown(0);
        dialog_.Listen(3501);
        dialog_.Listen(3220);
        window_ = QAccessible::queryAccessibleInterface(&dialog_);
        ASSERT_NE(window_, nullptr);
    }

    void TearDown() override {
        LanguageTable[15] = saved_[0];
        LanguageTable[330] = saved_[1];
    }

    QAccessibleInterface* Child(int id) {
        for (int i = 0; i < window_->childCount(); ++i)
            if (QAccessibleInterface* child = window_->child(i);
                child && child == ControlInterface(dialog_, dialog_.FindControl(id)))
                return child;
        return nullptr;
    }

    RecordingDialog dialog_;
    CImageButton* close_ = nullptr;
    CCheckButton* check_ = nullptr;
    CSliderControl* slider_ = nullptr;
    CBattery* battery_ = nullptr;
    CImageButton* hidden_ = nullptr;
    QAccessibleInterface* window_ = nullptr;
    std::array<std::wstring, 2> saved_;
};

TEST_F(AccessibleDialog, EveryShownControlThatMeansSomethingIsAChildWithARoleAndAName) {
    struct Expected {
        int id;
        QAccessible::Role role;
        QString name;
    };
    const std::vector<Expected> expected = {
        {CDlgBase::CloseId, QAccessible::Button, "Close"},
        {3501, QAccessible::CheckBox, "Wake up on movement"}, // the label beside it
        {3402, QAccessible::StaticText, "Wake up on movement"},
        {3407, QAccessible::StaticText, "Sleep after 6 min"},
        {3505, QAccessible::CheckBox, "Lights off while moving"},
        {3404, QAccessible::StaticText, "Lights off while moving"},
        {3403, QAccessible::StaticText, "Speed"},
        {3220, QAccessible::Slider, "Speed"}, // the label above it
        {CBattery::BatteryId, QAccessible::ProgressBar, "Battery"},
        {3405, QAccessible::StaticText, "100%"},
    };
    EXPECT_EQ(window_->role(), QAccessible::Window);
    EXPECT_EQ(window_->childCount(), int(expected.size()));
    for (const Expected& e : expected) {
        QAccessibleInterface* child = Child(e.id);
        ASSERT_NE(child, nullptr) << e.id;
        EXPECT_EQ(child->role(), e.role) << e.id;
        EXPECT_EQ(child->text(QAccessible::Name), e.name) << e.id;
        EXPECT_EQ(child->parent(), window_);
        EXPECT_EQ(window_->indexOfChild(child), window_->indexOfChild(Child(e.id)));
    }
    EXPECT_EQ(ControlInterface(dialog_, hidden_), nullptr);
    EXPECT_EQ(ControlInterface(dialog_, dialog_.FindControl(3000)), nullptr);
    // Shown again, it is there again.
    hidden_->SetShown(1);
    EXPECT_EQ(window_->childCount(), int(expected.size()) + 1);
}

TEST_F(AccessibleDialog, StatesAndValuesFollowTheControls) {
    QAccessibleInterface* check = Child(3501);
    EXPECT_TRUE(check->state().checkable);
    EXPECT_FALSE(check->state().checked);
    check_->SetChecked(true);
    EXPECT_TRUE(check->state().checked);
    check_->SetLocked(1);
    EXPECT_TRUE(check->state().disabled);
    EXPECT_TRUE(check->actionInterface()->actionNames().isEmpty());

    slider_->SetIndex(3);
    QAccessibleValueInterface* value = Child(3220)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 3);
    EXPECT_EQ(value->minimumValue().toInt(), 0);
    EXPECT_EQ(value->maximumValue().toInt(), 4);
    battery_->SetLevel(40);
    EXPECT_EQ(Child(CBattery::BatteryId)->valueInterface()->currentValue().toInt(), 40);
    EXPECT_EQ(Child(3501)->valueInterface(), nullptr);
}

TEST_F(AccessibleDialog, ActionsDoWhatTheKeysDoOnceTheEventLoopRuns) {
    QAccessibleActionInterface* toggle = Child(3501)->actionInterface();
    ASSERT_NE(toggle, nullptr);
    ASSERT_TRUE(toggle->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    toggle->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(check_->GetChecked()); // a dialog it opens must not hold the caller
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(check_->GetChecked());
    EXPECT_EQ(dialog_.notes.back(), (Notification{3501, 0, NotifyClicked}));

    QAccessibleInterface* slider = Child(3220);
    slider->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(slider_->GetIndex(), 1);
    slider->valueInterface()->setCurrentValue(4);
    EXPECT_EQ(slider_->GetIndex(), 4);
    EXPECT_EQ(dialog_.notes.back(), (Notification{3220, 0, NotifyClicked}));
    slider->valueInterface()->setCurrentValue(99); // past the end: stops at the end
    EXPECT_EQ(slider_->GetIndex(), 4);

    Child(3220)->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(dialog_.Focus().Focused(), slider_);
    EXPECT_TRUE(Child(3220)->state().focused);
    EXPECT_EQ(window_->focusChild(), Child(3220));
}

TEST(AccessibleEditField, AnEditFieldIsNamedByItsLabelOrElseByTheWindow) {
    RecordingDialog dialog;
    dialog.AddControl(0, std::make_unique<CStaticText>(&dialog, 2012, 10, 5, 220, 23,
                                                       L"Profile name"));
    EditField* labelled = dialog.AddEditField(2017, {11, 30, 306, 52});
    EditField* alone = dialog.AddEditField(2018, {11, 200, 306, 222});
    dialog.Create();
    EXPECT_EQ(labelled->accessibleName(), QStringLiteral("Profile name"));
    EXPECT_FALSE(alone->accessibleName().isEmpty());
    EXPECT_EQ(alone->accessibleName(), dialog.windowTitle());
}

} // namespace
} // namespace ferrox
