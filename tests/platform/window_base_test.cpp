// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_base.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace ferrox {
namespace {

// Spins the event loop until pred holds; fails the test after two seconds.
template <typename Pred> bool ProcessUntil(Pred pred) {
    QElapsedTimer clock;
    clock.start();
    while (!pred() && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return pred();
}

TEST(WindowBaseMessages, SendRunsTheHandlerAtOncePostRunsItFromTheLoop) {
    WindowBase window;
    std::vector<std::pair<WParam, LParam>> seen;
    window.bindMessage(0x0BB7, [&](WParam w, LParam l) {
        seen.emplace_back(w, l);
        return 7;
    });

    EXPECT_EQ(window.SendMessage(0x0BB7, 1, 2), 7);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(window.SendMessage(0x1234), 0) << "an unhandled message answers 0";

    window.PostMessage(0x0BB7, 3, -4);
    EXPECT_EQ(seen.size(), 1u) << "a posted message must wait for the loop";
    ASSERT_TRUE(ProcessUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen[1], std::make_pair(WParam{3}, LParam{-4}));
}

TEST(WindowBaseMessages, PostFromAnotherThreadArrivesOnTheWindowThread) {
    WindowBase window;
    std::thread::id handledOn;
    window.bindMessage(WM_USER + 1, [&](WParam, LParam) {
        handledOn = std::this_thread::get_id();
        return 0;
    });
    std::thread([&] { window.PostMessage(WM_USER + 1); }).join();
    ASSERT_TRUE(ProcessUntil([&] { return handledOn != std::thread::id{}; }));
    EXPECT_EQ(handledOn, std::this_thread::get_id());
}

TEST(WindowBaseMessages, ANumberIsBoundOnceTheFirstHandlerStays) {
    WindowBase window;
    EXPECT_TRUE(window.bindMessage(WM_USER + 2, [](WParam, LParam) { return 1; }));
    EXPECT_FALSE(window.bindMessage(WM_USER + 2, [](WParam, LParam) { return 2; }));
    EXPECT_EQ(window.SendMessage(WM_USER + 2), 1);
    int fired = 0;
    EXPECT_TRUE(window.bindTimer(7, [&] { ++fired; }));
    EXPECT_FALSE(window.bindTimer(7, [&] { fired += 10; }));
    window.FireTimer(7);
    EXPECT_EQ(fired, 1);
}

TEST(WindowBaseMessages, TasksAndMessagesFromOtherThreadsRunInPostingOrderOnTheWindowThread) {
    WindowBase window;
    std::vector<std::string> order;
    std::thread::id ranOn;
    window.bindMessage(WM_USER + 3, [&](WParam w, LParam) {
        order.push_back("message " + std::to_string(w));
        return 0;
    });
    std::thread([&] {
        window.PostTask([&] {
            ranOn = std::this_thread::get_id();
            order.push_back("task");
        });
        window.PostMessage(WM_USER + 3, 9);
    }).join();
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(ProcessUntil([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::string>{"task", "message 9"}));
    EXPECT_EQ(ranOn, std::this_thread::get_id());
}

TEST(WindowBaseTimers, SingleShotStopsAfterFiringRepeatingKeepsGoingUntilKilled) {
    WindowBase window;
    int once = 0, repeated = 0;
    window.bindTimer(30, [&] { ++once; });
    window.bindTimer(40, [&] { ++repeated; });
    window.SetTimer(30, 0, TimerMode::SingleShot);
    window.SetTimer(40, 0);
    EXPECT_TRUE(window.IsTimerActive(30));

    ASSERT_TRUE(ProcessUntil([&] { return once == 1 && repeated >= 3; }));
    EXPECT_FALSE(window.IsTimerActive(30));
    EXPECT_TRUE(window.IsTimerActive(40));
    EXPECT_TRUE(window.KillTimer(40));
    EXPECT_FALSE(window.KillTimer(40)) << "killing a stopped timer reports nothing stopped";
    const int after = repeated;
    QCoreApplication::processEvents();
    EXPECT_EQ(repeated, after);
    EXPECT_EQ(once, 1);
}

TEST(WindowBaseTimers, HandlerMayKillOrRestartItsOwnTimer) {
    WindowBase window;
    int fired = 0;
    window.bindTimer(1, [&] {
        if (++fired < 3)
            window.SetTimer(1, 0, TimerMode::SingleShot);
        else
            window.KillTimer(1);
    });
    window.SetTimer(1, 0, TimerMode::SingleShot);
    ASSERT_TRUE(ProcessUntil([&] { return fired == 3; }));
    EXPECT_FALSE(window.IsTimerActive(1));
}

TEST(WindowBaseDialog, RunModalReturnsTheEndDialogResult) {
    WindowBase window;
    window.bindMessage(WM_USER + 5, [&](WParam w, LParam) {
        window.EndDialog(static_cast<int>(w));
        return 0;
    });
    window.PostMessage(WM_USER + 5, 42);
    EXPECT_EQ(window.RunModal(), 42);
    EXPECT_TRUE(window.IsEnded());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.InModalLoop());
}

TEST(WindowBaseDialog, CloseRequestEndsWithCancelUnlessHandled) {
    WindowBase plain;
    plain.Create();
    EXPECT_TRUE(plain.isVisible());
    plain.close();
    EXPECT_TRUE(plain.IsEnded());
    EXPECT_EQ(plain.Result(), IDCANCEL);

    WindowBase stubborn;
    stubborn.bindMessage(WM_CLOSE, [](WParam, LParam) { return 0; });
    stubborn.Create();
    stubborn.close();
    EXPECT_FALSE(stubborn.IsEnded());
    EXPECT_TRUE(stubborn.isVisible());
}

TEST(WindowBaseMouse, PressOutsideControlsDragsTheWindowWithoutAWindowManager) {
    struct Dragger : WindowBase {
        int moves = 0;
        void OnMouseMove(int, int) override { ++moves; }
    } window;
    window.setGeometry(100, 100, 200, 100);
    window.Create();
    const QPoint start(110, 110);
    // The drag offset comes from the pointer's screen position at the press.
    window.StartWindowDrag(start);
    ASSERT_TRUE(window.IsWindowDragging());
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), QPointF(start + QPoint(30, 20)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &move);
    EXPECT_EQ(window.pos(), QPoint(130, 120));
    EXPECT_EQ(window.moves, 0) << "a dragged window's moves reach no handler";
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(40, 30),
                        QPointF(start + QPoint(30, 20)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &release);
    EXPECT_FALSE(window.IsWindowDragging());
}

// The release went to another window (the desktop took the pointer meanwhile): the next move
// without the button ends the drag instead of carrying the window along.
TEST(WindowBaseMouse, ADragEndsWhenThePointerMovesWithTheButtonUp) {
    WindowBase window;
    window.setGeometry(100, 100, 200, 100);
    window.Create();
    for (bool movedFirst : {false, true}) {
        window.move(100, 100);
        window.StartWindowDrag(QPoint(110, 110));
        if (movedFirst) {
            QMouseEvent held(QEvent::MouseMove, QPointF(20, 20), QPointF(120, 120), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&window, &held);
        }
        const QPoint at = window.pos();
        QMouseEvent up(QEvent::MouseMove, QPointF(40, 30), QPointF(170, 160), Qt::NoButton,
                       Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &up);
        EXPECT_FALSE(window.IsWindowDragging()) << movedFirst;
        EXPECT_EQ(window.pos(), at) << movedFirst;
    }
}

// Records which handler each Qt mouse event reached.
class InputLog : public WindowBase {
public:
    std::vector<std::string> log;

protected:
    void OnMouseMove(int x, int y) override { add("move", x, y); }
    void OnLButtonDown(int x, int y) override { add("ldown", x, y); }
    void OnLButtonUp(int x, int y) override { add("lup", x, y); }
    void OnLButtonDblClk(int x, int y) override { add("ldbl", x, y); }
    void OnRButtonDown(int x, int y) override { add("rdown", x, y); }
    void OnRButtonUp(int x, int y) override { add("rup", x, y); }
    void OnMouseWheel(int delta, int x, int y) override {
        add("wheel" + std::to_string(delta), x, y);
    }
    void OnMouseHover(int x, int y) override { add("hover", x, y); }
    void OnMouseLeave() override { log.push_back("leave"); }

private:
    void add(const std::string& what, int x, int y) {
        log.push_back(what + "@" + std::to_string(x) + "," + std::to_string(y));
    }
};

void Mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

TEST(WindowBaseMouse, QtEventsReachTheMatchingHandlersInClientCoordinates) {
    InputLog window;
    window.Create();
    Mouse(window, QEvent::MouseMove, {5, 6}, Qt::NoButton);
    Mouse(window, QEvent::MouseButtonPress, {5, 6}, Qt::LeftButton);
    Mouse(window, QEvent::MouseButtonRelease, {5, 6}, Qt::LeftButton);
    Mouse(window, QEvent::MouseButtonDblClick, {5, 6}, Qt::LeftButton);
    Mouse(window, QEvent::MouseButtonPress, {7, 8}, Qt::RightButton);
    Mouse(window, QEvent::MouseButtonRelease, {7, 8}, Qt::RightButton);
    QWheelEvent wheel(QPointF(3, 4), QPointF(window.mapToGlobal(QPoint(3, 4))), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &wheel);
    EXPECT_EQ(window.log, (std::vector<std::string>{"move@5,6", "ldown@5,6", "lup@5,6", "ldbl@5,6",
                                                    "rdown@7,8", "rup@7,8", "wheel-120@3,4"}));
}

// The dialogs rely on the order down, up, double-click, up: a second press before the
// double-click would toggle a folder icon once too often.
TEST(WindowBaseMouse, DoubleClickFromTheWindowSystemArrivesWithoutASecondPress) {
    InputLog window;
    window.Create();
    QWindow* handle = window.windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    const std::vector<std::string> pair{"ldown@5,6", "lup@5,6", "ldbl@5,6", "lup@5,6"};
    std::vector<std::string> clicks;
    for (const auto& entry : window.log)
        if (entry.rfind("move", 0) != 0)
            clicks.push_back(entry);
    EXPECT_EQ(clicks, pair);
}

TEST(WindowBaseMouse, HoverAndLeaveArriveOnlyWhileTracked) {
    InputLog window;
    window.Create();
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_TRUE(window.log.empty()) << "no leave notice without tracking";

    Mouse(window, QEvent::MouseMove, {9, 9}, Qt::NoButton);
    EXPECT_TRUE(window.TrackMouseEvent(1));
    ASSERT_TRUE(ProcessUntil([&] { return window.log.back() == "hover@9,9"; }));
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(window.log.back(), "leave");
    EXPECT_FALSE(window.IsTrackingMouse());
    QCoreApplication::sendEvent(&window, &leave);
    EXPECT_EQ(std::count(window.log.begin(), window.log.end(), "leave"), 1);
}

} // namespace
} // namespace ferrox
