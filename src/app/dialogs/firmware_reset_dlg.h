// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The confirmation before the mouse is set back to its factory settings, and the reset that
// follows it. The reset is offered only while the mouse can be told: without a device the
// user learns so, and nothing is reset or saved.

#include "ui/dlg_base.h"

#include <functional>

namespace ferrox {

struct DeviceLink;
class SyncController;

class CFirmwareResetDlg : public CDlgBase {
public:
    static constexpr int MessageId = 3001;

    explicit CFirmwareResetDlg(QWidget* parent = nullptr);

protected:
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
};

enum class FirmwareResetOutcome { NoDevice, Cancelled, Reset, ResetNotSaved };

// The steps behind the firmware-reset button. confirm runs the dialog and returns its result;
// noDevice shows the notice that the mouse is not there. With OK the mouse, the current
// profile (keeping its name) and its file go back to the defaults, the view follows and the
// progress animation is shown (through the synchronisation's host).
FirmwareResetOutcome ResetFirmware(const DeviceLink& link, SyncController& sync,
                                   const std::function<int()>& confirm,
                                   const std::function<void()>& noDevice);

} // namespace ferrox
