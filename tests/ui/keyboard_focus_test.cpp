// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in a drawn dialog: the order Tab visits controls and edit fields, the keys that
// act on the focused control, and the ring that shows it.

#include "platform/virtual_keys.h"
#include "ui/check_button.h"
#include "ui/focus_order.h"
#include "ui/image_button.h"
#include "ui/look_colours.h"
#include "ui/radio_button.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/ui_state.h"
#include "ui_test_support.h"

#include <QTest>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

struct OrderCase {
    const char* layout;
    std::vector<QRect> rects;
    std::vector<std::size_t> expected;
};

TEST(ReadingOrder, ColumnsAreReadOneAfterTheOtherAndRowsLeftToRight) {
    const std::vector<OrderCase> cases = {
        {"two columns whose rows do not line up",
         {{0, 0, 100, 20}, {200, 10, 100, 20}, {0, 40, 100, 20}, {200, 45, 100, 20}},
         {0, 2, 1, 3}},
        {"below a full-width row the rest is read row by row",
         {{0, 0, 300, 10}, {0, 30, 100, 20}, {200, 30, 100, 20}, {0, 60, 100, 20}},
         {0, 1, 2, 3}},
        {"a small button above the right column goes with that column",
         {{250, 0, 20, 10}, {0, 30, 100, 20}, {200, 30, 100, 20}, {0, 60, 100, 20}},
         {1, 3, 0, 2}},
        {"a narrow band down a dialog is no gutter: its rows are read first",
         {{405, 4, 15, 15}, {11, 40, 295, 22}, {260, 110, 70, 20}, {350, 110, 70, 20}},
         {0, 1, 2, 3}},
        {"a dialog's rows: wider gaps between rows than between buttons",
         {{260, 110, 70, 20}, {350, 110, 70, 20}, {15, 65, 400, 22}},
         {2, 0, 1}},
        {"overlapping controls: top first, then left",
         {{50, 10, 100, 30}, {0, 12, 100, 30}, {0, 10, 100, 30}},
         {2, 0, 1}},
        {"nothing", {}, {}},
    };
    for (const OrderCase& c : cases)
        EXPECT_EQ(ReadingOrder(c.rects, 24), c.expected) << c.layout;
}

// A small dialog: an OK button that ends it, a check box, a two-button radio group, a slider
// and an edit field, laid out in two rows.
class KeyboardDialog : public ::testing::Test {
protected:
    static constexpr int CheckId = 3501;
    static constexpr int FirstRadio = 3510;
    static constexpr int SecondRadio = 3511;
    static constexpr int SliderId = 3220;
    static constexpr int EditId = 2017;

    void SetUp() override {
        saved_ = RadioGroupFlags;
        RadioGroupFlags = 0x100000;
        dialog_.Create();
        ok_ = dialog_.AddControl(0, std::make_unique<CImageButton>(&dialog_, CDlgBase::OkId, 300,
                                                                   250, 370, 270, L"OK"));
        check_ = dialog_.AddControl(
            0, std::make_unique<CCheckButton>(&dialog_, CheckId, 10, 10, 25, 25));
        dialog_.AddControl(0, std::make_unique<CStaticText>(&dialog_, 3402, 30, 10, 200, 25,
                                                            L"Wake up on movement"));
        for (int i = 0; i < 2; ++i) {
            radios_[i] = dialog_.AddControl(
                0, std::make_unique<CRadioButton>(&dialog_, FirstRadio + i, 10 + 60 * i, 60,
                                                  60 + 60 * i, 80, i ? L"Down" : L"Up"));
            radios_[i]->SetGroup(0x100000u << i, 0x300000);
        }
        slider_ = dialog_.AddControl(
            0, std::make_unique<CSliderControl>(&dialog_, SliderId, 10, 120, 210, 135, 5, 0, 0));
        edit_ = dialog_.AddEditField(EditId, {10, 180, 200, 200});
        for (int id : {CheckId, FirstRadio, SecondRadio, SliderId})
            dialog_.Listen(id);
        dialog_.bindMessage(CDlgBase::OkId, [this](WParam, LParam code) {
            okClicks_ += code == NotifyClicked;
            return 0;
        });
    }
    void TearDown() override { RadioGroupFlags = saved_; }

    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != &dialog_)
            target = &dialog_;
        QTest::keyClick(target, key, modifiers);
    }
    // The drawn control or edit field the keyboard is on, by ID.
    int FocusedId() {
        if (CControlBase* control = dialog_.Focus().Focused())
            return control->Id();
        auto* field = dynamic_cast<EditField*>(dialog_.focusWidget());
        return field ? field->Id() : -1;
    }
    QImage Paint() {
        QImage image(dialog_.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        Canvas canvas(painter);
        dialog_.PaintWindow(canvas, image.rect(), false);
        return image;
    }
    bool RingAround(const QImage& image, const CControlBase& control) {
        const QRect ring = DialogFocus::RingRect(control.GetBounds());
        return image.pixelColor(ring.center().x(), ring.top()) == ToQColor(look::Accent);
    }

    RecordingDialog dialog_;
    CImageButton* ok_ = nullptr;
    CCheckButton* check_ = nullptr;
    std::array<CRadioButton*, 2> radios_{};
    CSliderControl* slider_ = nullptr;
    EditField* edit_ = nullptr;
    int okClicks_ = 0;
    std::uint32_t saved_ = 0;
};

TEST_F(KeyboardDialog, TabVisitsEveryStopInReadingOrderAndShiftTabGoesBack) {
    // The label is no stop; the edit field takes its turn among the drawn controls.
    const std::vector<int> forward = {CheckId, FirstRadio, SecondRadio, SliderId, EditId,
                                      CDlgBase::OkId, CheckId};
    std::vector<int> seen;
    for (std::size_t i = 0; i < forward.size(); ++i) {
        Key(Qt::Key_Tab);
        seen.push_back(FocusedId());
    }
    EXPECT_EQ(seen, forward);
    Key(Qt::Key_Backtab);
    EXPECT_EQ(FocusedId(), int(CDlgBase::OkId));
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedId(), EditId);
}

TEST_F(KeyboardDialog, HiddenAndLockedControlsAreSkipped) {
    radios_[0]->SetVisible(0);
    slider_->SetLocked(1);
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), SecondRadio);
    Key(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), EditId);
}

TEST_F(KeyboardDialog, SpaceTogglesTheCheckBoxAsAClickDoes) {
    Key(Qt::Key_Tab);
    Key(Qt::Key_Space);
    EXPECT_TRUE(check_->GetChecked());
    EXPECT_EQ(dialog_.notes, (std::vector<Notification>{{CheckId, 0, NotifyPressed},
                                                        {CheckId, 0, NotifyClicked}}));
    Key(Qt::Key_Space);
    EXPECT_FALSE(check_->GetChecked());
    // Pressed from the keyboard, it does not keep a look the pointer never gave it.
    EXPECT_EQ(check_->GetMouseState(), int(MouseNormal));
}

TEST_F(KeyboardDialog, ArrowsMoveTheSliderAndTheDialogHearsAMoveAndItsEnd) {
    for (int i = 0; i < 4; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedId(), SliderId);
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    EXPECT_EQ(slider_->GetIndex(), 2);
    EXPECT_EQ(dialog_.notes.back(), (Notification{SliderId, 0, NotifyClicked}));
    EXPECT_EQ(dialog_.notes[dialog_.notes.size() - 2],
              (Notification{SliderId, 2, NotifyValueChanged}));
    Key(Qt::Key_End);
    EXPECT_EQ(slider_->GetIndex(), 4);
    dialog_.ClearRecords();
    Key(Qt::Key_Right); // already at the end: nothing to tell
    EXPECT_TRUE(dialog_.notes.empty());
    Key(Qt::Key_Home);
    Key(Qt::Key_Left);
    EXPECT_EQ(slider_->GetIndex(), 0);
}

TEST_F(KeyboardDialog, ArrowsMoveTheChoiceAndTheFocusWithinARadioGroup) {
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedId(), FirstRadio);
    Key(Qt::Key_Right);
    EXPECT_EQ(FocusedId(), SecondRadio);
    EXPECT_TRUE(radios_[1]->IsSelected());
    EXPECT_FALSE(radios_[0]->IsSelected());
    Key(Qt::Key_Down); // wraps round the group
    EXPECT_EQ(FocusedId(), FirstRadio);
    EXPECT_TRUE(radios_[0]->IsSelected());
    EXPECT_EQ(RadioGroupFlags, 0x100000u);
}

TEST_F(KeyboardDialog, EnterPressesTheFocusedButtonRatherThanConfirmingTheDialog) {
    Key(Qt::Key_Tab); // the check box
    Key(Qt::Key_Return);
    EXPECT_TRUE(check_->GetChecked());
    EXPECT_FALSE(dialog_.IsEnded());
    // Off the buttons Enter is the dialog's again: OK.
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Tab);
    ASSERT_EQ(FocusedId(), SliderId);
    Key(Qt::Key_Return);
    EXPECT_TRUE(dialog_.IsEnded());
    EXPECT_EQ(dialog_.Result(), IDOK);
    EXPECT_EQ(okClicks_, 0);
}

TEST_F(KeyboardDialog, TheRingShowsOnlyWhenTheKeyboardMovedTheFocus) {
    Key(Qt::Key_Tab);
    EXPECT_TRUE(RingAround(Paint(), *check_));
    // A click moves the focus quietly: the window looks as it does without a keyboard.
    const QPoint on = radios_[0]->GetBounds().center();
    Click(&dialog_, on);
    EXPECT_EQ(FocusedId(), FirstRadio);
    const QImage clicked = Paint();
    EXPECT_FALSE(RingAround(clicked, *check_));
    EXPECT_FALSE(RingAround(clicked, *radios_[0]));
    Key(Qt::Key_Tab);
    EXPECT_TRUE(RingAround(Paint(), *radios_[1]));
}

} // namespace
} // namespace ferrox
