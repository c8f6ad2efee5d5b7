// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real ferrox --simulate on a private session bus: its name, each method, each property,
// and PropertiesChanged when the DPI and the battery change.

#include "app/ferrox_process.h"
#include "app/remote/desktop_bus.h"
#include "base/instance_lock.h"

#include <gtest/gtest.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

class DesktopBusProgram : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = test::FreshRuntime("remote-bus");
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        bus_.start(QStringLiteral("dbus-daemon"),
                   {"--session", "--nofork", "--nopidfile", "--print-address=1"});
        ASSERT_TRUE(bus_.waitForStarted()) << "dbus-daemon is needed";
        ASSERT_TRUE(bus_.waitForReadyRead(5000));
        address_ = QString::fromUtf8(bus_.readLine()).trimmed();
        connection_ = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address_, QStringLiteral("remote-bus-test")));
        ASSERT_TRUE(connection_->isConnected());
        QProcessEnvironment env = test::ProcessEnv(runtime_);
        env.insert("DBUS_SESSION_BUS_ADDRESS", address_);
        ferrox_.setProcessEnvironment(env);
        ferrox_.start(test::kFerrox, {"--simulate"});
        ASSERT_TRUE(ferrox_.waitForStarted());
        ASSERT_TRUE(test::WaitFor([&] { return Property("Connected").toBool(); }));
    }
    void TearDown() override {
        ferrox_.terminate();
        ferrox_.waitForFinished(10000);
        connection_.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("remote-bus-test"));
        bus_.kill();
        bus_.waitForFinished();
    }

    QDBusMessage Call(const char* method, const QVariantList& args = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(kBusName, kBusPath, kBusInterface,
                                                           QString::fromLatin1(method));
        call.setArguments(args);
        return connection_->call(call, QDBus::Block, 30000);
    }
    QVariantMap Properties() {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kBusName, kBusPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("GetAll"));
        call << QString::fromLatin1(kBusInterface);
        const QDBusMessage reply = connection_->call(call);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return qdbus_cast<QVariantMap>(reply.arguments()[0]);
    }
    QVariant Property(const char* name) { return Properties().value(QString::fromLatin1(name)); }

    // dbus-monitor watching the window's PropertiesChanged.
    void Watch() {
        monitor_.start(QStringLiteral("dbus-monitor"),
                       {"--address", address_,
                        QStringLiteral("type='signal',interface='org.freedesktop.DBus."
                                       "Properties',path='%1'")
                            .arg(kBusPath)});
        ASSERT_TRUE(monitor_.waitForStarted());
        ASSERT_TRUE(test::WaitFor([&] {
            seen_ += QString::fromUtf8(monitor_.readAllStandardOutput());
            return seen_.contains(QStringLiteral("NameAcquired"));
        }));
    }
    bool Told(const char* property) {
        return test::WaitFor([&] {
            seen_ += QString::fromUtf8(monitor_.readAllStandardOutput());
            return seen_.contains(QStringLiteral("PropertiesChanged")) &&
                   seen_.contains(QString::fromLatin1(property));
        });
    }
    int Virtual(const QStringList& words) {
        QProcess ctl;
        ctl.setProcessEnvironment(test::ProcessEnv(runtime_));
        ctl.start(QStringLiteral(FERROX_OUTPUT_DIR "/ferroxctl"), QStringList{"virtual"} + words);
        ctl.waitForFinished(10000);
        return ctl.exitCode();
    }

    fs::path runtime_;
    QString address_;
    QProcess bus_, ferrox_, monitor_;
    QString seen_;
    std::unique_ptr<QDBusConnection> connection_;
};

TEST_F(DesktopBusProgram, TheMethodsChangeWhatThePropertiesShow) {
    const QVariantMap start = Properties();
    for (const char* name : {"ProfileIndex", "ProfileName", "ActiveDpiLevel", "ActiveDpi",
                             "BatteryLevel", "ChargeState", "Connected"})
        EXPECT_TRUE(start.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(start.value("Connected").toBool(), true);

    EXPECT_EQ(Call("UseProfile", {1}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Property("ProfileIndex").toInt(), 1);
    EXPECT_EQ(Call("SetDpiLevel", {1}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Call("SetDpi", {1, 1200u}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Property("ActiveDpiLevel").toInt(), 1);
    EXPECT_EQ(Property("ActiveDpi").toUInt(), 1200u);
    EXPECT_EQ(Call("SetReportRate", {500u}).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Call("Apply").type(), QDBusMessage::ReplyMessage);

    // What ferroxctl would refuse comes back as an error with its words.
    const QDBusMessage bad = Call("SetReportRate", {333u});
    EXPECT_EQ(bad.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(bad.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
    EXPECT_FALSE(bad.errorMessage().isEmpty());
    EXPECT_EQ(Call("SetDpi", {QStringLiteral("x")}).type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(Call("NoSuchMethod").type(), QDBusMessage::ErrorMessage);
}

TEST_F(DesktopBusProgram, ChangesOfTheDpiAndTheBatteryAreSignalled) {
    Watch();
    const int level = Property("ActiveDpiLevel").toInt();
    const unsigned dpi = Property("ActiveDpi").toUInt() == 1600 ? 1700 : 1600;
    EXPECT_EQ(Call("SetDpi", {level, dpi}).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(Told("ActiveDpi")) << seen_.toStdString();
    seen_.clear();
    ASSERT_EQ(Virtual({"battery", "37"}), 0);
    EXPECT_TRUE(Told("BatteryLevel")) << seen_.toStdString();
    EXPECT_TRUE(test::WaitFor([&] { return Property("BatteryLevel").toInt() == 37; }));
}

} // namespace
} // namespace ferrox
