// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decisions of the main window that depend on nothing but their inputs.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ferrox {

// Centred on the work area; in a direction where the window is larger than the work area it
// starts at the work area's edge instead, so its top-left corner stays on screen.
inline QPoint CentredOrigin(const QRect& workArea, const QSize& window) {
    const int x = window.width() > workArea.width()
                      ? workArea.left()
                      : workArea.left() + (workArea.width() - window.width()) / 2;
    const int y = window.height() > workArea.height()
                      ? workArea.top()
                      : workArea.top() + (workArea.height() - window.height()) / 2;
    return {x, y};
}

enum class NoDeviceNotice {
    None,
    ReceiverOnly, // the receiver is there but the mouse has not asked to be shown (text 156)
    NoDevice,     // neither the mouse nor the receiver (text 155)
};

// What the main window says two seconds after start-up.
inline NoDeviceNotice DecideNoDeviceNotice(bool wiredOpen, bool receiverOpen, bool deviceShow) {
    if (wiredOpen)
        return NoDeviceNotice::None;
    if (receiverOpen)
        return deviceShow ? NoDeviceNotice::None : NoDeviceNotice::ReceiverOnly;
    return NoDeviceNotice::NoDevice;
}

} // namespace ferrox
