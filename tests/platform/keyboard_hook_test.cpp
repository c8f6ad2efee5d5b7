// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyboard_hook.h"

#include "keys/key_capture.h"
#include "held_key.h"
#include "macros/macro_recorder.h"
#include "platform/key_event_translation.h"
#include "platform/window_base.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

#include <memory>
#include <vector>

namespace ferrox {
namespace {

struct Stroke {
    WParam key;
    std::uint32_t word;
    friend bool operator==(const Stroke&, const Stroke&) = default;
};

// A window that keeps every keystroke posted to it.
struct KeyWindow {
    KeyWindow() {
        window.bindMessage(WM_KEYHOOK, [this](WParam w, LParam l) {
            strokes.push_back({w, std::uint32_t(l)});
            if (onStroke)
                onStroke(w, l);
            return 0;
        });
    }
    WindowBase window;
    std::vector<Stroke> strokes;
    // A number is bound once: a test that wants the strokes as they come listens here.
    std::function<void(WParam, LParam)> onStroke;
};

void SendKey(QObject* target, QEvent::Type type, int qtKey, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0) {
    const QString text = qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z ? QString(QChar(qtKey).toLower())
                                                                  : QString();
    QKeyEvent event(type, qtKey, modifiers, scanCode, 0, 0, text, autoRepeat);
    QApplication::sendEvent(target, &event);
    QCoreApplication::sendPostedEvents();
}

// The time a release is held back passes as well: the whole keystroke has arrived.
void Tap(QObject* target, int qtKey) {
    SendKey(target, QEvent::KeyPress, qtKey);
    SendKey(target, QEvent::KeyRelease, qtKey);
    CKeyboardHook::DeliverHeldKeys();
    QCoreApplication::sendPostedEvents();
}

void LetHeldKeysGo() {
    CKeyboardHook::DeliverHeldKeys();
    QCoreApplication::sendPostedEvents();
}

struct TranslationCase {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    quint32 scanCode;
    std::uint8_t expected;
};

TEST(KeyEventTranslation, ScanCodeFirstQtKeyWhenThereIsNone) {
    const TranslationCase cases[] = {
        // The position decides, whatever Qt made of the key.
        {Qt::Key_Shift, Qt::ShiftModifier, 42 + 8, 0xA0},
        {Qt::Key_Shift, Qt::ShiftModifier, 54 + 8, 0xA1},
        {Qt::Key_Control, Qt::ControlModifier, 97 + 8, 0xA3},
        {Qt::Key_AltGr, Qt::NoModifier, 100 + 8, 0xA5},
        {Qt::Key_Super_R, Qt::NoModifier, 126 + 8, 0x5C},
        {Qt::Key_Enter, Qt::KeypadModifier, 96 + 8, 0x0E},
        {Qt::Key_Home, Qt::KeypadModifier, 71 + 8, 0x67},
        {Qt::Key_Q, Qt::NoModifier, 30 + 8, 'A'}, // an AZERTY "Q" sits where "A" is
        {Qt::Key_VolumeUp, Qt::NoModifier, 115 + 8, 0},
        // No scan code: the Qt key and its keypad flag.
        {Qt::Key_A, Qt::NoModifier, 0, 'A'},
        {Qt::Key_7, Qt::NoModifier, 0, '7'},
        {Qt::Key_7, Qt::KeypadModifier, 0, 0x67},
        {Qt::Key_Home, Qt::KeypadModifier, 0, 0x67},
        {Qt::Key_Home, Qt::NoModifier, 0, 0x24},
        {Qt::Key_Enter, Qt::KeypadModifier, 0, 0x0E},
        {Qt::Key_Return, Qt::NoModifier, 0, 0x0D},
        {Qt::Key_Escape, Qt::NoModifier, 0, 0x1B},
        {Qt::Key_Comma, Qt::KeypadModifier, 0, 0xF4},
        {Qt::Key_Comma, Qt::NoModifier, 0, 0xBC},
        {Qt::Key_Shift, Qt::ShiftModifier, 0, 0xA0},
        {Qt::Key_F1, Qt::NoModifier, 0, 0x70},
        {Qt::Key_F24, Qt::NoModifier, 0, 0x87},
        {Qt::Key_NumLock, Qt::KeypadModifier, 0, 0x90},
        {Qt::Key_VolumeUp, Qt::NoModifier, 0, 0},
        {Qt::Key_unknown, Qt::NoModifier, 0, 0},
    };
    for (const TranslationCase& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.qtKey << " scan " << c.scanCode);
        const QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, 0, 0);
        EXPECT_EQ(VirtualKeyOf(event), c.expected);
    }
}

class KeyboardHookTest : public ::testing::Test {
protected:
    // Every reading of the clock moves it on by 10 ms.
    CKeyboardHook hook{[this] { return clock += 10; }};
    KeyWindow owner;
    std::uint32_t clock = 1000;
};

TEST_F(KeyboardHookTest, PressesAndReleasesArriveWithCodeReleaseBitAndTime) {
    ASSERT_EQ(hook.StartHook(&owner.window), 1);
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_A);
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_A, /*autoRepeat=*/true);
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_A, /*autoRepeat=*/true);
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_VolumeUp); // no code: dropped
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_A);
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_Shift, false, Qt::ShiftModifier, 54 + 8);

    EXPECT_EQ(owner.strokes, (std::vector<Stroke>{{0x41, KeyEventWord(false, 1010)},
                                                  {0x41, KeyEventWord(true, 1020)},
                                                  {0xA1, KeyEventWord(false, 1030)}}));
}

TEST_F(KeyboardHookTest, TheClockWrapsAt31Bits) {
    clock = 0xFFFFFFF0u;
    ASSERT_EQ(hook.StartHook(&owner.window), 1);
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_B);
    LetHeldKeysGo();
    ASSERT_EQ(owner.strokes.size(), 1u);
    EXPECT_EQ(owner.strokes[0].word, 0xFFFFFFFAu) << "release bit over 31 bits of time";
}

TEST_F(KeyboardHookTest, CapturedKeysNeverReachTheFocusedControlOrCloseADialog) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    dialog.show();
    ASSERT_EQ(hook.StartHook(&owner.window), 1);

    const int keys[] = {Qt::Key_X, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};
    for (int key : keys)
        Tap(edit, key);
    EXPECT_EQ(edit->text(), QString());
    EXPECT_TRUE(dialog.isVisible()) << "Enter and Escape are captured like any other key";
    std::vector<WParam> codes;
    for (const Stroke& s : owner.strokes)
        codes.push_back(s.key);
    EXPECT_EQ(codes, (std::vector<WParam>{'X', 'X', 0x0D, 0x0D, 0x1B, 0x1B, 0x09, 0x09}));

    hook.StopHook();
    Tap(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), QStringLiteral("x")) << "keys flow again after the stop";
    EXPECT_EQ(owner.strokes.size(), 8u);
    Tap(edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(KeyboardHookTest, KeysFromTheWindowSystemAreTakenOnceAndFireNoShortcut) {
    QDialog dialog;
    auto* edit = new QLineEdit(&dialog);
    int shortcuts = 0;
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_F5), &dialog), &QShortcut::activated,
                     [&] { ++shortcuts; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    edit->setFocus();
    ASSERT_EQ(hook.StartHook(&owner.window), 1);

    QTest::keyClick(dialog.windowHandle(), Qt::Key_F5);
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Y);
    LetHeldKeysGo();
    EXPECT_EQ(owner.strokes, (std::vector<Stroke>{{0x74, KeyEventWord(false, 1010)},
                                                  {0x74, KeyEventWord(true, 1020)},
                                                  {'Y', KeyEventWord(false, 1030)},
                                                  {'Y', KeyEventWord(true, 1040)}}));
    EXPECT_EQ(edit->text(), QString());
    EXPECT_EQ(shortcuts, 0);

    hook.StopHook();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_F5);
    EXPECT_EQ(shortcuts, 1) << "the shortcut works again once capture has stopped";
}

TEST_F(KeyboardHookTest, ALateStopFromAnotherOwnerLeavesTheCurrentCaptureAlone) {
    KeyWindow editor;
    CKeyboardHook editorHook;
    ASSERT_EQ(hook.StartHook(&owner.window), 1);
    ASSERT_EQ(editorHook.StartHook(&editor.window), 1);
    EXPECT_TRUE(editorHook.IsCapturing());
    EXPECT_FALSE(hook.IsCapturing());

    Tap(&owner.window, Qt::Key_A);
    EXPECT_EQ(editor.strokes.size(), 2u);
    EXPECT_TRUE(owner.strokes.empty());

    // The displaced owner gets the keys back once the newer one has stopped.
    editorHook.StopHook();
    Tap(&owner.window, Qt::Key_A);
    EXPECT_EQ(owner.strokes.size(), 2u);

    // A stop from an owner that is no longer started changes nothing.
    editorHook.StopHook();
    Tap(&owner.window, Qt::Key_A);
    EXPECT_EQ(owner.strokes.size(), 4u);
    EXPECT_EQ(editor.strokes.size(), 2u);

    hook.StopHook();
    hook.StopHook();
    Tap(&owner.window, Qt::Key_A);
    EXPECT_EQ(owner.strokes.size(), 4u);
}

TEST_F(KeyboardHookTest, NothingIsPostedWithoutAWindow) {
    EXPECT_EQ(hook.StartHook(nullptr), 0);
    EXPECT_FALSE(hook.IsStarted());
    {
        auto gone = std::make_unique<WindowBase>();
        ASSERT_EQ(hook.StartHook(gone.get()), 1);
    }
    QWidget other;
    Tap(&other, Qt::Key_A); // the owner's window died before its hook stopped
    EXPECT_TRUE(hook.IsCapturing());
    EXPECT_EQ(hook.StopHook(), 1);
}

TEST_F(KeyboardHookTest, RecordingFromCapturedKeys) {
    MacroKey macro(L"m");
    MacroRecorder recorder;
    ASSERT_TRUE(recorder.start(&macro));
    owner.onStroke = [&](WParam w, LParam l) {
        recorder.onKeyEvent(unsigned(w), std::uint32_t(l), true);
    };
    ASSERT_EQ(hook.StartHook(&owner.window), 1);

    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_Enter, false, Qt::KeypadModifier);
    clock += 4200;
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_Enter, false, Qt::KeypadModifier);
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_Escape);
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_Escape);
    LetHeldKeysGo();

    const std::vector<MacroAction> expected = {
        MacroAction::MakeKey(0x0E, false), MacroAction::MakeDelay(4095),
        MacroAction::MakeKey(0x0E, true),  MacroAction::MakeDelay(10),
        MacroAction::MakeKey(0x1B, false), MacroAction::MakeDelay(10),
        MacroAction::MakeKey(0x1B, true)};
    EXPECT_EQ(std::vector<MacroAction>(macro.actions.begin(),
                                       macro.actions.begin() + macro.MacroActionNum),
              expected);
}

// The X servers whose auto-repeat Qt cannot tell send a held key as release and press pairs.
TEST_F(KeyboardHookTest, AKeyHeldOnAPlainServerArrivesAsOnePressAndOneRelease) {
    std::uint32_t now = 0;
    CKeyboardHook plain{[&now] { return now; }};
    ASSERT_EQ(plain.StartHook(&owner.window), 1);
    test::HoldKeyOnAPlainServer(&owner.window, Qt::Key_X, now, 1000, 2500, 45 + 8);
    EXPECT_EQ(owner.strokes, (std::vector<Stroke>{{'X', KeyEventWord(false, 1000)},
                                                  {'X', KeyEventWord(true, 2500)}}));

    // The hold-back ends by its own timer too, and the release keeps its time.
    now = 3000;
    SendKey(&owner.window, QEvent::KeyPress, Qt::Key_A);
    now = 3100;
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(owner.strokes.size(), 3u) << "the release waits for a press that would fold it";
    now = 3110;
    ASSERT_TRUE(QTest::qWaitFor([&] { return owner.strokes.size() == 4; }, 2000));
    EXPECT_EQ(owner.strokes.back(), (Stroke{'A', KeyEventWord(true, 3100)}));

    // A release just before the stop still goes to the window that had the keys.
    SendKey(&owner.window, QEvent::KeyRelease, Qt::Key_B);
    plain.StopHook();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(owner.strokes.back(), (Stroke{'B', KeyEventWord(true, 3110)}));
}

} // namespace
} // namespace ferrox
