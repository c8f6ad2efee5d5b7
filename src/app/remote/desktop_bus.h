// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The running window on the session bus, for desktop shortcuts, panel widgets and scripts:
// methods that run the same code as ferroxctl's commands inside the window, and read-only
// properties of the current profile, the active DPI and the battery, with PropertiesChanged
// when they change. Without a session bus the window runs as before.

#include "app/remote/remote_commands.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QVariantMap>

namespace ferrox {

class CommandHost;

inline constexpr char kBusName[] = "io.github.ferrox_mouse.ferrox";
inline constexpr char kBusPath[] = "/io/github/ferrox_mouse/ferrox";
inline constexpr char kBusInterface[] = "io.github.ferrox_mouse.ferrox1";

// The values of the interface's properties, by name, as the window has them now.
QVariantMap DesktopBusProperties(CommandHost& host);

class DesktopBus : public QDBusVirtualObject {
public:
    explicit DesktopBus(RemoteRunner& runner, QObject* parent = nullptr);
    ~DesktopBus() override;

    // Registers the object and asks for the name; false (and nothing registered) when the
    // connection is not up or the name is taken.
    bool registerOn(const QDBusConnection& connection);
    // Sends PropertiesChanged for whatever differs from what was last told.
    void tellChanges();

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    // A method's reply goes out once its command's frames are on the wire.
    void call(const QDBusMessage& message, const QDBusConnection& connection);
    QDBusMessage properties(const QDBusMessage& message);

    RemoteRunner& runner_;
    std::optional<QDBusConnection> connection_;
    QVariantMap told_;
};

} // namespace ferrox
