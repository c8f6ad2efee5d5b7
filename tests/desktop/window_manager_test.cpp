// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the virtual mouse's panel under a real window manager (openbox on Xvfb),
// driven by real pointer input through the X server (xdotool): run by tools/desktop-check.sh,
// which starts both. Without them (FERROX_WINDOW_MANAGER unset) every test is skipped.

#include "app/virtual/virtual_mouse_driver.h"
#include "app/virtual/virtual_mouse_panel.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "window_fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>

#include <cstdlib>

namespace ferrox {
namespace {

constexpr int kExposeWait = 5000;
// Long enough for the X server, the window manager and this program to pass the events on.
constexpr int kDesktopWait = 400;

class UnderAWindowManager : public test::WindowTest {
protected:
    void SetUp() override {
        if (!std::getenv("FERROX_WINDOW_MANAGER"))
            GTEST_SKIP() << "run by tools/desktop-check.sh under a window manager";
        StartWindow({.uiScale = 0}); // the scale the screen gives, as the program chooses it
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window(), kExposeWait));
        QTest::qWait(kDesktopWait);
    }
    // Pointer input through the X server. This thread does not run its event loop meanwhile,
    // so everything given at once reaches the window together, as on a busy machine.
    static void Pointer(const QStringList& args) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(' ').toStdString();
    }
    static QStringList At(QPoint global) {
        return {"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())};
    }
    // A point of the window's own background: pressed, it moves the window.
    QPoint Background() {
        const QPoint at = Design(560, 8);
        test::DesktopMove(&Window(), at);
        EXPECT_EQ(Window().HotControl(), nullptr) << "no control there";
        return Window().mapToGlobal(at);
    }
};

TEST_F(UnderAWindowManager, OnlyADragMovesTheWindowAndTheMoveEndsWithTheButton) {
    struct Case {
        const char* what;
        QStringList input; // from the background point
        bool moves;
    };
    const Case cases[] = {
        {"a click without movement", {"click", "1"}, false},
        // Moved and released before the window manager is asked: it must not take over after.
        {"a flick queued behind its press",
         {"mousedown", "1", "mousemove_relative", "--", "40", "0", "mouseup", "1"}, false},
    };
    for (const Case& c : cases) {
        const QPoint start = Window().frameGeometry().topLeft();
        Pointer(At(Background()) + c.input);
        QTest::qWait(kDesktopWait);
        // Where a move that never ended would take the window.
        Pointer({"mousemove_relative", "--sync", "--", "150", "100"});
        QTest::qWait(kDesktopWait);
        EXPECT_EQ(Window().frameGeometry().topLeft(), start) << c.what;
        EXPECT_FALSE(Window().IsWindowDragging()) << c.what;
    }

    // A real drag, one step at a time, moves it with the pointer and ends with the release.
    // The window manager is asked on the first step, and follows the pointer from there.
    const QPoint start = Window().frameGeometry().topLeft();
    Pointer(At(Background()) + QStringList{"mousedown", "1"});
    QTest::qWait(kDesktopWait);
    for (int step = 0; step < 3; ++step) {
        Pointer({"mousemove_relative", "--sync", "--", "20", "10"});
        QTest::qWait(kDesktopWait / 2);
    }
    Pointer({"mouseup", "1"});
    QTest::qWait(kDesktopWait);
    const QPoint moved = Window().frameGeometry().topLeft();
    EXPECT_EQ(moved, start + QPoint(40, 20)) << "the drag moves the window";
    Pointer({"mousemove_relative", "--sync", "--", "150", "100"});
    QTest::qWait(kDesktopWait);
    EXPECT_EQ(Window().frameGeometry().topLeft(), moved) << "and stops with the release";
}

// The panel's frame, which only the window manager knows, stays on the screen too.
TEST_F(UnderAWindowManager, TheVirtualMousePanelStaysOnTheScreen) {
    VirtualMouseDriver driver(*Hid().virtualMouse, [this](DeviceKind kind) {
        return std::dynamic_pointer_cast<VirtualMouseFirmware>(Hid().virtualMouse->firmware(kind));
    });
    VirtualMousePanel panel(driver);
    panel.ShowBeside(Window());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel, kExposeWait));
    QTest::qWait(kDesktopWait);
    const QRect work = Window().screen()->availableGeometry();
    EXPECT_TRUE(work.contains(panel.frameGeometry()))
        << "panel " << panel.frameGeometry().x() << "," << panel.frameGeometry().y() << " "
        << panel.frameGeometry().width() << "x" << panel.frameGeometry().height() << " on "
        << work.width() << "x" << work.height();
    EXPECT_GT(panel.frameGeometry().height(), panel.height()) << "framed by the window manager";

    // Looked at by a person: the whole screen, the window manager's frames included.
    const QSize size = Window().screen()->size();
    const QString shot = QStringLiteral(FERROX_SCREENSHOT_DIR "/virtual_mouse_panel_%1x%2.png")
                             .arg(size.width())
                             .arg(size.height());
    QDir().mkpath(QFileInfo(shot).path());
    EXPECT_TRUE(Window().screen()->grabWindow(0).save(shot));
}

} // namespace
} // namespace ferrox
