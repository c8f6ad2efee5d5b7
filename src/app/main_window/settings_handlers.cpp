// Report rate, lift-off, debounce, power, pointer settings and the bottom bar.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/desktop_links.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/main_window/main_layout.h"
#include "app/menus/list_popups.h"
#include "app/app_messages.h"
#include "device/protocol/sync_controller.h"
#include "settings/config_table.h"
#include "ui/check_button.h"
#include "ui/power_manage_button.h"
#include "ui/slider_control.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace ferrox {
namespace {

constexpr std::array<const wchar_t*, 4> kRateNames{L"125HZ", L"250HZ", L"500HZ", L"1000HZ"};
constexpr int kNoDeviceText = 155;
constexpr int kNoMouseSettingsText = 276;

bool IsPointerSlider(int id) {
    return id == MainId::PointerSpeedSlider || id == MainId::ScrollSlider ||
           id == MainId::DoubleClickSlider;
}

} // namespace

void CFerroxDlg::bindSettingsHandlers() {
    for (int r = 0; r < 4; ++r)
        onControl(MainId::Rate125 + r, [this, r](LParam code, WParam) {
            if (code != NotifyClicked)
                return;
            ReportRateSettings& rate = CurrentProfile().reportRate;
            rate.rate = std::uint8_t(r);
            rate.name = kRateNames[std::size_t(r)];
            rate.spare = {};
            requestApply(ChangeGroup::Settings);
            RefreshView();
        });
    // The menu stays hidden; its list still works for whoever shows it.
    bindMessage(RateMenuMessage, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            openList(new CComboPollingRatePopup, MainId::RateMenu, ListMessage::ReportRateResult);
        return LResult(0);
    });
    bindMessage(ListMessage::ReportRateResult, [this](WParam, LParam result) {
        const auto& chosen = *reinterpret_cast<const PopupResult*>(result);
        ReportRateSettings& rate = CurrentProfile().reportRate;
        rate.rate = std::min<std::uint8_t>(chosen.code[0], 3);
        rate.name = kRateNames[rate.rate];
        rate.spare = {chosen.code[1], chosen.code[2]};
        closeList(MainId::RateMenu);
        RefreshView();
        requestApply(ChangeGroup::Settings);
        return LResult(0);
    });
    bindMessage(DeactivationMessage(PopupKind::ReportRateList), [this](WParam, LParam) {
        closeList(MainId::RateMenu);
        return LResult(0);
    });
    for (int id : {MainId::LiftLow, MainId::LiftHigh})
        onControl(id, [this](LParam code, WParam) {
            if (code != NotifyClicked)
                return;
            CollectView();
            RefreshView();
            requestApply(ChangeGroup::Settings);
        });
    for (int id : {MainId::SpeedSlider, MainId::BrightnessSlider, MainId::DebounceSlider,
                   MainId::PointerSpeedSlider, MainId::ScrollSlider, MainId::DoubleClickSlider})
        onControl(id, [this, id](LParam code, WParam) { onSliderChanged(id, code); });

    const std::array<std::pair<int, unsigned>, 3> powerControls{{
        {MainId::PowerDial, ChangeGroup::Power},
        {MainId::MoveLightingCheck, ChangeGroup::Power},
        {MainId::MotionWakeupCheck, ChangeGroup::Wakeup},
    }};
    for (const auto& [id, changed] : powerControls)
        onControl(id, [this, group = changed](LParam code, WParam) {
            if (code != NotifyClicked)
                return;
            CollectView();
            requestApply(group);
            RefreshView();
        });
    for (int id : {MainId::Precision, MainId::ScrollLines, MainId::ScrollPages})
        onControl(id, [this](LParam code, WParam) {
            if (code != NotifyClicked)
                return;
            CollectView();
            requestApply(ChangeGroup::Pointer);
            RefreshView(); // by pages locks the lines slider
        });
    const std::array<std::pair<int, void (CFerroxDlg::*)()>, 4> buttons{{
        {MainId::ControlPanel, &CFerroxDlg::openMouseSettings},
        {MainId::SendAgain, &CFerroxDlg::onSendAgain},
        {MainId::FirmwareReset, &CFerroxDlg::onFirmwareReset},
        {MainId::Link, &CFerroxDlg::openProjectPage},
    }};
    for (const auto& [id, method] : buttons)
        onControl(id, [this, action = method](LParam code, WParam) {
            if (code == NotifyClicked)
                (this->*action)();
        });
    // Call site: the macro manager (2062).
}

// While held, a slider shows its value and writes the profile; the apply waits for the release.
void CFerroxDlg::onSliderChanged(int sliderId, LParam code) {
    if (code != NotifyValueChanged && code != NotifyClicked)
        return;
    CollectView();
    RefreshView();
    const unsigned group = IsPointerSlider(sliderId) ? ChangeGroup::Pointer : ChangeGroup::Settings;
    if (code == NotifyValueChanged)
        noteDrag(group);
    else
        requestApply(group);
}

void CFerroxDlg::onSendAgain() {
    KillTimer(kApplyTimer);
    sync().RequestApply(ChangeGroup::Keys | ChangeGroup::Settings);
    KillTimer(kApplyTimer);
    sync().ApplyAll();
}

void CFerroxDlg::onFirmwareReset() {
    // The reset refreshes the view and shows the progress animation itself.
    ResetFirmware(
        discovery_.link(), sync(), [this] { return CFirmwareResetDlg(this).RunModal(); },
        [this] { showAttention(kNoDeviceText); });
}

void CFerroxDlg::openProjectPage() {
    const QUrl url(QString::fromStdWString(std::wstring(kProjectPageUrl)));
    if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
        QDesktopServices::openUrl(url);
}

void CFerroxDlg::openMouseSettings() {
    const auto command = ChooseMouseSettings(
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString(), [](const std::string& name) {
            return !QStandardPaths::findExecutable(QString::fromStdString(name)).isEmpty();
        });
    QStringList arguments;
    if (command)
        for (const std::string& argument : command->arguments)
            arguments << QString::fromStdString(argument);
    if (!command ||
        !QProcess::startDetached(QString::fromStdString(command->program), arguments))
        showAttention(kNoMouseSettingsText);
}

} // namespace ferrox
