// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on the virtual mouse: size, keyboard filter, the ways it ends, visibility
// and the no-device notice. Timers are fired by hand.

#include "app/app_messages.h"
#include "app/main_window/ferrox_dlg.h"
#include "base/app_globals.h"
#include "window_fixture.h"
#include "ui/control_notify.h"
#include "ui/open_dialog_table.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

namespace ferrox {
namespace {

class FerroxDlgTest : public test::WindowTest {
protected:
    // A fresh main window on devices that never answer, laid out for the offscreen screen;
    // startHidden is the --start-hidden option.
    void start(const std::vector<DeviceKind>& kinds, bool startShown = true,
               bool startHidden = false) {
        ClearOpenDialogTable();
        StartWindow({.plugged = kinds, .shown = startShown, .uiScale = 0, .answering = false,
                     .startHidden = startHidden});
        dlg = &Window();
        hid = &Hid();
    }
    void settle() { Settle(); }
    // Sent straight to the window, so the test sees whether it was swallowed.
    bool key(int qtKey) {
        QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier);
        return QApplication::sendEvent(dlg, &event) && event.isAccepted();
    }

    test::TestWindow* dlg = nullptr;
    HidSystem* hid = nullptr;
};

TEST_F(FerroxDlgTest, StartsShownAtItsScaledSizeWithTheDeviceFound) {
    start({DeviceKind::Wired, DeviceKind::Receiver});
    EXPECT_EQ(dlg->width(), int(CFerroxDlg::DesignWidth * UiScale));
    EXPECT_EQ(dlg->height(), int(CFerroxDlg::DesignHeight * UiScale));
    EXPECT_TRUE(dlg->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->Visibility().WindowShownFlag(), 1);
    EXPECT_EQ(dlg->Visibility().DeviceShowFlag(), 1);
    EXPECT_FALSE(dlg->IsTimerActive(kVisibilityTimer)) << "nothing to keep hidden";
    EXPECT_TRUE(dlg->IsTimerActive(kNoDeviceTimer));
    EXPECT_TRUE(std::filesystem::is_directory(ConfigFolder()));
    const DeviceLink& link = dlg->Discovery().link();
    EXPECT_TRUE(link.wired.present && link.receiver.present);
    EXPECT_EQ(link.activeCommandHandle(), link.wired.commandHandle.get());
    EXPECT_FALSE(link.queryOnConnect) << "the start-up scan takes the status query";

    // Looked at by a person: the plain main window as it stands.
    const QString shot = QStringLiteral(FERROX_OUTPUT_DIR "/../screenshots/main_window.png");
    QDir().mkpath(QFileInfo(shot).path());
    EXPECT_TRUE(dlg->grab().save(shot));
}

TEST_F(FerroxDlgTest, EnterAndEscapeDoNothingAndTheLettersOpenSupport) {
    start({DeviceKind::Wired});
    EXPECT_TRUE(key(Qt::Key_Escape));
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_TRUE(key(Qt::Key_Enter));
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->Notices().SupportNoticeWindow(), nullptr);

    for (char letter : kSupportSequence)
        key(Qt::Key_A + (letter - 'A'));
    ASSERT_NE(dlg->Notices().SupportNoticeWindow(), nullptr);
    EXPECT_TRUE(dlg->Notices().SupportNoticeWindow()->isVisible());
    EXPECT_EQ(dlg->Notices().SupportNoticeWindow()->windowModality(), Qt::ApplicationModal);
}

TEST_F(FerroxDlgTest, ExitClosesTheOpenDialogsAndEndsWithOk) {
    start({});
    dlg->OnTimer(kNoDeviceTimer);
    QPointer<WindowBase> notice = dlg->Notices().NoDeviceNoticeWindow();
    ASSERT_TRUE(notice);
    EXPECT_EQ(OpenDialogTable[0], notice.data());

    dlg->SendMessage(kExitButtonId, 0, NotifyClicked);
    settle();
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_EQ(dlg->Result(), IDOK);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(notice);
    EXPECT_EQ(OpenDialogTable[0], nullptr);
}

TEST_F(FerroxDlgTest, MinimiseStaysAllowedToShowAndASecondStartBringsItBack) {
    start({DeviceKind::Wired});
    dlg->SendMessage(kMinimiseButtonId, 0, NotifyHoverEnter);
    EXPECT_FALSE(dlg->isMinimized());
    dlg->SendMessage(kMinimiseButtonId, 0, NotifyClicked);
    // No tray icon yet: to the taskbar, never out of reach.
    EXPECT_TRUE(dlg->isMinimized());
    EXPECT_EQ(dlg->Visibility().WindowShownFlag(), 1);
    EXPECT_FALSE(dlg->IsEnded());
    dlg->SendMessage(kWakeInstanceMessage);
    EXPECT_FALSE(dlg->isMinimized());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(FerroxDlgTest, StartedHiddenAtLoginStaysReachable) {
    start({DeviceKind::Wired}, true, true);
    // No tray icon here: minimised to the taskbar, not hidden out of reach.
    EXPECT_TRUE(dlg->isMinimized());
    EXPECT_EQ(dlg->Visibility().WindowShownFlag(), 1);
    dlg->SendMessage(kWakeInstanceMessage);
    EXPECT_FALSE(dlg->isMinimized());
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(FerroxDlgTest, ClosedByTheDesktopEndsLikeTheExitButton) {
    start({});
    dlg->OnTimer(kNoDeviceTimer);
    QPointer<WindowBase> notice = dlg->Notices().NoDeviceNoticeWindow();
    dlg->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_FALSE(notice);
}

TEST_F(FerroxDlgTest, NoDeviceNoticeAfterTwoSeconds) {
    struct Case {
        std::vector<DeviceKind> plugged;
        bool notice;
    };
    // The device show flag is 1 at start-up, so the receiver alone gets no notice either.
    const Case cases[] = {
        {{}, true}, {{DeviceKind::Wired}, false}, {{DeviceKind::Receiver}, false}};
    for (const Case& c : cases) {
        start(c.plugged);
        dlg->OnTimer(kNoDeviceTimer);
        EXPECT_FALSE(dlg->IsTimerActive(kNoDeviceTimer));
        EXPECT_EQ(dlg->Notices().NoDeviceNoticeWindow() != nullptr, c.notice) << c.plugged.size();
        if (dlg->Notices().NoDeviceNoticeWindow()) {
            EXPECT_TRUE(dlg->Notices().NoDeviceNoticeWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
        }
    }
}

TEST_F(FerroxDlgTest, UnpluggingTheWiredMouseKeepsRunningOnTheReceiver) {
    start({DeviceKind::Wired, DeviceKind::Receiver});
    hid->virtualMouse->unplug(DeviceKind::Wired);
    settle();
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(dlg->isVisible());
    const DeviceLink& link = dlg->Discovery().link();
    EXPECT_EQ(link.wired.commandHandle, nullptr);
    EXPECT_EQ(link.activeCommandHandle(), link.receiver.commandHandle.get());

    hid->virtualMouse->plug(DeviceKind::Wired); // comes back with the arrival notice
    settle();
    EXPECT_NE(link.wired.commandHandle, nullptr);
}

TEST_F(FerroxDlgTest, UnpluggingTheOnlyDeviceHidesClosesTheDialogsAndEnds) {
    start({DeviceKind::Receiver});
    dlg->OnTimer(kNoDeviceTimer); // nothing: the receiver is there
    dlg->SendMessage(kMinimiseButtonId, 0, NotifyClicked);
    dlg->SendMessage(kWakeInstanceMessage);
    for (char letter : kSupportSequence)
        key(Qt::Key_A + (letter - 'A'));
    QPointer<WindowBase> support = dlg->Notices().SupportNoticeWindow();
    ASSERT_TRUE(support);

    hid->virtualMouse->unplug(DeviceKind::Receiver);
    settle(); // the notice, then the quit it posts
    settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dlg->Visibility().WindowShownFlag(), 0);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_FALSE(support);
    EXPECT_TRUE(dlg->IsEnded());
    EXPECT_TRUE(dlg->Discovery().link().queryOnConnect);

    // Timer 40 keeps it hidden whatever shows it now.
    dlg->show();
    dlg->OnTimer(kVisibilityTimer);
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(FerroxDlgTest, UnrelatedArrivalWhileBothArePresentChangesNothing) {
    start({DeviceKind::Wired, DeviceKind::Receiver});
    const HidHandle* wired = dlg->Discovery().link().wired.commandHandle.get();
    hid->virtualMouse->plugUnrelated();
    settle();
    EXPECT_EQ(dlg->Discovery().link().wired.commandHandle.get(), wired);
    // Messages with other device-change codes are ignored.
    dlg->SendMessage(WM_DEVICECHANGE, 0x0007);
    EXPECT_FALSE(dlg->IsEnded());
}

} // namespace
} // namespace ferrox
