// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/color_palette_dlg.h"
#include "app/dialogs/dpi_value_dlg.h"
#include "app/dialogs/fire_key_dlg.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/dialogs/profile_name_dialog.h"
#include "app/dialogs/progress_bar_dlg.h"
#include "dialog_test.h"
#include "lang/language_loader.h"
#include "base/app_globals.h"
#include "ui/open_dialog_table.h"
#include "ui/ui_scale.h"
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QFontMetrics>

namespace ferrox {
namespace {

using namespace ferrox::test;

// The shipped skins and the English texts, as the program has them at run time.
class SecondaryDialogsTest : public DialogTest {
protected:
    static void Key(QWidget* w, int qtKey) {
        QKeyEvent down(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
        QKeyEvent up(QEvent::KeyRelease, qtKey, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    }
    static void DeleteLater() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(SecondaryDialogsTest, AttentionNoticeShowsItsMessageAndEndsByOkCloseEnterOrEscape) {
    struct Case {
        const char* how;
        int expected;
    };
    for (const Case& c : {Case{"ok", IDOK}, Case{"close", IDCANCEL}, Case{"enter", IDOK},
                          Case{"escape", IDCANCEL}}) {
        CAttentionDlg dlg(L"Attention", L"Please plug in the mouse.", nullptr);
        ASSERT_TRUE(dlg.Create());
        EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Attention"));
        EXPECT_EQ(dlg.size(), QSize(Scaled(319), Scaled(102)));
        EXPECT_EQ(dlg.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(dlg.FindControl(CAttentionDlg::MessageId)->GetText(),
                  L"Please plug in the mouse.");
        EXPECT_EQ(OpenDialogTable[0], &dlg);
        const std::string how = c.how;
        if (how == "ok" || how == "close") {
            const int id = how == "ok" ? CAttentionDlg::OkId : CAttentionDlg::CloseId;
            Click(&dlg, dlg.FindControl(id)->GetBounds().center());
        } else {
            Key(&dlg, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_TRUE(dlg.IsEnded()) << c.how;
        EXPECT_EQ(dlg.Result(), c.expected) << c.how;
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(OpenDialogTable[0], nullptr) << "an ended notice leaves the table";
    }
}

// Enter as each dialog has always taken it, Escape as Cancel in every dialog that can be
// cancelled; its title and its entry in the table of open dialogs come from the same
// description.
TEST_F(SecondaryDialogsTest, EachDialogKeepsItsEnterAndEscapeTitleAndTableEntry) {
    constexpr int Stays = -1;
    Colour colour = 0x123456;
    DpiStepTable noSteps;
    struct Case {
        const char* dialog;
        std::function<std::unique_ptr<CDlgBase>()> make;
        int titleText; // -1: not a language text
        int onEnter;
        int onEscape;
    };
    const Case cases[] = {
        {"palette", [&] { return std::make_unique<CColorPaletteDlg>(colour); }, -1, IDOK,
         IDCANCEL},
        {"DPI value", [&] { return std::make_unique<CDPIValueSettingDlg>(0, noSteps); }, 273,
         Stays, IDCANCEL},
        {"fire key", [] { return std::make_unique<CFireKeyDlg>(); }, 170, Stays, IDCANCEL},
        {"firmware reset", [] { return std::make_unique<CFirmwareResetDlg>(); }, 7, IDOK,
         IDCANCEL},
        {"rename profile", [] { return std::make_unique<CEditProfileDlg>(L"Work"); }, 144, IDOK,
         IDCANCEL},
    };
    for (const Case& c : cases)
        for (const auto& [qtKey, expected] : {std::pair{int(Qt::Key_Return), c.onEnter},
                                              std::pair{int(Qt::Key_Escape), c.onEscape}}) {
            const std::unique_ptr<CDlgBase> dialog = c.make();
            ASSERT_TRUE(dialog->Create());
            if (c.titleText >= 0) {
                EXPECT_EQ(dialog->windowTitle().toStdWString(), LanguageText(c.titleText))
                    << c.dialog;
            }
            EXPECT_EQ(OpenDialogTable[0], dialog.get()) << c.dialog;
            Key(dialog.get(), qtKey);
            EXPECT_EQ(dialog->IsEnded() ? dialog->Result() : Stays, expected)
                << c.dialog << " key " << qtKey;
            DeleteLater(); // a notice a key may have opened
        }
}

TEST_F(SecondaryDialogsTest, StartUpNoticeIsModelessOnTopAndGoesWhenClosed) {
    QPointer<CAttentionDlg> notice = CAttentionDlg::Show(
        nullptr, L"Attention", L"No mouse or receiver was found.",
        CAttentionDlg::Mode::ModelessTopMost);
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(notice->windowModality(), Qt::NonModal);
    Shoot(notice, "attention_notice");

    CloseOpenDialogs(); // as the main window does when the last device goes
    DeleteLater();
    EXPECT_FALSE(notice);
}

// A long notice grows until every line shows, its OK button below the text.
TEST_F(SecondaryDialogsTest, AttentionNoticeGrowsForALongMessage) {
    const std::wstring message =
        L"Technical support: if the mouse or the receiver stops responding, unplug it, plug it "
        L"in again and restart this program. If that does not help, contact the seller.";
    for (float factor : {1.0f, 2.0f}) {
        ScopedUiScale scale(factor);
        CAttentionDlg dlg(L"Attention", message, nullptr);
        ASSERT_TRUE(dlg.Create());
        const QRect text = dlg.FindControl(CAttentionDlg::MessageId)->GetBounds();
        const QRect needed = QFontMetrics(dlg.FindControl(CAttentionDlg::MessageId)->Font())
                                 .boundingRect(QRect(0, 0, text.width(), 100000),
                                               Qt::TextWordWrap, QString::fromStdWString(message));
        EXPECT_GE(text.height(), needed.height());
        EXPECT_LT(text.bottom(), dlg.FindControl(CAttentionDlg::OkId)->GetBounds().top());
        EXPECT_LT(dlg.FindControl(CAttentionDlg::OkId)->GetBounds().bottom(), dlg.height());
        Shoot(&dlg, factor == 1.0f ? "attention_notice_long" : "attention_notice_long_x2");
    }
}

TEST_F(SecondaryDialogsTest, AttentionNoticeAtDoubleScale) {
    ScopedUiScale scale(2.0f);
    CAttentionDlg dlg(L"Attention",
                      L"The receiver is connected, but the mouse does not answer.", nullptr);
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(dlg.FindControl(CAttentionDlg::OkId)->GetBounds(),
              QRect(QPoint(480, 140), QPoint(617, 179)));
    Shoot(&dlg, "attention_notice_x2");
}

// A clock the test moves by hand; the dialog reads it at every tick.
struct ManualClock {
    std::shared_ptr<std::int64_t> now = std::make_shared<std::int64_t>(0);
    CProgressBarDlg::Clock clock() const {
        return [now = now] { return *now; };
    }
};

TEST_F(SecondaryDialogsTest, ProgressFillsInHalfASecondAndEndsByItself) {
    ManualClock time;
    QPointer<CProgressBarDlg> current;
    CProgressBarDlg* dlg = ShowProgress(current, nullptr, L"Resetting", time.clock());
    ASSERT_TRUE(dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->IsTimerActive(CProgressBarDlg::TickTimer));
    EXPECT_EQ(dlg->FindControl(CProgressBarDlg::TextId)->GetText(), L"Resetting");

    struct Step {
        std::int64_t at;
        int progress;
    };
    for (const Step& s : {Step{0, 0}, Step{10, 2}, Step{250, 50}, Step{499, 98}, Step{500, 100},
                          Step{519, 100}}) {
        *time.now = s.at;
        dlg->FireTimer(CProgressBarDlg::TickTimer);
        EXPECT_EQ(dlg->Progress(), s.progress) << s.at << " ms";
    }
    *time.now = 250;
    dlg->FireTimer(CProgressBarDlg::TickTimer);
    EXPECT_FALSE(dlg->IsEnded()) << "a clock that stands still changes nothing";

    *time.now = 260;
    dlg->FireTimer(CProgressBarDlg::TickTimer);
    Shoot(dlg, "progress_half");
    *time.now = 520;
    dlg->FireTimer(CProgressBarDlg::TickTimer);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), IDOK);
    EXPECT_FALSE(dlg->IsTimerActive(CProgressBarDlg::TickTimer));
    DeleteLater();
    EXPECT_FALSE(current) << "the ended animation deletes itself";
}

TEST_F(SecondaryDialogsTest, ASecondRequestRestartsTheRunningAnimationAndALateTickEndsIt) {
    ManualClock time;
    QPointer<CProgressBarDlg> current;
    CProgressBarDlg* first = ShowProgress(current, nullptr, L"One", time.clock());
    *time.now = 400;
    first->FireTimer(CProgressBarDlg::TickTimer);
    EXPECT_EQ(first->Progress(), 80);

    CProgressBarDlg* second = ShowProgress(current, nullptr, L"Two", time.clock());
    EXPECT_EQ(second, first) << "one animation at a time";
    EXPECT_EQ(first->Progress(), 0);
    EXPECT_EQ(first->FindControl(CProgressBarDlg::TextId)->GetText(), L"Two");
    *time.now = 900;
    first->FireTimer(CProgressBarDlg::TickTimer);
    EXPECT_FALSE(first->IsEnded()) << "restarted at 400 ms, so 500 ms in";

    // The event loop was held up for seconds: the first tick after ends it at once.
    *time.now = 5000;
    first->FireTimer(CProgressBarDlg::TickTimer);
    EXPECT_TRUE(first->IsEnded());
    DeleteLater();
    EXPECT_FALSE(current);

    CProgressBarDlg* third = ShowProgress(current, nullptr, L"Three", time.clock());
    EXPECT_TRUE(third && third->isVisible()) << "after the end a new one opens";
    third->EndDialog(IDOK);
}

} // namespace
} // namespace ferrox
