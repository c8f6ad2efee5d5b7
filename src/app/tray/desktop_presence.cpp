#include "app/tray/desktop_presence.h"

#include "app/osd/osd_dialog.h"
#include "lang/language_table.h"
#include "platform/window_base.h"

namespace ferrox {
namespace {

constexpr int kLowBatteryText = 160;
constexpr int kCriticalBatteryText = 161;

QString Text(int index, const wchar_t* english) {
    const std::wstring& text = LanguageTable[index];
    return QString::fromStdWString(text.empty() ? std::wstring(english) : text);
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
    if (tray_.TryAdd() || --retriesLeft_ <= 0)
        window_.KillTimer(TrayRetryTimer);
}

void DesktopPresence::ShowBatteryWarning(BatteryWarning warning, int level) {
    const QString text = warning == BatteryWarning::Critical
                             ? Text(kCriticalBatteryText, L"Mouse battery almost empty. Charge it now.")
                             : Text(kLowBatteryText, L"Mouse battery low. Charge it soon.");
    // One notification for the battery: the critical one replaces the low one.
    notifier_.Show(QStringLiteral("battery"), text, QStringLiteral("%1%").arg(level), -1);
}

} // namespace ferrox
