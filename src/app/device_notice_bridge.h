// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns device notices into WM_DEVICECHANGE messages posted to the main window: from the udev
// monitor for the real devices, from the virtual mouse's listener when simulating.

#include "device/hid/hid_system.h"

#include <QObject>

class QSocketNotifier;

namespace ferrox {

class WindowBase;

class DeviceNoticeBridge : public QObject {
public:
    DeviceNoticeBridge(HidSystem& hid, WindowBase& window);
    ~DeviceNoticeBridge() override;

private:
    void post(HidChange change);
    void readMonitor();

    HidSystem& hid_;
    WindowBase& window_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ferrox
