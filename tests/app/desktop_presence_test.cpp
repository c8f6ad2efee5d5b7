// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon, the window's reachability without one, and the on-screen display, on the
// real main window and the virtual mouse. Timers are fired by hand.

#include "app/app_messages.h"
#include "app/osd/osd_texts.h"
#include "app/tray/desktop_presence.h"
#include "app/dialogs/attention_dlg.h"
#include "device/protocol/change_groups.h"
#include "lang/language_table.h"
#include "settings/dpi_table.h"
#include "window_fixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSystemTrayIcon>

namespace ferrox {
namespace {

class DesktopPresenceTest : public test::WindowTest {
protected:
    OsdPresenter& Osd() { return Window().Visibility().Presence()->Osd(); }
    COSDDialog* Display() { return Osd().Display(); }
    // The mouse's own DPI button, and the notice its reader brings to the window.
    void PressDpiButton() {
        const std::wstring before = Display() ? Display()->Texts().title : L"";
        Mouse().pressDpiButton();
        ASSERT_TRUE(WaitFor([&] { return Display() && Display()->Texts().title != before; }));
        // Only the ticks a test fires count the display down: on a slow run the real 300 ms
        // timer would add its own.
        if (Window().IsTimerActive(OsdPresenter::TimerId))
            Window().SetTimer(OsdPresenter::TimerId, 3600 * 1000, TimerMode::Repeating);
    }
    // NeedPassword 1 and a mouse that does not ask for the window.
    static Start HiddenStart(std::function<bool()> tray) {
        return {.shown = false,
                .prepare = [](VirtualMouseFirmware& mouse) { mouse.setAccessFlag(0); },
                .trayAvailable = std::move(tray)};
    }
    // NeedPassword 1 and --start-hidden, on a mouse that asks for the window from the start, as
    // the virtual mouse does.
    static Start LoginStart(bool tray) {
        return {.shown = false, .startHidden = true, .trayAvailable = [tray] { return tray; }};
    }
    // A status query and its answer, as the poll or a tray click makes them.
    void AnswerStatus() {
        Window().Session().sync().QueryStatus();
        Window().Session().worker().waitIdle();
        Settle();
    }
    void FireOsdTicks(int ticks) {
        for (int i = 0; i < ticks; ++i)
            FireTimer(OsdPresenter::TimerId);
    }
};

TEST_F(DesktopPresenceTest, TwoDpiPressesKeepOneDisplayThatClosesBySixTicksAfterTheSecond) {
    StartWindow();
    EXPECT_EQ(Display(), nullptr);
    PressDpiButton();
    QPointer<COSDDialog> first = Display();
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(Window().IsTimerActive(OsdPresenter::TimerId));
    const OsdTexts shown = first->Texts();
    EXPECT_EQ(shown, MakeOsdTexts(Profile(), DpiSteps));

    // Looked at by a person.
    const QString shot = QStringLiteral(FERROX_OUTPUT_DIR "/../screenshots/osd_display.png");
    QDir().mkpath(QFileInfo(shot).path());
    EXPECT_TRUE(first->grab().save(shot));

    FireOsdTicks(3); // about a second
    PressDpiButton();
    EXPECT_EQ(Display(), first.data()) << "the second press updates the display shown";
    EXPECT_NE(first->Texts(), shown);
    EXPECT_EQ(first->Texts(), MakeOsdTexts(Profile(), DpiSteps));

    FireOsdTicks(5);
    EXPECT_TRUE(first) << "five ticks count the display down";
    FireOsdTicks(1);
    EXPECT_FALSE(first);
    EXPECT_FALSE(Window().IsTimerActive(OsdPresenter::TimerId));
}

TEST_F(DesktopPresenceTest, TheDisplayNeverTakesTheFocus) {
    StartWindow();
    Window().activateWindow();
    Settle();
    QWidget* active = QApplication::activeWindow();
    PressDpiButton();
    ASSERT_NE(Display(), nullptr);
    Settle();
    EXPECT_EQ(QApplication::activeWindow(), active);
    EXPECT_FALSE(Display()->isActiveWindow());
    EXPECT_TRUE(Display()->testAttribute(Qt::WA_ShowWithoutActivating));
    const Qt::WindowFlags flags = Display()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::FramelessWindowHint);
    EXPECT_NEAR(Display()->windowOpacity(), 0.5, 0.01);
    // Bottom-right corner of the work area, 180 x 140 at this scale.
    const QRect work = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(Display()->geometry().bottomRight(), work.bottomRight());
    EXPECT_EQ(Display()->size(), QSize(180, 140));
}

TEST(OsdTexts, FollowTheActiveLevelAmongTheEnabledOnes) {
    DpiStepTable table;
    table.count = 3;
    table.entries[0] = {16, 0x10}; // 800
    table.entries[1] = {32, 0x20}; // 1600
    table.entries[2] = {240, 0x30}; // 12000
    struct Case {
        uint8_t mask;
        uint8_t position;
        std::array<uint16_t, 8> steps;
        uint8_t rate;
        OsdTexts expected;
    };
    const Case cases[] = {
        {0xFF, 0, {0, 1, 2}, 0, {L"DPI-1", L"800", L"125Hz"}},
        // Levels 1 and 2 off: the second enabled level is level 4.
        {0b11111100, 1, {0, 0, 0, 2}, 3, {L"DPI-4", L"12000", L"1000Hz"}},
        {0b00010001, 1, {0, 0, 0, 0, 1}, 2, {L"DPI-5", L"1600", L"500Hz"}},
        // A step past the table leaves the value blank; a rate beyond 3 reads as 1000 Hz.
        {0x01, 0, {7}, 9, {L"DPI-1", L"", L"1000Hz"}},
    };
    for (const Case& c : cases) {
        ProfileSettings profile;
        profile.dpiEnableMask = c.mask;
        profile.currentDpiLevel = c.position;
        profile.dpiStep = c.steps;
        profile.reportRate.rate = c.rate;
        EXPECT_EQ(MakeOsdTexts(profile, table), c.expected) << int(c.mask) << "/" << int(c.position);
    }
    EXPECT_EQ(OsdValueLeft(5, L"Tahoma"), 16);
    EXPECT_EQ(OsdValueLeft(5, L"宋体"), 34);
    EXPECT_EQ(OsdValueLeft(4, L"Tahoma"), 34);
    EXPECT_EQ(OsdValueLeft(3, L"宋体"), 50);
    EXPECT_EQ(OsdRateLeft(6), 50);
    EXPECT_EQ(OsdRateLeft(5), 57);
}

TEST_F(DesktopPresenceTest, WithoutATrayTheWindowStaysReachable) {
    StartWindow(HiddenStart([] { return false; }));
    EXPECT_FALSE(Window().Visibility().Presence()->TrayShown());
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 0);
    FireTimer(kVisibilityTimer);
    EXPECT_TRUE(Window().isVisible()) << "on the taskbar, not hidden";
    EXPECT_TRUE(Window().isMinimized());

    // A second start brings it up, and it stays.
    Window().SendMessage(kWakeInstanceMessage);
    FireTimer(kVisibilityTimer);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_FALSE(Window().isMinimized());
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);

    // Minimised again: to the taskbar, as no tray icon could bring it back.
    Window().SendMessage(kMinimiseButtonId, 0, NotifyClicked);
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(DesktopPresenceTest, RestoredFromTheTaskbarTheWindowIsAllowed) {
    StartWindow(HiddenStart([] { return false; }));
    FireTimer(kVisibilityTimer);
    EXPECT_FALSE(Window().IsTimerActive(kVisibilityTimer)) << "nothing more to do until a change";
    Window().showNormal(); // the user clicked it on the taskbar
    EXPECT_TRUE(Window().IsTimerActive(kVisibilityTimer)) << "the restore is a change";
    FireTimer(kVisibilityTimer);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);
}

TEST_F(DesktopPresenceTest, ATrayThatAppearsLateGetsTheIcon) {
    auto tray = std::make_shared<bool>(false);
    StartWindow(HiddenStart([tray] { return *tray; }));
    EXPECT_TRUE(Window().IsTimerActive(DesktopPresence::TrayRetryTimer));
    FireTimer(DesktopPresence::TrayRetryTimer);
    EXPECT_FALSE(Window().Visibility().Presence()->TrayShown());
    *tray = true;
    FireTimer(DesktopPresence::TrayRetryTimer);
    ASSERT_TRUE(Window().Visibility().Presence()->TrayShown());
    EXPECT_FALSE(Window().IsTimerActive(DesktopPresence::TrayRetryTimer));
    QSystemTrayIcon* icon = Window().Visibility().Presence()->Tray().Icon();
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Gaming Mouse"));
    // With the icon there, the window may go out of sight until it is allowed.
    EXPECT_TRUE(Window().IsTimerActive(kVisibilityTimer));
    FireTimer(kVisibilityTimer);
    EXPECT_FALSE(Window().isVisible());
}

// The check that keeps a window out of sight runs when something it depends on changes, not
// ten times a second for the program's whole life.
TEST_F(DesktopPresenceTest, TheVisibilityCheckStopsOnceItHasDoneItsWork) {
    StartWindow({.trayAvailable = [] { return true; }});
    EXPECT_FALSE(Window().IsTimerActive(kVisibilityTimer)) << "shown at start: nothing to check";

    StartWindow(HiddenStart([] { return true; }));
    EXPECT_TRUE(Window().isMinimized()) << "minimised first, as it always was";
    ASSERT_TRUE(Window().IsTimerActive(kVisibilityTimer));
    FireTimer(kVisibilityTimer);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(Window().IsTimerActive(kVisibilityTimer));
    Window().showNormal(); // shown by anything but the rules
    EXPECT_TRUE(Window().IsTimerActive(kVisibilityTimer));
    FireTimer(kVisibilityTimer);
    EXPECT_FALSE(Window().isVisible());
    EXPECT_FALSE(Window().IsTimerActive(kVisibilityTimer));
}

// Started at login, the window does not pop up because the mouse asks for it as it always
// does; a request the mouse makes afresh, or a click on the tray icon, still brings it up.
TEST_F(DesktopPresenceTest, StartedHiddenOnlyAFreshRequestOfTheMouseShowsTheWindow) {
    for (bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "with a tray" : "without a tray");
        StartWindow(LoginStart(tray));
        FireTimer(kVisibilityTimer);
        EXPECT_EQ(Window().Visibility().DeviceShowFlag(), 1);
        EXPECT_EQ(Window().Visibility().WindowShownFlag(), 0);
        EXPECT_EQ(Window().isVisible(), !tray) << "on the taskbar only without a tray";
        EXPECT_TRUE(!Window().isVisible() || Window().isMinimized());
        AnswerStatus(); // the next poll: the same standing request
        EXPECT_EQ(Window().Visibility().WindowShownFlag(), 0);

        Mouse().setAccessFlag(0);
        AnswerStatus();
        EXPECT_EQ(Window().Visibility().WindowShownFlag(), 0);
        Mouse().setAccessFlag(1);
        AnswerStatus();
        EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);
        EXPECT_TRUE(Window().isVisible());
        EXPECT_FALSE(Window().isMinimized());
    }

    StartWindow(LoginStart(true));
    FireTimer(kVisibilityTimer);
    ASSERT_FALSE(Window().isVisible());
    Q_EMIT Window().Visibility().Presence()->Tray().Icon()->activated(QSystemTrayIcon::Trigger);
    Settle(); // the click, then the status query it makes
    Window().Session().worker().waitIdle();
    Settle();
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(Window().Visibility().WindowShownFlag(), 1);
}

TEST_F(DesktopPresenceTest, TheRetriesEndAfterAFewSeconds) {
    StartWindow(HiddenStart([] { return false; }));
    for (int i = 0; i < DesktopPresence::TrayRetries; ++i)
        FireTimer(DesktopPresence::TrayRetryTimer);
    EXPECT_FALSE(Window().IsTimerActive(DesktopPresence::TrayRetryTimer));
}

TEST_F(DesktopPresenceTest, AClickOnTheTrayIconBringsTheWindowBack) {
    StartWindow({.trayAvailable = [] { return true; }});
    ASSERT_TRUE(Window().Visibility().Presence()->TrayShown());
    Window().SendMessage(kMinimiseButtonId, 0, NotifyClicked);
    EXPECT_FALSE(Window().isVisible()) << "to the tray";
    // A status-notifier tray reports a single click as a trigger.
    for (auto reason : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick}) {
        Window().hide();
        Q_EMIT Window().Visibility().Presence()->Tray().Icon()->activated(reason);
        Settle();
        EXPECT_TRUE(Window().isVisible()) << reason;
    }
    Window().hide();
    Q_EMIT Window().Visibility().Presence()->Tray().Icon()->activated(QSystemTrayIcon::Context);
    Settle();
    EXPECT_FALSE(Window().isVisible());
}

// The first item shows the window; the profile chooser's text would promise the profiles.
TEST_F(DesktopPresenceTest, TheTrayMenusFirstItemOffersTheWindowInEveryLanguage) {
    for (const wchar_t* language : {L"EN", L"RU", L"UA"}) {
        StartWindow({.trayAvailable = [] { return true; }, .language = language});
        QMenu* menu = Window().Visibility().Presence()->Tray().Menu();
        ASSERT_NE(menu, nullptr);
        const std::wstring first = menu->actions().front()->text().toStdWString();
        EXPECT_EQ(first, LanguageText(275));
        EXPECT_NE(first, LanguageText(1)) << "the profile chooser's text";
        if (std::wstring_view(language) == L"EN") {
            EXPECT_EQ(first, L"Show Ferrox");
        }
    }
}

TEST_F(DesktopPresenceTest, TrayExitWithADialogOpenEndsAndWritesThePendingSave) {
    StartWindow({.trayAvailable = [] { return true; }});
    QMenu* menu = Window().Visibility().Presence()->Tray().Menu();
    ASSERT_NE(menu, nullptr);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 3); // show, separator, exit
    EXPECT_TRUE(actions[1]->isSeparator());

    Profile().reportRate.rate = 1;
    Window().Session().sync().RequestApply(ChangeGroup::Settings);
    FireTimer(kApplyTimer);
    ASSERT_TRUE(Window().Session().sync().savePending());
    const int saves = ConfigSaves();
    QPointer<CAttentionDlg> dialog = CAttentionDlg::Show(&Window(), L"Notice", L"Something",
                                                         CAttentionDlg::Mode::Modal);
    ASSERT_TRUE(dialog);

    actions[2]->trigger();
    Settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Window().IsEnded());
    EXPECT_EQ(Window().Result(), IDOK);
    EXPECT_FALSE(dialog);
    CloseWindow();
    EXPECT_GT(ConfigSaves(), saves);
}

} // namespace
} // namespace ferrox
