// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/remote/desktop_bus.h"

#include "app/remote/desktop_bus_xml.h"
#include "app/remote/window_command_host.h"
#include "cli/command_host.h"
#include "cli/command_table.h"
#include "cli/status_text.h"
#include "device/protocol/sync_session.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "settings/dpi_table.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QPointer>

#include <string_view>

namespace ferrox {

namespace {

constexpr char kPropertiesInterface[] = "org.freedesktop.DBus.Properties";

// Each method is a ferroxctl command with the method's arguments as its last words.
struct BusMethod {
    std::string_view name;
    std::string_view signature;
    std::string_view command;
    std::string_view verb; // empty: none
};
constexpr BusMethod kMethods[] = {
    {"UseProfile", "i", "profile", "use"},
    {"SetDpi", "iu", "set", "dpi"},
    {"SetDpiLevel", "i", "set", "dpi-level"},
    {"SetReportRate", "u", "set", "rate"},
    {"Apply", "", "apply", ""},
};

const BusMethod* FindMethod(const QString& name) {
    for (const BusMethod& method : kMethods)
        if (name == QLatin1String(method.name.data(), qsizetype(method.name.size())))
            return &method;
    return nullptr;
}

QString ErrorName(int status) {
    switch (status) {
    case kExitUsage:
        return QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    case kExitBusy:
        return QString::fromLatin1(kBusInterface) + QStringLiteral(".Error.Busy");
    default:
        return QString::fromLatin1(kBusInterface) + QStringLiteral(".Error.Failed");
    }
}

RemoteRequest RequestOf(const BusMethod& method, const QVariantList& arguments) {
    RemoteRequest request{std::string(method.command), {}, false, false};
    if (!method.verb.empty())
        request.args.emplace_back(method.verb);
    for (const QVariant& argument : arguments)
        request.args.push_back(argument.toString().toStdString());
    return request;
}

unsigned ActiveDpi(const ProfileSettings& profile, std::optional<int> level) {
    if (!level)
        return 0;
    const std::optional<DpiStep> step = DpiSteps.At(profile.dpiStep[size_t(*level)]);
    return step ? step->Dpi() : 0;
}

} // namespace

QVariantMap DesktopBusProperties(CommandHost& host) {
    const ProfileSettings& profile = CurrentProfile();
    const std::optional<int> level = ActiveDpiLevel(profile);
    const SyncController& sync = host.session().sync();
    // The battery gauge shows no level above 100.
    const int battery = sync.batteryLevel() > 100 ? 0 : sync.batteryLevel();
    return {
        {QStringLiteral("ProfileIndex"), CurrentSlot()},
        {QStringLiteral("ProfileName"),
         QString::fromStdWString(ProfileValue(profile, ProfileKey::ProfileName))},
        {QStringLiteral("ActiveDpiLevel"), level.value_or(-1)},
        {QStringLiteral("ActiveDpi"), ActiveDpi(profile, level)},
        {QStringLiteral("BatteryLevel"), battery},
        {QStringLiteral("ChargeState"), QString::fromLatin1(ChargeText(sync.chargeState()))},
        {QStringLiteral("Connected"), bool(host.session().discovery().link().anyPresent)},
    };
}

DesktopBus::DesktopBus(RemoteRunner& runner, QObject* parent)
    : QDBusVirtualObject(parent), runner_(runner) {}

DesktopBus::~DesktopBus() {
    if (connection_) {
        connection_->unregisterObject(QString::fromLatin1(kBusPath));
        connection_->unregisterService(QString::fromLatin1(kBusName));
    }
}

bool DesktopBus::registerOn(const QDBusConnection& connection) {
    if (!connection.isConnected() || !runner_.window().host)
        return false;
    QDBusConnection bus = connection;
    if (!bus.registerVirtualObject(QString::fromLatin1(kBusPath), this))
        return false;
    if (!bus.registerService(QString::fromLatin1(kBusName))) {
        bus.unregisterObject(QString::fromLatin1(kBusPath));
        return false;
    }
    connection_ = bus;
    told_ = DesktopBusProperties(*runner_.window().host);
    // The session tells whenever something it shows may have changed; nothing is polled.
    QPointer<DesktopBus> self(this);
    runner_.window().host->session().sync().watchState([self] {
        if (self)
            self->tellChanges();
    });
    return true;
}

void DesktopBus::tellChanges() {
    if (!connection_)
        return;
    const QVariantMap now = DesktopBusProperties(*runner_.window().host);
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it)
        if (told_.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    told_ = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(kBusPath),
                                                     QString::fromLatin1(kPropertiesInterface),
                                                     QStringLiteral("PropertiesChanged"));
    signal << QString::fromLatin1(kBusInterface) << changed << QStringList();
    connection_->send(signal);
}

QString DesktopBus::introspect(const QString&) const {
    const QString xml = QString::fromUtf8(kDesktopBusXml);
    const qsizetype begin = xml.indexOf(QStringLiteral("<interface"));
    const qsizetype end = xml.lastIndexOf(QStringLiteral("</interface>"));
    if (begin < 0 || end < begin)
        return {};
    return xml.mid(begin, end - begin + qsizetype(sizeof "</interface>") - 1);
}

bool DesktopBus::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (message.interface() == QLatin1String(kPropertiesInterface))
        connection.send(properties(message));
    else if (message.interface().isEmpty() || message.interface() == QLatin1String(kBusInterface))
        call(message, connection);
    else
        return false;
    return true;
}

void DesktopBus::call(const QDBusMessage& message, const QDBusConnection& connection) {
    const BusMethod* method = FindMethod(message.member());
    if (!method) {
        connection.send(
            message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"),
                                     QStringLiteral("no method ") + message.member()));
        return;
    }
    const QLatin1String signature(method->signature.data(), qsizetype(method->signature.size()));
    if (message.signature() != signature) {
        connection.send(message.createErrorReply(
            QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
            QStringLiteral("%1 takes (%2)").arg(message.member(), signature)));
        return;
    }
    QPointer<DesktopBus> self(this);
    runner_.submit(RequestOf(*method, message.arguments()), [self, message, connection](
                                                                const RemoteAnswer& answer) {
        if (self)
            self->tellChanges();
        if (answer.exitStatus == kExitOk)
            connection.send(message.createReply());
        else
            connection.send(message.createErrorReply(ErrorName(answer.exitStatus),
                                                     QString::fromStdString(answer.err).trimmed()));
    });
}

QDBusMessage DesktopBus::properties(const QDBusMessage& message) {
    const QVariantList args = message.arguments();
    const QString member = message.member();
    const bool ours = !args.isEmpty() && args[0].toString() == QLatin1String(kBusInterface);
    const QVariantMap values = DesktopBusProperties(*runner_.window().host);
    if (member == QLatin1String("GetAll") && args.size() == 1)
        return message.createReply(ours ? values : QVariantMap());
    if (member == QLatin1String("Get") && args.size() == 2 && ours &&
        values.contains(args[1].toString()))
        return message.createReply(QVariant::fromValue(QDBusVariant(values[args[1].toString()])));
    if (member == QLatin1String("Set"))
        return message.createErrorReply(
            QStringLiteral("org.freedesktop.DBus.Error.PropertyReadOnly"),
            QStringLiteral("the properties are read-only"));
    return message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                    QStringLiteral("no such property"));
}

} // namespace ferrox
