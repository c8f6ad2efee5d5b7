// The main window and a menu on a real display server: run by tools/desktop-check.sh under
// X11 (Xvfb) and under Wayland (weston's headless backend), where the window system, not the
// test, decides whether a window is shown and where a popup goes.

#include "ui/menu_popup.h"
#include "app/main/main_layout.h"
#include "ui/combo_button.h"
#include "window_fixture.h"

#include <QGuiApplication>

#include <cstdlib>

namespace ferrox {
namespace {

constexpr unsigned kChosen = 0x479;
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
    // The lighting list, opened below a point of the main window as a combo opens it.
    QPointer<CMenuPopup> OpenMenu() {
        auto* menu = new CMenuPopup(PopupKind::LightingList,
                                    {{1, L"Static"}, {2, L"Breathing"}, {3, L"Wave"}});
        Window().SetPopup(0, menu);
        menu->Create(&Window(), QRect(Window().mapToGlobal(Design(600, 300)), QSize(1, 1)),
                     kChosen, 3120);
        return menu;
    }
};

TEST_F(OnTheDesktop, TheWindowAndAMenuAreShown) {
    QPointer<CMenuPopup> menu = OpenMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.data(), kExposeWait));
    EXPECT_EQ(menu->windowHandle()->transientParent(), Window().windowHandle());
    EXPECT_EQ(QApplication::activePopupWidget(), menu.data());
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(OnTheDesktop, EscapeDismissesTheMenuWithItsDeactivationMessage) {
    // The window's own handler of the list's deactivation clears its menu's open mark.
    auto* combo = dynamic_cast<CComboButton*>(Window().FindControl(MainId::LightingMenu));
    ASSERT_NE(combo, nullptr);
    QPointer<CMenuPopup> menu = OpenMenu();
    combo->SetPopupOpen(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu.data(), kExposeWait));
    test::DesktopKey(menu.data(), Qt::Key_Escape);
    EXPECT_FALSE(combo->PopupOpen());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

} // namespace
} // namespace ferrox
