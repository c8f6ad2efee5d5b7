// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and a menu on a real display server: run by tools/desktop-check.sh under
// X11 (Xvfb) and under Wayland (weston's headless backend), where the window system, not the
// test, decides whether a window is shown and where a popup goes.

#include "app/main_window/main_layout.h"
#include "app/profile_bar_window.h"
#include "app/wake/wake_window.h"
#include "lang/language_table.h"
#include "ui/combo_button.h"
#include "ui/control_notify.h"
#include "ui/menu_popup.h"
#include "window_fixture.h"

#include <QGuiApplication>
#include <QToolTip>

#include <cstdlib>

namespace ferrox {
namespace {

constexpr int kExposeWait = 5000;

class OnTheDesktop : public test::WindowTest {
protected:
    void SetUp() override {
        const char* expected = std::getenv("FERROX_EXPECT_PLATFORM");
        ASSERT_TRUE(expected && *expected) << "run by tools/desktop-check.sh";
        ASSERT_EQ(QGuiApplication::platformName().toStdString(), expected);
        StartWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window(), kExposeWait));
    }
    // The lighting list, opened as a click on its combo opens it.
    QPointer<MenuPopup> OpenMenu() {
        Window().SendMessage(LightingMenuMessage, MainId::LightingMenu, NotifyClicked);
        return dynamic_cast<MenuPopup*>(Window().Popup(kListPopupSlot));
    }
    bool ComboOpen() {
        auto* combo = Window().FindControlAs<CComboButton>(MainId::LightingMenu);
        return combo && combo->PopupOpen();
    }
};

TEST_F(OnTheDesktop, TheWindowAndAMenuAreShown) {
    QPointer<MenuPopup> menu = OpenMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.data(), kExposeWait));
    EXPECT_EQ(menu->windowHandle()->transientParent(), Window().windowHandle());
    EXPECT_EQ(QApplication::activePopupWidget(), menu.data());
    EXPECT_TRUE(Window().isVisible());
}

// Escape reaches the window as the list's deactivation: the combo no longer shows it open.
TEST_F(OnTheDesktop, EscapeDismissesTheMenuWithItsDeactivationMessage) {
    QPointer<MenuPopup> menu = OpenMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.data(), kExposeWait));
    EXPECT_TRUE(ComboOpen());
    test::DesktopKey(menu.data(), Qt::Key_Escape);
    EXPECT_FALSE(ComboOpen());
    EXPECT_EQ(Window().Popup(kListPopupSlot), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// Wayland without a tray: xdg-shell cannot take a window back from minimised, so a second
// start's wake-up must bring it back some other way. weston minimises for real and sends the
// hidden surface no frame callbacks, which Qt reports as the window no longer exposed.
TEST_F(OnTheDesktop, ASecondStartBringsBackAMinimisedWindowOnWayland) {
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        GTEST_SKIP() << "an X11 server without a window manager does not minimise";
    for (const char* token : {"", "a-token-the-compositor-does-not-know"}) {
        Window().SendMessage(kMinimiseButtonId, 0, NotifyClicked);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                Window().update();
                return !Window().windowHandle()->isExposed();
            },
            kExposeWait))
            << "the compositor did not minimise the window";
        WakeWindow(Window(), token);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&Window(), kExposeWait)) << token;
    }
}

// The pointer rests on a button that shows only a picture: after the desktop's tooltip delay
// the window system's own events bring up its tip.
TEST_F(OnTheDesktop, APictureButtonShowsItsTipWhenThePointerRests) {
    Window().activateWindow();
    // Without a window manager the window never becomes active; its tips show all the same.
    (void)QTest::qWaitForWindowActive(&Window(), kExposeWait);
    const QPoint at = Window().FindControl(MainId::ImportProfile)->GetBounds().center();
    test::DesktopMove(&Window(), at - QPoint(3, 0));
    test::DesktopMove(&Window(), at);
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::isVisible(); }, kExposeWait));
    EXPECT_EQ(QToolTip::text().toStdWString(), LanguageText(283));
}

} // namespace
} // namespace ferrox
