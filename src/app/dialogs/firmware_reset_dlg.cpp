// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/firmware_reset_dlg.h"

#include "app/dialogs/common_frame.h"
#include "device/hid/device_link.h"
#include "device/protocol/sync_controller.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"

namespace ferrox {

namespace {

using K = ControlKind;
using D = CFirmwareResetDlg;
constexpr int kTitleText = 7; // the button's own text names the dialog

constexpr ControlSpec kControls[] = {
    // Holds the question; the dialog draws it wrapped (a static text keeps to one line).
    {.id = D::MessageId, .kind = K::StaticText, .rect = {20, 40, 409, 100}, .textIndex = 140,
     .flags = {.visible = false}},
};

} // namespace

CFirmwareResetDlg::CFirmwareResetDlg(QWidget* parent)
    : CDlgBase(parent,
               CommonFrame::Described(kTitleText, DefaultKey::EndOk, DefaultKey::EndCancel)) {}

void CFirmwareResetDlg::CreateControls(int, int, int, int) {
    AddControls(*this, CommonFrame::EndRow);
    AddControls(*this, kControls);
}

void CFirmwareResetDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    CDlgBase::DrawDialog(canvas, clientRect);
    if (const CControlBase* message = FindControl(MessageId))
        canvas.DrawText(QString::fromStdWString(message->GetText()), message->GetBounds(),
                        DT_CENTER | DT_WORDBREAK, look::Text, DialogTextFont());
}

FirmwareResetOutcome ResetFirmware(const DeviceLink& link, SyncController& sync,
                                   const std::function<int()>& confirm,
                                   const std::function<void()>& noDevice) {
    if (!link.wired.commandHandle && !link.receiver.commandHandle) {
        if (noDevice)
            noDevice();
        return FirmwareResetOutcome::NoDevice;
    }
    if (!confirm || confirm() != IDOK)
        return FirmwareResetOutcome::Cancelled;
    return sync.FirmwareReset() ? FirmwareResetOutcome::Reset
                                : FirmwareResetOutcome::ResetNotSaved;
}

} // namespace ferrox
