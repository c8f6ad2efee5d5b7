// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop notifications (org.freedesktop.Notifications on the session bus). Each key keeps one
// notification: a new one under the same key replaces the last instead of stacking. Calls never
// wait for the bus; without a notification server nothing is shown and nothing fails.

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <map>
#include <optional>

namespace ferrox {

class DesktopNotifier : public QObject {
public:
    // The session bus, reached on the first notification, unless bus is given.
    explicit DesktopNotifier(std::optional<QDBusConnection> bus = std::nullopt,
                             QObject* parent = nullptr);

    // timeoutMs -1: the server's default.
    void Show(const QString& key, const QString& summary, const QString& body, int timeoutMs);

private:
    struct Slot {
        unsigned id = 0;      // the server's number of the last one shown
        bool pending = false; // asked for, number not known yet
        bool replaceWhenKnown = false;
        QString summary, body;
        int timeoutMs = -1;
    };
    void send(const QString& key, Slot& slot);

    std::optional<QDBusConnection> bus_;
    std::map<QString, Slot> slots_;
};

} // namespace ferrox
