// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray/desktop_presence.h"

#include "app/osd/osd_dialog.h"
#include "lang/language_table.h"
#include "platform/window_base.h"

namespace ferrox {
namespace {

constexpr int kLowBatteryText = 160;
constexpr int kCriticalBatteryText = 161;

// Texts this program added to the shipped set: a language file without them gets the English
// wording.
QString Text(int index) {
    return QString::fromStdWString(LanguageTable[index]);
}

} // namespace

DesktopPresence::DesktopPresence(WindowBase& window, MainTrayIcon::Availability trayAvailable,
                                 OsdPresenter::Mode osdMode)
    : window_(window), tray_(window, std::move(trayAvailable)),
      osd_(window, notifier_, osdMode) {
    window_.bindTimer(OsdPresenter::TimerId, [this] { osd_.Tick(); });
    window_.bindTimer(TrayRetryTimer, [this] { retryTray(); });
    if (!tray_.TryAdd())
        window_.SetTimer(TrayRetryTimer, TrayRetryMilliseconds, TimerMode::Repeating);
}

DesktopPresence::~DesktopPresence() {
    window_.KillTimer(TrayRetryTimer);
    window_.KillTimer(OsdPresenter::TimerId);
}

// A tray host started at login may come up a few seconds after this program.
void DesktopPresence::retryTray() {
    if (tray_.TryAdd()) {
        window_.KillTimer(TrayRetryTimer);
        if (trayAdded_)
            trayAdded_();
    } else if (--retriesLeft_ <= 0) {
        window_.KillTimer(TrayRetryTimer);
    }
}

void DesktopPresence::ShowBatteryWarning(BatteryWarning warning, int level) {
    const QString text = Text(warning == BatteryWarning::Critical ? kCriticalBatteryText
                                                                  : kLowBatteryText);
    // One notification for the battery: the critical one replaces the low one.
    notifier_.Show(QStringLiteral("battery"), text, QStringLiteral("%1%").arg(level), -1);
}

} // namespace ferrox
