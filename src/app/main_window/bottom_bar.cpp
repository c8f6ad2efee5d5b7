// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/bottom_bar.h"

#include "app/app_messages.h"
#include "app/dialogs/firmware_reset_dlg.h"
#include "app/main_window/desktop_links.h"
#include "device/protocol/sync_session.h"

#include <QDesktopServices>
#include <QUrl>

namespace ferrox {
namespace {

constexpr int kNoDeviceText = 155;

void OpenProjectPage() {
    const QUrl url(QString::fromStdWString(std::wstring(kProjectPageUrl)));
    if (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"))
        QDesktopServices::openUrl(url);
}

} // namespace

void BottomBar::Bind() {
    onClick(MainId::SendAgain, [this] { sendAgain(); });
    onClick(MainId::FirmwareReset, [this] { resetFirmware(); });
    onClick(MainId::Link, [] { OpenProjectPage(); });
}

void BottomBar::sendAgain() {
    SyncController& sync = session_.sync();
    window_.KillTimer(kApplyTimer);
    sync.RequestApply(ChangeGroup::Keys | ChangeGroup::Settings);
    window_.KillTimer(kApplyTimer);
    sync.ApplyAll();
}

void BottomBar::resetFirmware() {
    // The reset refreshes the view and shows the progress animation itself.
    ResetFirmware(
        session_.discovery().link(), session_.sync(),
        [this] { return CFirmwareResetDlg(&window_).RunModal(); },
        [this] { notice(kNoDeviceText); });
}

} // namespace ferrox
