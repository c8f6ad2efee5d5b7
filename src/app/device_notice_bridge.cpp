// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/device_notice_bridge.h"

#include "app/app_messages.h"
#include "device/hid/virtual_hid_backend.h"
#include "platform/window_base.h"

#include <QSocketNotifier>

namespace ferrox {

DeviceNoticeBridge::DeviceNoticeBridge(HidSystem& hid, WindowBase& window)
    : QObject(&window), hid_(hid), window_(window) {
    if (hid_.virtualMouse) {
        // Plugging may happen on any thread; posting is safe from all of them.
        hid_.virtualMouse->setChangeListener([this](HidChange change) { post(change); });
    } else if (hid_.monitor) {
        notifier_ = new QSocketNotifier(hid_.monitor->fd(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &DeviceNoticeBridge::readMonitor);
    }
}

DeviceNoticeBridge::~DeviceNoticeBridge() {
    if (hid_.virtualMouse)
        hid_.virtualMouse->setChangeListener({});
}

void DeviceNoticeBridge::post(HidChange change) {
    window_.PostMessage(WM_DEVICECHANGE, change == HidChange::Arrival ? DBT_DEVICEARRIVAL
                                                                      : DBT_DEVICEREMOVECOMPLETE);
}

void DeviceNoticeBridge::readMonitor() {
    if (const auto change = hid_.monitor->receive())
        post(*change);
}

} // namespace ferrox
