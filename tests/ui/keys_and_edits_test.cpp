// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/virtual_keys.h"
#include "ui/edit_field.h"
#include "ui_test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

// A dialog with two edit fields that logs the keys it is offered and swallows 'Q'.
class KeyDialog : public RecordingDialog {
public:
    KeyDialog(DefaultKey enter, DefaultKey escape) {
        SetDefaultKeys(enter, escape);
        Listen(2017);
    }
    std::vector<std::string> keys;

protected:
    void CreateControls(int, int, int, int) override {
        AddEditField(2017, {15, 65, 415, 87});
        AddEditField(2018, {15, 95, 415, 117});
    }
    bool OnKeyDown(int key, bool) override {
        keys.push_back("down " + std::to_string(key));
        return key == 'Q';
    }
    bool OnKeyUp(int key) override {
        keys.push_back("up " + std::to_string(key));
        return false;
    }
};

void Key(QWidget* target, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, qtKey, modifiers, text);
    QApplication::sendEvent(target, &down);
    QKeyEvent up(QEvent::KeyRelease, qtKey, modifiers, text);
    QApplication::sendEvent(target, &up);
}

TEST(DialogKeys, EnterAndEscapeDoWhatEachDialogDeclares) {
    using D = DefaultKey;
    struct Case {
        const char* dialog;
        D enter, escape;
        int qtKey;
        bool ends;
        int result;
        bool offered; // the dialog's own key handler saw it
    };
    const Case cases[] = {
        {"attention: Enter", D::EndOk, D::EndCancel, Qt::Key_Return, true, IDOK, false},
        {"attention: Escape", D::EndOk, D::EndCancel, Qt::Key_Escape, true, IDCANCEL, false},
        {"name dialog: keypad Enter", D::EndOk, D::Swallow, Qt::Key_Enter, true, IDOK, false},
        {"name dialog: Escape", D::EndOk, D::Swallow, Qt::Key_Escape, false, 0, false},
        {"DPI dialog: Enter", D::Capture, D::Swallow, Qt::Key_Return, false, 0, true},
        {"main window: Escape", D::Capture, D::Capture, Qt::Key_Escape, false, 0, true},
    };
    for (const Case& c : cases) {
        KeyDialog dialog(c.enter, c.escape);
        dialog.Create();
        EditField* edit = dialog.FindEditField(2017);
        ASSERT_NE(edit, nullptr);
        edit->SetText(L"300");
        // Pressed while the edit field has the keyboard: the dialog still decides.
        Key(edit, c.qtKey);
        EXPECT_EQ(dialog.IsEnded(), c.ends) << c.dialog;
        if (c.ends) {
            EXPECT_EQ(dialog.Result(), c.result) << c.dialog;
        }
        EXPECT_EQ(!dialog.keys.empty(), c.offered) << c.dialog;
        EXPECT_EQ(edit->GetText(), L"300") << c.dialog;
    }
}

TEST(DialogKeys, TheDialogHearsKeysBeforeItsEditFieldAndMaySwallowThem) {
    KeyDialog dialog(DefaultKey::EndOk, DefaultKey::EndCancel);
    dialog.Create();
    EditField* edit = dialog.FindEditField(2017);
    Key(edit, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    Key(edit, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
    Key(edit, Qt::Key_Left);
    EXPECT_EQ(edit->GetText(), L"a") << "the swallowed Q never reached the field";
    EXPECT_EQ(dialog.keys, (std::vector<std::string>{"down 65", "up 65", "down 81", "up 81",
                                                     "down 37", "up 37"}));
    EXPECT_EQ(dialog.notes, (std::vector<Notification>{{2017, 0, NotifyValueChanged}}));
}

TEST(EditField, OpensFocusedCentredBlackOnWhiteWhereTheDesignPutsIt) {
    ScopedUiScale scale(1.5f);
    KeyDialog dialog(DefaultKey::EndOk, DefaultKey::EndCancel);
    dialog.Create();
    EditField* first = dialog.FindEditField(2017);
    EditField* second = dialog.FindEditField(2018);
    EXPECT_EQ(first->geometry(), QRect(QPoint(22, 97), QPoint(621, 129)));
    EXPECT_EQ(first->alignment(), Qt::AlignCenter);
    EXPECT_EQ(first->font().pixelSize(), 20);
    const QImage look = first->grab().toImage();
    EXPECT_EQ(look.pixelColor(look.width() / 4, look.height() / 2), QColor(Qt::white));

    EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget() : dialog.focusWidget(),
              first);
    EXPECT_EQ(first->nextInFocusChain(), second) << "tab order follows creation";
}

TEST(EditField, TypedAndPastedTextPassTheSameDigitFilter) {
    KeyDialog dialog(DefaultKey::Capture, DefaultKey::Swallow);
    dialog.Create();
    EditField* edit = dialog.FindEditField(2017);
    edit->SetFilter(DigitsOnly(5));
    QTest::keyClicks(edit, QStringLiteral("1a2"));
    EXPECT_EQ(edit->GetText(), L"12");
    EXPECT_EQ(dialog.notes.size(), 2u) << "the filtered letter changed nothing";

    QGuiApplication::clipboard()->setText(QStringLiteral("3x4 dpi 5678"));
    Key(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->GetText(), L"12345") << "pasted letters dropped, five digits at most";
    EXPECT_EQ(edit->cursorPosition(), 5);
    EXPECT_EQ(std::count(dialog.notes.begin(), dialog.notes.end(),
                         Notification{2017, 0, NotifyValueChanged}),
              3)
        << "one notice per typed character that changed the text, one per paste";

    edit->SetText(L"42");
    EXPECT_EQ(dialog.notes.size(), 3u) << "the dialog's own text is not news to it";
    edit->selectAll();
    edit->insert(QStringLiteral("-7"));
    EXPECT_EQ(edit->GetText(), L"7");
}

TEST(EditField, PlainTextDropsControlCharactersAndKeepsTheLimit) {
    const EditFilter plain = PlainText(5);
    EXPECT_EQ(plain(L"ab\tc\nd"), L"abcd");
    EXPECT_EQ(plain(L"Профиль"), L"Профи");
    EXPECT_EQ(DigitsOnly(3)(L"x12345"), L"123");
}

} // namespace
} // namespace ferrox
