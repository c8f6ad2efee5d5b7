// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notification-area icon of the main window: tip "Gaming Mouse", a two-item menu (show
// the window, exit) and activation. Status-notifier trays (KDE, GNOME's extension) report a
// single left click as a trigger and never a double click, so both bring the window up.
// Desktops without a tray (stock GNOME, a tray host that starts after us) get the icon once a
// tray appears; until then the window keeps itself reachable on the taskbar.

#include <QObject>

#include <functional>

class QMenu;
class QSystemTrayIcon;

namespace ferrox {

class WindowBase;

class MainTrayIcon : public QObject {
public:
    static constexpr unsigned ShowCommand = 2075;
    static constexpr unsigned ExitCommand = 2076;

    // Whether the desktop shows tray icons now; the system's answer when empty.
    using Availability = std::function<bool()>;

    // Menu choices and activation are posted to window as its commands 2075 and 2076.
    MainTrayIcon(WindowBase& window, Availability available);
    ~MainTrayIcon() override;

    // Adds the icon when a tray is there. True once the icon is shown.
    bool TryAdd();
    bool Shown() const { return icon_ != nullptr; }
    QSystemTrayIcon* Icon() const { return icon_; }
    QMenu* Menu() const { return menu_; }

private:
    WindowBase& window_;
    Availability available_;
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace ferrox
