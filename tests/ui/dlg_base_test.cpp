// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/language_table.h"
#include "ui/dlg_base.h"
#include "ui/open_dialog_table.h"
#include "ui_test_support.h"

#include <QKeyEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ferrox {
namespace {

using namespace ferrox::test;

// A control that logs the input it receives and shows hover like the real ones.
class ProbeControl : public CControlBase {
public:
    ProbeControl(WindowBase* owner, int id, QRect r)
        : CControlBase(owner, id, r.left(), r.top(), r.right() + 1, r.bottom() + 1) {}
    bool OnMouseMove(int x, int y) override {
        log.push_back("move");
        const bool over = Contains(x, y);
        const bool changed = over != over_;
        over_ = over;
        return changed;
    }
    bool OnLButtonDown(int, int) override {
        log.push_back("down");
        Notify(NotifyPressed);
        return true;
    }
    bool OnLButtonUp(int x, int y) override {
        log.push_back("up");
        if (Contains(x, y))
            Notify(NotifyClicked);
        return true;
    }
    bool OnRButtonUp(int, int) override {
        log.push_back("rup");
        return false;
    }
    void ResetState(int) override { log.push_back("reset"); }
    std::vector<std::string> log;

private:
    bool over_ = false;
};

class DlgBaseTest : public ::testing::Test {
protected:
    void SetUp() override { dialog.Create(); }
    ProbeControl* Add(int layer, int id, QRect r) {
        return dialog.AddControl(layer, std::make_unique<ProbeControl>(&dialog, id, r));
    }
    RecordingDialog dialog;
};

TEST_F(DlgBaseTest, PressOutsideEveryControlDragsTheWindowAndReachesNoControl) {
    auto* button = Add(0, 100, QRect(10, 10, 50, 20));
    dialog.Listen(100);
    Move(&dialog, {200, 200});
    Press(&dialog, {200, 200});
    EXPECT_TRUE(dialog.IsWindowDragging());
    EXPECT_EQ(dialog.ActiveControl(), nullptr);
    Release(&dialog, {200, 200});
    EXPECT_TRUE(dialog.notes.empty());
    EXPECT_EQ(std::count(button->log.begin(), button->log.end(), "down"), 0);
}

TEST_F(DlgBaseTest, HeldButtonKeepsThePointerOnThePressedControl) {
    auto* a = Add(0, 100, QRect(10, 10, 50, 20));
    auto* b = Add(0, 101, QRect(100, 10, 50, 20));
    Move(&dialog, {20, 20});
    Press(&dialog, {20, 20});
    ASSERT_EQ(dialog.HotControl(), a);
    b->log.clear();
    Move(&dialog, {120, 20}, Qt::LeftButton);
    EXPECT_EQ(dialog.HotControl(), a);
    EXPECT_TRUE(b->log.empty()) << "no other control hears moves while the button is held";
}

TEST_F(DlgBaseTest, UpperLayerAndLaterControlWinTheHover) {
    const QRect same(10, 10, 50, 20);
    Add(0, 100, same);
    auto* upper = Add(3, 101, same);
    Move(&dialog, {20, 20});
    EXPECT_EQ(dialog.HotControl(), upper);

    Add(5, 102, QRect(200, 10, 50, 20));
    auto* later = Add(5, 103, QRect(200, 10, 50, 20));
    Move(&dialog, {210, 20});
    EXPECT_EQ(dialog.HotControl(), later);
}

TEST_F(DlgBaseTest, ReleaseOutsideThePressedControlForgetsItWithoutClicking) {
    auto* a = Add(0, 100, QRect(10, 10, 50, 20));
    dialog.Listen(100);
    Move(&dialog, {20, 20});
    Press(&dialog, {20, 20});
    Move(&dialog, {300, 200}, Qt::LeftButton);
    Release(&dialog, {300, 200});
    EXPECT_EQ(dialog.HotControl(), nullptr);
    EXPECT_EQ(dialog.LastPointer(), QPoint(-1, -1));
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{100, 0, NotifyPressed}}));
    EXPECT_EQ(a->log.back(), "up");
    EXPECT_FALSE(dialog.ButtonHeld());
}

TEST_F(DlgBaseTest, ClickInsideNotifiesPressedThenClickedAndRepaintsTheControl) {
    auto* a = Add(0, 100, QRect(10, 10, 50, 20));
    dialog.Listen(100);
    Click(&dialog, {20, 20});
    EXPECT_EQ(dialog.notes,
              (std::vector<Notification>{{100, 0, NotifyPressed}, {100, 0, NotifyClicked}}));
    EXPECT_EQ(dialog.HotControl(), a);
    EXPECT_EQ(dialog.LastPointer(), QPoint(20, 20));
    EXPECT_EQ(dialog.wholeRepaints, 0);
    EXPECT_EQ(dialog.repainted.back(), a->GetBounds());
}

TEST_F(DlgBaseTest, PageControlsRepaintTheWholeWindowOnRelease) {
    auto* tab = Add(0, 2049, QRect(10, 10, 50, 20));
    tab->SetRepaintsWindowOnRelease(true);
    Click(&dialog, {20, 20});
    EXPECT_EQ(dialog.wholeRepaints, 1);
}

TEST_F(DlgBaseTest, HandlerThatDropsTheHotControlEndsTheReleaseQuietly) {
    Add(0, 100, QRect(10, 10, 50, 20));
    dialog.bindMessage(100, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            dialog.ClearHotControl();
        return 0;
    });
    Click(&dialog, {20, 20});
    EXPECT_EQ(dialog.HotControl(), nullptr);
    EXPECT_EQ(dialog.wholeRepaints, 0);
}

TEST_F(DlgBaseTest, PressElsewhereResetsThePreviouslyActiveControl) {
    auto* a = Add(0, 100, QRect(10, 10, 50, 20));
    Add(0, 101, QRect(100, 10, 50, 20));
    Click(&dialog, {20, 20});
    EXPECT_EQ(dialog.ActiveControl(), a);
    Click(&dialog, {110, 20});
    EXPECT_EQ(a->log.back(), "reset");
    EXPECT_EQ(dialog.ActiveControl(), dialog.FindControl(101));
}

TEST_F(DlgBaseTest, LeavingTheWindowClearsTheHoverUnlessHeld) {
    auto* a = Add(0, 100, QRect(10, 10, 50, 20));
    Move(&dialog, {20, 20});
    Press(&dialog, {20, 20});
    Leave(&dialog);
    EXPECT_EQ(dialog.HotControl(), a) << "held: the pressed control keeps the pointer";
    Release(&dialog, {20, 20});
    Move(&dialog, {20, 20});
    Leave(&dialog);
    EXPECT_EQ(dialog.HotControl(), nullptr);
}

TEST_F(DlgBaseTest, HiddenOrUnshownControlsAreNeitherHitNorDrawn) {
    auto* invisible = Add(0, 100, QRect(10, 10, 50, 20));
    invisible->SetVisible(0);
    auto* unshown = Add(0, 101, QRect(100, 10, 50, 20));
    unshown->SetShown(0);
    Move(&dialog, {20, 20});
    EXPECT_EQ(dialog.HotControl(), nullptr);
    Move(&dialog, {110, 20});
    EXPECT_EQ(dialog.HotControl(), nullptr);
    EXPECT_TRUE(invisible->log.empty());
    EXPECT_TRUE(unshown->log.empty());
}

TEST_F(DlgBaseTest, RightReleaseReachesTheControlOnlyOverLayerZero) {
    auto* low = Add(0, 100, QRect(10, 10, 50, 20));
    auto* high = Add(2, 101, QRect(100, 10, 50, 20));
    Move(&dialog, {20, 20});
    Release(&dialog, {20, 20}, Qt::RightButton);
    EXPECT_EQ(low->log.back(), "rup");
    Move(&dialog, {110, 20});
    Release(&dialog, {110, 20}, Qt::RightButton);
    EXPECT_NE(high->log.back(), "rup");
}

TEST(DlgBaseFind, LowerLayerWinsForADuplicatedId) {
    RecordingDialog dialog;
    auto* upper = dialog.AddControl(4, std::make_unique<CControlBase>(&dialog, 7, 0, 0, 1, 1));
    auto* lower = dialog.AddControl(1, std::make_unique<CControlBase>(&dialog, 7, 0, 0, 1, 1));
    EXPECT_EQ(dialog.FindControl(7), lower);
    EXPECT_NE(dialog.FindControl(7), upper);
    EXPECT_EQ(dialog.FindControl(8), nullptr);
}

TEST(DlgBasePaint, MinimisedWindowPaintsOnlyOnePixel) {
    RecordingDialog dialog;
    dialog.resize(100, 100);
    dialog.AddControl(0, std::make_unique<CControlBase>(&dialog, 7, 0, 0, 50, 50));
    QImage target(100, 100, QImage::Format_RGB32);
    target.fill(Qt::black);
    {
        QPainter painter(&target);
        Canvas canvas(painter);
        dialog.PaintWindow(canvas, target.rect(), true);
    }
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(target.pixelColor(x, y),
                      (x == 10 && y == 10) ? QColor(Qt::white) : QColor(Qt::black))
                << x << "," << y;
}

TEST(DlgBasePaint, NormalPaintFillsWithTheDefaultBackgroundUntilAFrameLoads) {
    RecordingDialog dialog;
    dialog.resize(20, 20);
    QImage target(20, 20, QImage::Format_RGB32);
    {
        QPainter painter(&target);
        Canvas canvas(painter);
        dialog.PaintWindow(canvas, target.rect(), false);
    }
    EXPECT_EQ(target.pixelColor(19, 19), ToQColor(CDlgBase::DefaultBackground));
}

// A dialog set up from its frame description alone, with the three shared end buttons.
class FramedDialog : public CDlgBase {
public:
    explicit FramedDialog(const DialogFrame& frame) : CDlgBase(nullptr, frame) {}

protected:
    void CreateControls(int, int, int, int) override {
        int left = 0;
        for (int id : {OkId, CancelId, CloseId}) {
            AddControl(0, std::make_unique<ProbeControl>(this, id, QRect(left, 0, 20, 20)));
            left += 30;
        }
    }
};

TEST(DlgBaseFrame, TheDescriptionSizesTitlesAndRegistersTheDialog) {
    ClearOpenDialogTable();
    const std::wstring saved = LanguageTable[7];
    LanguageTable[7] = L"Reset the mouse";
    FramedDialog dialog({.width = 200, .height = 100, .titleText = 7});
    dialog.Create();
    EXPECT_EQ(dialog.size(), QSize(int(200 * UiScale), int(100 * UiScale)));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Reset the mouse"));
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(OpenDialogTable[0], &dialog);
    LanguageTable[7] = saved;

    FramedDialog modeless({.width = 200, .height = 100, .modal = false});
    modeless.Create();
    EXPECT_EQ(modeless.windowModality(), Qt::NonModal);
    EXPECT_EQ(modeless.windowTitle(), QStringLiteral("Gaming Mouse")) << "no text: left as it is";
}

TEST(DlgBaseFrame, EndButtonsAndKeysEndTheDialogAsDescribed) {
    constexpr int NotEnded = -1;
    using K = DefaultKey;
    struct Case {
        EndButtons ends;
        K enter, escape;
        int clicked; // a button's id, or 0 to press the key below
        int qtKey;
        int result;
    };
    const Case cases[] = {
        {EndButtons::OkCancelClose, K::EndOk, K::EndCancel, CDlgBase::OkId, 0, IDOK},
        {EndButtons::OkCancelClose, K::EndOk, K::EndCancel, CDlgBase::CancelId, 0, IDCANCEL},
        {EndButtons::OkCancelClose, K::EndOk, K::EndCancel, CDlgBase::CloseId, 0, IDCANCEL},
        {EndButtons::OkClose, K::EndOk, K::EndCancel, CDlgBase::CancelId, 0, NotEnded},
        {EndButtons::OkClose, K::EndOk, K::EndCancel, CDlgBase::CloseId, 0, IDCANCEL},
        {EndButtons::Close, K::EndOk, K::EndCancel, CDlgBase::OkId, 0, NotEnded},
        {EndButtons::Close, K::EndOk, K::EndCancel, CDlgBase::CloseId, 0, IDCANCEL},
        {EndButtons::None, K::EndOk, K::EndCancel, CDlgBase::CloseId, 0, NotEnded},
        {EndButtons::None, K::EndOk, K::Swallow, 0, Qt::Key_Return, IDOK},
        {EndButtons::None, K::EndOk, K::Swallow, 0, Qt::Key_Escape, NotEnded},
        {EndButtons::None, K::Swallow, K::EndCancel, 0, Qt::Key_Return, NotEnded},
        {EndButtons::None, K::Swallow, K::EndCancel, 0, Qt::Key_Escape, IDCANCEL},
    };
    for (const Case& c : cases) {
        FramedDialog dialog(
            {.width = 200, .height = 100, .enter = c.enter, .escape = c.escape, .ends = c.ends});
        dialog.Create();
        if (c.clicked != 0) {
            Click(&dialog, dialog.FindControl(c.clicked)->GetBounds().center());
        } else {
            QKeyEvent down(QEvent::KeyPress, c.qtKey, Qt::NoModifier);
            QApplication::sendEvent(&dialog, &down);
        }
        const int result = dialog.IsEnded() ? dialog.Result() : NotEnded;
        EXPECT_EQ(result, c.result) << int(c.ends) << " clicked " << c.clicked << " key "
                                    << c.qtKey;
    }
}

TEST(OpenDialogTable, EleventhDialogIsRefusedAndClosingKeepsTheTablePacked) {
    ClearOpenDialogTable();
    std::vector<std::unique_ptr<RecordingDialog>> dialogs;
    for (int i = 0; i < 11; ++i)
        dialogs.push_back(std::make_unique<RecordingDialog>());
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(dialogs[i]->RegisterAsOpenDialog());
    EXPECT_FALSE(dialogs[10]->RegisterAsOpenDialog());
    EXPECT_EQ(std::count(OpenDialogTable.begin(), OpenDialogTable.end(), dialogs[10].get()), 0);

    dialogs[3].reset();
    EXPECT_EQ(OpenDialogTable[3], dialogs[4].get());
    EXPECT_EQ(OpenDialogTable[8], dialogs[9].get());
    EXPECT_EQ(OpenDialogTable[9], nullptr);
    EXPECT_TRUE(dialogs[10]->RegisterAsOpenDialog());
    EXPECT_EQ(OpenDialogTable[9], dialogs[10].get());
}

TEST(OpenDialogTable, RegisteringTwiceKeepsOneEntrySoNoneOutlivesTheDialog) {
    ClearOpenDialogTable();
    auto twice = std::make_unique<RecordingDialog>();
    auto other = std::make_unique<RecordingDialog>();
    EXPECT_TRUE(twice->RegisterAsOpenDialog());
    EXPECT_TRUE(twice->RegisterAsOpenDialog());
    other->RegisterAsOpenDialog();
    twice.reset();
    EXPECT_EQ(OpenDialogTable[0], other.get());
    EXPECT_EQ(OpenDialogTable[1], nullptr);
}

TEST(OpenDialogTable, CloseAllSendsCloseToEveryEntryEvenWhenTheyLeave) {
    ClearOpenDialogTable();
    std::vector<std::unique_ptr<RecordingDialog>> dialogs(3);
    for (auto& d : dialogs) {
        d = std::make_unique<RecordingDialog>();
        d->RegisterAsOpenDialog();
    }
    // The first one destroys itself (and leaves the table) when asked to close.
    dialogs[0]->bindMessage(WM_CLOSE, [&](WParam, LParam) {
        dialogs[0].reset();
        return 0;
    });
    CloseOpenDialogs();
    EXPECT_TRUE(dialogs[1]->IsEnded());
    EXPECT_TRUE(dialogs[2]->IsEnded());
}

} // namespace
} // namespace ferrox
