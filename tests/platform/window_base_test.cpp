#include "platform/window_base.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <gtest/gtest.h>

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
    window.onMessage(0x0BB7, [&](WParam w, LParam l) {
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
    window.onMessage(WM_USER + 1, [&](WParam, LParam) {
        handledOn = std::this_thread::get_id();
        return 0;
    });
    std::thread([&] { window.PostMessage(WM_USER + 1); }).join();
    ASSERT_TRUE(ProcessUntil([&] { return handledOn != std::thread::id{}; }));
    EXPECT_EQ(handledOn, std::this_thread::get_id());
}

TEST(WindowBaseTimers, SingleShotStopsAfterFiringRepeatingKeepsGoingUntilKilled) {
    WindowBase window;
    int once = 0, repeated = 0;
    window.onTimer(30, [&] { ++once; });
    window.onTimer(40, [&] { ++repeated; });
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
    window.onTimer(1, [&] {
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
    window.onMessage(WM_USER + 5, [&](WParam w, LParam) {
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
    stubborn.onMessage(WM_CLOSE, [](WParam, LParam) { return 0; });
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

} // namespace
} // namespace ferrox
