// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Virtual mouse" window of `ferrox --simulate`: the mouse's DPI button, its request to show
// the window and its report-rate switch, its cable and receiver, its battery and charge state, so the on-screen display, the
// battery gauge, the notifications and unplugging can be seen without the hardware.

#include "device/virtual/virtual_mouse_action.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace ferrox {

class VirtualMouseDriver;

// Where a window of the given size goes beside the main window: to its right, else its left,
// else below, else above, inside the work area. When none of these fits it goes where it
// covers the least of the main window.
QPoint PlaceBeside(const QRect& mainWindow, const QSize& size, const QRect& workArea);

class VirtualMousePanel : public QWidget {
public:
    // How an action is carried out; the driver's Run when empty.
    using Runner = std::function<bool(const VirtualAction&)>;

    explicit VirtualMousePanel(VirtualMouseDriver& driver, Runner run = {},
                               QWidget* parent = nullptr);
    ~VirtualMousePanel() override;

    // Shows the panel beside the main window's frame, its own frame inside the work area.
    void ShowBeside(const QWidget& mainWindow);
    // Reads the mouse again: after an action made elsewhere (ferroxctl virtual).
    void Refresh();

    QPushButton* DpiButton() const { return dpiButton_; }
    QCheckBox* ShowRequestBox() const { return showRequest_; }
    QComboBox* RateBox() const { return rate_; }
    QCheckBox* CableBox() const { return cable_; }
    QCheckBox* ReceiverBox() const { return receiver_; }
    QSpinBox* BatteryBox() const { return battery_; }
    QComboBox* ChargeBox() const { return charge_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void connectControls();
    void moveBesideMainWindow();

    VirtualMouseDriver& driver_;
    Runner run_;
    QPushButton* dpiButton_ = nullptr;
    QCheckBox* showRequest_ = nullptr;
    QComboBox* rate_ = nullptr;
    QCheckBox* cable_ = nullptr;
    QCheckBox* receiver_ = nullptr;
    QSpinBox* battery_ = nullptr;
    QComboBox* charge_ = nullptr;
    bool refreshing_ = false;
    QRect mainFrame_;
    QRect workArea_;
    bool placeWhenFramed_ = false;
};

} // namespace ferrox
