// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd/desktop_notifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QVariantMap>

namespace ferrox {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// As the desktop entry names the program, so the server's list and the menus agree.
const QString kApplicationName = QStringLiteral("Ferrox");

} // namespace

DesktopNotifier::DesktopNotifier(std::optional<QDBusConnection> bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

void DesktopNotifier::Show(const QString& key, const QString& summary, const QString& body,
                           int timeoutMs) {
    Slot& slot = slots_[key];
    slot.summary = summary;
    slot.body = body;
    slot.timeoutMs = timeoutMs;
    // Until the server has told us the number of the last one, a new one would stack beside
    // it: send the newest texts once the number is known.
    if (slot.pending) {
        slot.replaceWhenKnown = true;
        return;
    }
    send(key, slot);
}

void DesktopNotifier::send(const QString& key, Slot& slot) {
    if (!bus_)
        bus_ = QDBusConnection::sessionBus();
    if (!bus_->isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                       QStringLiteral("Notify"));
    QVariantMap hints;
    // The installed entry's name, so the server can match the notice to the program.
    hints.insert(QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName());
    hints.insert(QStringLiteral("transient"), true);
    call << kApplicationName << slot.id << QStringLiteral("input-mouse")
         << slot.summary << slot.body << QStringList() << hints << slot.timeoutMs;
    slot.pending = true;
    slot.replaceWhenKnown = false;
    auto* watcher = new QDBusPendingCallWatcher(bus_->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, key](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        Slot& done = slots_[key];
        done.pending = false;
        const QDBusPendingReply<unsigned> reply = *w;
        if (reply.isError())
            return; // no server: nothing to replace later either
        done.id = reply.value();
        if (done.replaceWhenKnown)
            send(key, done);
    });
}

} // namespace ferrox
