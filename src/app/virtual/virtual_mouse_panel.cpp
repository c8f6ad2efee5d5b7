// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/virtual/virtual_mouse_panel.h"

#include "app/virtual/virtual_mouse_driver.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWindow>

#include <array>

namespace ferrox {
namespace {

constexpr std::array kRates = {125, 250, 500, 1000};
constexpr std::array kChargeNames = {"On battery", "Charging", "Fully charged"};
constexpr int kGap = 8;

int Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : both.width() * both.height();
}

QPoint ClampInto(QPoint at, const QSize& size, const QRect& work) {
    at.setX(std::clamp(at.x(), work.left(), std::max(work.left(), work.right() + 1 - size.width())));
    at.setY(std::clamp(at.y(), work.top(), std::max(work.top(), work.bottom() + 1 - size.height())));
    return at;
}

} // namespace

QPoint PlaceBeside(const QRect& main, const QSize& size, const QRect& work) {
    const std::array candidates = {
        QPoint(main.right() + 1 + kGap, main.top()),
        QPoint(main.left() - kGap - size.width(), main.top()),
        QPoint(main.left(), main.bottom() + 1 + kGap),
        QPoint(main.left(), main.top() - kGap - size.height()),
    };
    QPoint best = ClampInto(candidates[0], size, work);
    int bestOverlap = Overlap(QRect(best, size), main);
    for (const QPoint& candidate : candidates) {
        const QPoint at = ClampInto(candidate, size, work);
        const int overlap = Overlap(QRect(at, size), main);
        if (overlap == 0 && at == candidate)
            return at; // fits whole on the screen, clear of the window
        if (overlap < bestOverlap) {
            best = at;
            bestOverlap = overlap;
        }
    }
    return best;
}

VirtualMousePanel::VirtualMousePanel(VirtualMouseDriver& driver, Runner run, QWidget* parent)
    : QWidget(parent, Qt::Window), driver_(driver), run_(std::move(run)) {
    if (!run_)
        run_ = [this](const VirtualAction& action) { return driver_.Run(action); };
    setWindowTitle(QStringLiteral("Virtual mouse"));
    build();
    connectControls();
    Refresh();
    driver_.SetListener([this] { Refresh(); });
}

VirtualMousePanel::~VirtualMousePanel() {
    driver_.SetListener({});
}

void VirtualMousePanel::build() {
    auto* form = new QFormLayout(this);
    dpiButton_ = new QPushButton(QStringLiteral("Press"), this);
    form->addRow(QStringLiteral("DPI button"), dpiButton_);
    showRequest_ = new QCheckBox(QStringLiteral("Asks for the window"), this);
    form->addRow(QStringLiteral("Show request"), showRequest_);
    rate_ = new QComboBox(this);
    for (int rate : kRates)
        rate_->addItem(QStringLiteral("%1 Hz").arg(rate), rate);
    form->addRow(QStringLiteral("Report rate"), rate_);
    cable_ = new QCheckBox(QStringLiteral("Plugged in"), this);
    form->addRow(QStringLiteral("USB cable"), cable_);
    receiver_ = new QCheckBox(QStringLiteral("Plugged in"), this);
    form->addRow(QStringLiteral("Receiver"), receiver_);
    battery_ = new QSpinBox(this);
    battery_->setRange(0, 255); // a mouse may report nonsense; the window must cope
    battery_->setSuffix(QStringLiteral(" %"));
    battery_->setKeyboardTracking(false);
    form->addRow(QStringLiteral("Battery"), battery_);
    charge_ = new QComboBox(this);
    for (const char* name : kChargeNames)
        charge_->addItem(QString::fromLatin1(name));
    form->addRow(QStringLiteral("Power"), charge_);
}

void VirtualMousePanel::connectControls() {
    auto run = [this](VirtualActionKind kind, uint32_t value = 0) {
        if (!refreshing_)
            run_({kind, value});
    };
    connect(dpiButton_, &QPushButton::clicked, this, [run] { run(VirtualActionKind::DpiButton); });
    connect(rate_, &QComboBox::activated, this, [this, run](int index) {
        run(VirtualActionKind::Rate, uint32_t(rate_->itemData(index).toInt()));
    });
    connect(showRequest_, &QCheckBox::toggled, this,
            [run](bool on) { run(VirtualActionKind::ShowButton, on ? 1 : 0); });
    auto plugBox = [this, run](QCheckBox* box, DeviceKind kind) {
        connect(box, &QCheckBox::toggled, this, [run, kind](bool on) {
            run(on ? VirtualActionKind::Plug : VirtualActionKind::Unplug, uint32_t(kind));
        });
    };
    plugBox(cable_, DeviceKind::Wired);
    plugBox(receiver_, DeviceKind::Receiver);
    connect(battery_, &QSpinBox::valueChanged, this,
            [run](int level) { run(VirtualActionKind::Battery, uint32_t(level)); });
    connect(charge_, &QComboBox::activated, this,
            [run](int index) { run(VirtualActionKind::Charging, uint32_t(index)); });
}

void VirtualMousePanel::Refresh() {
    refreshing_ = true;
    cable_->setChecked(driver_.Plugged(DeviceKind::Wired));
    receiver_->setChecked(driver_.Plugged(DeviceKind::Receiver));
    const bool connected = cable_->isChecked() || receiver_->isChecked();
    showRequest_->setChecked(driver_.ShowRequested());
    dpiButton_->setEnabled(connected);
    rate_->setEnabled(connected);
    rate_->setCurrentIndex(std::max(0, rate_->findData(driver_.RateHz())));
    battery_->setValue(driver_.Battery());
    charge_->setCurrentIndex(std::clamp(driver_.Charge(), 0, int(kChargeNames.size()) - 1));
    refreshing_ = false;
}

void VirtualMousePanel::ShowBeside(const QWidget& mainWindow) {
    adjustSize();
    const QScreen* screen = mainWindow.screen() ? mainWindow.screen() : QGuiApplication::primaryScreen();
    mainFrame_ = mainWindow.frameGeometry();
    workArea_ = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Placed as far as its size is known now; the window manager's frame around it is known
    // only once it is on the screen, and may not fit where the bare panel did.
    moveBesideMainWindow();
    winId();
    windowHandle()->installEventFilter(this);
    placeWhenFramed_ = true;
    show();
}

void VirtualMousePanel::moveBesideMainWindow() {
    const QPoint at = PlaceBeside(mainFrame_, frameGeometry().size(), workArea_);
    if (at != frameGeometry().topLeft())
        move(at);
}

bool VirtualMousePanel::eventFilter(QObject* watched, QEvent* event) {
    if (placeWhenFramed_ && watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        placeWhenFramed_ = false; // once: from then on the panel is where the user puts it
        moveBesideMainWindow();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ferrox
