// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcut capture and fire key dialogs on their own, driven with real keys, clicks and
// typing: what they send their window, what they refuse and the notices they give; and their
// pictures at UiScale 1 and 2.

#include "app/dialogs/attention_dlg.h"
#include "app/dialogs/fire_key_dlg.h"
#include "app/dialogs/shortcut_dlg.h"
#include "base/app_globals.h"
#include "keys/key_capture.h"
#include "desktop_events.h"
#include "held_key.h"
#include "dialog_test.h"
#include "lang/language_loader.h"
#include "lang/language_table.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFontMetrics>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>

#include <optional>

namespace ferrox {
namespace {

// The window the dialogs belong to: keeps the last choice each sent.
class ChoiceWindow : public WindowBase {
public:
    ChoiceWindow() {
        for (unsigned message : {KeyChoiceMessage::Shortcut, KeyChoiceMessage::FireKey})
            bindMessage(message, [this, message](WParam, LParam l) {
                last = *reinterpret_cast<const KeyChoice*>(l);
                lastMessage = message;
                ++count;
                return 0;
            });
    }
    std::optional<KeyChoice> last;
    unsigned lastMessage = 0;
    int count = 0;
};

class KeyDialogs : public test::DialogTest {
protected:
    // A right click in the corner first, so two clicks of a row on the same spot (OK of one
    // dialog, OK of the next) never make a double-click.
    static void Click(CDlgBase& dialog, int id) {
        test::DesktopClick(&dialog, QPoint(0, 0), Qt::RightButton);
        test::DesktopClick(&dialog, dialog.FindControl(id)->GetBounds().center());
        QApplication::processEvents();
    }
    // A press and a release as the window system delivers them (Qt's test keys know no
    // F13 or Super).
    static void Press(QWidget* to, Qt::Key key) {
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, Qt::NoModifier);
            QApplication::sendEvent(to, &event);
        }
        QApplication::processEvents();
    }
    ChoiceWindow window;
};

struct ShortcutCase {
    const char* what;
    std::vector<int> boxes;  // clicked in this order
    std::vector<Qt::Key> keys;
    std::optional<std::wstring> name; // nothing sent when absent
    ButtonFunction code;
};

TEST_F(KeyDialogs, ShortcutCombinations) {
    using D = CShortcutDlg;
    const ShortcutCase cases[] = {
        {"Ctrl and A", {D::CtrlId}, {Qt::Key_A}, L"Ctrl+A", {0x70, 0x01, 0x04}},
        {"modifiers only", {D::ShiftId, D::WinId}, {}, L"Shift+Super", {0x70, 0x0A, 0x00}},
        {"nothing", {}, {}, std::nullopt, {}},
        {"every modifier, written in order", {D::WinId, D::AltId, D::ShiftId, D::CtrlId},
         {Qt::Key_F5}, L"Ctrl+Shift+Alt+Super+F5", {0x70, 0x0F, 0x3E}},
        {"the last key wins", {}, {Qt::Key_A, Qt::Key_Delete}, L"Del", {0x70, 0x00, 0x4C}},
        {"Enter and Escape are captured, not closing", {D::AltId}, {Qt::Key_Escape, Qt::Key_Return},
         L"Alt+Enter", {0x70, 0x04, 0x28}},
        {"F13 has no usage: the key before it stays", {}, {Qt::Key_B, Qt::Key_F13}, L"B",
         {0x70, 0x00, 0x05}},
        {"F13 alone leaves nothing to send", {}, {Qt::Key_F13}, std::nullopt, {}},
        {"modifier keys come from the boxes only", {}, {Qt::Key_Shift, Qt::Key_Control,
         Qt::Key_AltGr, Qt::Key_Super_L}, std::nullopt, {}},
        {"no modifiers: the boxes are locked and ignored",
         {D::CtrlId, D::NoModifierId, D::ShiftId}, {Qt::Key_Z}, L"Z", {0x70, 0x00, 0x1D}},
    };
    for (const ShortcutCase& c : cases) {
        SCOPED_TRACE(c.what);
        window.last.reset();
        CShortcutDlg dialog(&window);
        ASSERT_TRUE(dialog.Create());
        for (int box : c.boxes)
            Click(dialog, box);
        for (Qt::Key key : c.keys)
            Press(&dialog, key);
        EXPECT_FALSE(dialog.IsEnded()) << "only the buttons end it";
        EXPECT_EQ(dialog.FindControl(D::KeyNameId)->GetText(), dialog.KeyName());
        Click(dialog, D::OkId);
        EXPECT_TRUE(dialog.IsEnded());
        ASSERT_EQ(window.last.has_value(), c.name.has_value());
        if (c.name) {
            EXPECT_EQ(window.last->name, *c.name);
            EXPECT_EQ(window.last->code, c.code);
            EXPECT_EQ(window.lastMessage, KeyChoiceMessage::Shortcut);
        }
    }
}

TEST_F(KeyDialogs, ShortcutTakesAKeyHeldOnAPlainServerAsOnePressAndOneRelease) {
    std::uint32_t clock = 0;
    test::KeystrokeCounting<CShortcutDlg> dialog(&window, [&clock] { return clock; });
    ASSERT_TRUE(dialog.Create());
    test::HoldKeyOnAPlainServer(&dialog, Qt::Key_X, clock, 1000, 2500, 45 + 8);
    EXPECT_EQ(dialog.words, (std::vector<std::uint32_t>{KeyEventWord(false, 1000),
                                                        KeyEventWord(true, 2500)}));
    EXPECT_EQ(dialog.KeyName(), L"X");
}

TEST_F(KeyDialogs, ShortcutCancelAndCloseSendNothingAndCaptureEnds) {
    for (int id : {CShortcutDlg::CancelId, CShortcutDlg::CloseId}) {
        auto dialog = std::make_unique<CShortcutDlg>(&window);
        ASSERT_TRUE(dialog->Create());
        Press(dialog.get(), Qt::Key_A);
        Click(*dialog, id);
        EXPECT_TRUE(dialog->IsEnded());
        EXPECT_EQ(dialog->Result(), IDCANCEL);
        dialog.reset();
    }
    EXPECT_EQ(window.count, 0);
    QLineEdit edit;
    QTest::keyClicks(&edit, QStringLiteral("ok"));
    EXPECT_EQ(edit.text(), QStringLiteral("ok")) << "keys flow again once the dialog is gone";
}

class FireKey : public KeyDialogs {
protected:
    void SetUp() override {
        KeyDialogs::SetUp();
        dialog = std::make_unique<CFireKeyDlg>(&window);
        ASSERT_TRUE(dialog->Create());
    }
    void TearDown() override {
        if (notice())
            notice()->close();
        dialog.reset();
        KeyDialogs::TearDown();
    }
    static void Type(EditField* edit, const QString& text) {
        edit->clear();
        QTest::keyClicks(edit, text);
        QApplication::processEvents();
    }
    CAttentionDlg* notice() const { return dynamic_cast<CAttentionDlg*>(dialog->Notice()); }
    void closeNotice() {
        ASSERT_NE(notice(), nullptr);
        Click(*notice(), CAttentionDlg::OkId);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    std::unique_ptr<CFireKeyDlg> dialog;
};

TEST_F(FireKey, DefaultsGiveFiftyAndZero) {
    EXPECT_EQ(dialog->FirstEdit()->GetText(), L"50");
    EXPECT_EQ(dialog->SecondEdit()->GetText(), L"0");
    EXPECT_TRUE(dialog->IsTimerActive(CFireKeyDlg::RangeTimer));
    Click(*dialog, CFireKeyDlg::OkId);
    ASSERT_TRUE(window.last);
    EXPECT_EQ(window.last->code, (ButtonFunction{0x30, 0x32, 0x00}));
    std::wstring name = LanguageText(26);
    if (!name.empty() && name.back() == L'+')
        name.pop_back();
    EXPECT_EQ(window.last->name, name);
    EXPECT_EQ(window.lastMessage, KeyChoiceMessage::FireKey);
    EXPECT_TRUE(dialog->IsEnded());
}

TEST_F(FireKey, OutOfRangeValuesAreCorrectedWithOneNoticeAtATime) {
    dialog->KillTimer(CFireKeyDlg::RangeTimer); // its ticks are given by hand here
    Type(dialog->FirstEdit(), QStringLiteral("300"));
    Type(dialog->SecondEdit(), QStringLiteral("999"));
    EXPECT_EQ(notice(), nullptr) << "digits raise no notice";
    dialog->FireTimer(CFireKeyDlg::RangeTimer);
    EXPECT_EQ(dialog->FirstEdit()->GetText(), L"255");
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->Message(), LanguageText(174));
    EXPECT_FALSE(dialog->IsTimerActive(CFireKeyDlg::RangeTimer)) << "paused while it is open";
    CAttentionDlg* first = notice();
    dialog->FireTimer(CFireKeyDlg::RangeTimer);
    EXPECT_EQ(notice(), first) << "no second notice on top";
    EXPECT_EQ(dialog->SecondEdit()->GetText(), L"999");

    closeNotice();
    EXPECT_TRUE(dialog->IsTimerActive(CFireKeyDlg::RangeTimer));
    dialog->FireTimer(CFireKeyDlg::RangeTimer);
    EXPECT_EQ(dialog->SecondEdit()->GetText(), L"255");
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->Message(), LanguageText(176));
    closeNotice();
    Click(*dialog, CFireKeyDlg::OkId);
    ASSERT_TRUE(window.last);
    EXPECT_EQ(window.last->code, (ButtonFunction{0x30, 0xFF, 0xFF}));
}

TEST_F(FireKey, OkCorrectsAValueTheTimerHasNotSeenInsteadOfWrappingIt) {
    Type(dialog->FirstEdit(), QStringLiteral("300"));
    Click(*dialog, CFireKeyDlg::OkId);
    EXPECT_FALSE(dialog->IsEnded());
    EXPECT_FALSE(window.last);
    EXPECT_EQ(dialog->FirstEdit()->GetText(), L"255");
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->Message(), LanguageText(174));
}

TEST_F(FireKey, TheFirstValueStartsAtFive) {
    Type(dialog->FirstEdit(), QStringLiteral("4"));
    Click(*dialog, CFireKeyDlg::OkId);
    EXPECT_FALSE(dialog->IsEnded());
    ASSERT_NE(notice(), nullptr);
    EXPECT_EQ(notice()->Message(), LanguageText(174));
    closeNotice();
    Type(dialog->FirstEdit(), QStringLiteral("5"));
    Click(*dialog, CFireKeyDlg::OkId);
    ASSERT_TRUE(window.last);
    EXPECT_EQ(window.last->code, (ButtonFunction{0x30, 0x05, 0x00}));
}

TEST_F(FireKey, LettersMinusAndPastedTextGetANoticeAndCountByLeadingDigits) {
    Type(dialog->SecondEdit(), QStringLiteral("-1"));
    ASSERT_NE(notice(), nullptr) << "the minus sign is not a digit";
    EXPECT_EQ(notice()->Message(), LanguageText(175));
    EXPECT_EQ(dialog->SecondEdit()->GetText(), L"-1") << "and is still entered";
    closeNotice();

    dialog->FirstEdit()->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("12ab"));
    dialog->FirstEdit()->paste();
    QApplication::processEvents();
    EXPECT_EQ(dialog->FirstEdit()->GetText(), L"12ab");
    ASSERT_NE(notice(), nullptr) << "pasted text is looked at like typed text";
    EXPECT_EQ(notice()->Message(), LanguageText(175));
    closeNotice();

    Type(dialog->FirstEdit(), QStringLiteral("20"));
    EXPECT_EQ(notice(), nullptr);
    QTest::keyClicks(dialog->FirstEdit(), QStringLiteral("x"));
    QApplication::processEvents();
    EXPECT_NE(notice(), nullptr);
    closeNotice();
    Press(dialog->FirstEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog->IsEnded()) << "Enter does nothing here";

    Click(*dialog, CFireKeyDlg::OkId);
    ASSERT_TRUE(window.last);
    EXPECT_EQ(window.last->code, (ButtonFunction{0x30, 20, 0})) << "\"20x\" and \"-1\"";
}

TEST_F(FireKey, CancelAndCloseSendNothing) {
    Click(*dialog, CFireKeyDlg::CancelId);
    EXPECT_TRUE(dialog->IsEnded());
    CFireKeyDlg other(&window);
    ASSERT_TRUE(other.Create());
    Click(other, CFireKeyDlg::CloseId);
    EXPECT_TRUE(other.IsEnded());
    CFireKeyDlg escaped(&window);
    ASSERT_TRUE(escaped.Create());
    Press(escaped.FirstEdit(), Qt::Key_Escape);
    EXPECT_EQ(escaped.Result(), IDCANCEL);
    EXPECT_EQ(window.count, 0);
}

// The explanation is drawn wrapped in its own place, whole and clear of the buttons, in every
// shipped language and at both scales.
TEST_F(KeyDialogs, FireKeyExplanationFitsClearOfTheButtons) {
    for (const char* language : {"EN", "RU", "UA"})
        for (float scale : {1.0f, 1.5f}) {
            UiScale = scale;
            UseLanguage(QString::fromLatin1(language).toStdWString());
            CFireKeyDlg fire(&window);
            ASSERT_TRUE(fire.Create());
            const CControlBase* explanation = fire.FindControl(CFireKeyDlg::ExplanationId);
            ASSERT_NE(explanation, nullptr);
            const QRect place = explanation->GetBounds();
            const QRect needed = QFontMetrics(explanation->Font())
                                     .boundingRect(place, Qt::AlignLeft | Qt::TextWordWrap,
                                                   QString::fromStdWString(explanation->GetText()));
            const std::string where = std::string(language) + " at " + std::to_string(scale);
            EXPECT_LE(needed.bottom(), place.bottom()) << where;
            EXPECT_LE(needed.right(), place.right()) << where;
            const int clearance = Scaled(4);
            for (int id : {CFireKeyDlg::OkId, CFireKeyDlg::CancelId}) {
                const QRect button = fire.FindControl(id)->GetBounds();
                EXPECT_FALSE(place.adjusted(-clearance, -clearance, clearance, clearance)
                                 .intersects(button))
                    << id << ", " << where;
            }
            EXPECT_LE(place.bottom(), fire.height() - 1 - clearance) << where;
            Shoot(&fire, QStringLiteral("fire_key_dialog_%1_x%2")
                             .arg(QString::fromLatin1(language).toLower())
                             .arg(scale == 1.0f ? QStringLiteral("1") : QStringLiteral("1_5")));
        }
}

TEST_F(KeyDialogs, Screenshots) {
    for (float scale : {1.0f, 2.0f}) {
        UiScale = scale;
        LoadLanguage(); // the interface font follows the scale
        const QString suffix = scale == 1 ? QStringLiteral("_1x") : QStringLiteral("_2x");
        CShortcutDlg shortcut(&window);
        ASSERT_TRUE(shortcut.Create());
        Click(shortcut, CShortcutDlg::CtrlId);
        Press(&shortcut, Qt::Key_F5);
        Shoot(&shortcut, "shortcut_dialog" + suffix);
        CFireKeyDlg fire(&window);
        ASSERT_TRUE(fire.Create());
        Shoot(&fire, "fire_key_dialog" + suffix);
    }
}

} // namespace
} // namespace ferrox
