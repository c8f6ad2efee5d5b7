// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bottom bar: everything sent again, the firmware reset and the project's page.

#include "app/main_window/window_part.h"

namespace ferrox {

class SyncSession;

namespace MainId {
enum : int {
    SendAgain = 2047,
    FirmwareReset = 2045,
    ProfileChooser = 3502,
    Link = 3503,
    VersionLine = 3021,
};
}

class BottomBar : public WindowPart {
public:
    BottomBar(CDlgBase& window, const WindowCalls& calls, SyncSession& session)
        : WindowPart(window, calls), session_(session) {}

    void Bind() override;

private:
    void sendAgain();
    void resetFirmware();

    SyncSession& session_;
};

} // namespace ferrox
