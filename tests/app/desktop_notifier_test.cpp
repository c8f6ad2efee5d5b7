// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications on a private session bus with a notification server of the test's
// own: the display's lines replace the previous notification instead of stacking, and nothing
// breaks where no server answers.

#include "app/osd/desktop_notifier.h"
#include "app/osd/osd_presenter.h"
#include "app/ferrox_process.h"
#include "platform/window_base.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>

#include <vector>

namespace ferrox {
namespace {

struct Shown {
    QString application;
    unsigned replaces;
    QString summary, body;
    int timeout;
};

// Answers Notify with a new number, or the one it replaces.
class FakeNotificationServer : public QDBusVirtualObject {
public:
    std::vector<Shown> shown;

    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& bus) override {
        if (message.member() != QLatin1String("Notify") || message.arguments().size() != 8)
            return false;
        const QList<QVariant> a = message.arguments();
        shown.push_back({a[0].toString(), a[1].toUInt(), a[3].toString(), a[4].toString(), a[7].toInt()});
        const uint id = a[1].toUInt() ? a[1].toUInt() : uint(shown.size() + 40);
        bus.send(message.createReply(QVariant::fromValue(id)));
        return true;
    }
};

class NotificationBus : public ::testing::Test {
protected:
    void SetUp() override {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {"--session", "--nofork", "--print-address"});
        if (!daemon.waitForStarted() || !daemon.waitForReadyRead(5000))
            GTEST_SKIP() << "no dbus-daemon here";
        address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("notify-server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("notify-client"));
        daemon.terminate();
        daemon.waitForFinished(3000);
    }
    QDBusConnection connect(const char* name) {
        return QDBusConnection::connectToBus(address, QString::fromLatin1(name));
    }
    bool serve(FakeNotificationServer& server) {
        QDBusConnection bus = connect("notify-server");
        return bus.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"),
                                         &server) &&
               bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    QProcess daemon;
    QString address;
};

TEST_F(NotificationBus, TheDisplayReplacesItsLastNotification) {
    FakeNotificationServer server;
    ASSERT_TRUE(serve(server));
    DesktopNotifier notifier(connect("notify-client"));
    WindowBase owner;
    OsdPresenter osd(owner, notifier, OsdPresenter::Mode::Notification);

    osd.Show({L"DPI-2", L"1600", L"500Hz"});
    ASSERT_TRUE(test::WaitFor([&] { return server.shown.size() == 1; }, 3000));
    EXPECT_EQ(osd.Display(), nullptr) << "no window where it cannot be placed";
    EXPECT_FALSE(owner.IsTimerActive(OsdPresenter::TimerId));
    // Sent quickly, perhaps before the server's number for the first is known: each one
    // replaces the first, none stacks beside it, and the newest is what stays.
    osd.Show({L"DPI-3", L"3200", L"500Hz"});
    osd.Show({L"DPI-4", L"6400", L"1000Hz"});
    ASSERT_TRUE(test::WaitFor(
        [&] { return server.shown.back().summary == QStringLiteral("DPI-4"); }, 3000));
    EXPECT_EQ(server.shown[0].replaces, 0u);
    EXPECT_EQ(server.shown[0].application, QStringLiteral("Ferrox")) << "as its desktop entry";
    EXPECT_EQ(server.shown[0].summary, QStringLiteral("DPI-2"));
    EXPECT_EQ(server.shown[0].body, QStringLiteral("1600\n500Hz"));
    EXPECT_EQ(server.shown[0].timeout, 1800);
    for (std::size_t i = 1; i < server.shown.size(); ++i)
        EXPECT_EQ(server.shown[i].replaces, 41u) << i;
}

TEST_F(NotificationBus, WithoutAServerNothingIsShownAndNothingFails) {
    DesktopNotifier notifier(connect("notify-client"));
    notifier.Show(QStringLiteral("battery"), QStringLiteral("low"), QStringLiteral("12%"), -1);
    notifier.Show(QStringLiteral("battery"), QStringLiteral("empty"), QStringLiteral("4%"), -1);
    test::WaitFor([] { return false; }, 300);
    // A server that comes later gets the next one, as a new notification.
    FakeNotificationServer server;
    ASSERT_TRUE(serve(server));
    notifier.Show(QStringLiteral("battery"), QStringLiteral("empty"), QStringLiteral("3%"), -1);
    ASSERT_TRUE(test::WaitFor([&] { return server.shown.size() == 1; }, 3000));
    EXPECT_EQ(server.shown[0].replaces, 0u);
}

} // namespace
} // namespace ferrox
