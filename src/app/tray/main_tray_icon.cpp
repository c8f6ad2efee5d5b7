// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tray/main_tray_icon.h"

#include "lang/language_table.h"
#include "platform/window_base.h"
#include "ui/dlg_base.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace ferrox {
namespace {

// Not text 1: that names the profile chooser, and the item shows the window.
constexpr int kShowText = 275;
constexpr int kExitText = 2;

// The language loader fills in the English texts a language file lacks.
QString MenuText(int index) {
    return QString::fromStdWString(LanguageText(index));
}

} // namespace

MainTrayIcon::MainTrayIcon(WindowBase& window, Availability available)
    : window_(window), available_(std::move(available)) {
    if (!available_)
        available_ = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
}

MainTrayIcon::~MainTrayIcon() {
    if (icon_)
        icon_->hide();
    delete icon_;
    delete menu_;
}

bool MainTrayIcon::TryAdd() {
    if (icon_)
        return true;
    if (!available_())
        return false;
    menu_ = new QMenu;
    // Posted: the menu closes before the window acts on the choice.
    menu_->addAction(MenuText(kShowText), this,
                     [this] { window_.PostMessage(ShowCommand); });
    menu_->addSeparator();
    menu_->addAction(MenuText(kExitText), this,
                     [this] { window_.PostMessage(ExitCommand); });
    icon_ = new QSystemTrayIcon(ProgramIcon(), this);
    icon_->setToolTip(QStringLiteral("Gaming Mouse"));
    icon_->setContextMenu(menu_);
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger || why == QSystemTrayIcon::DoubleClick)
            window_.PostMessage(ShowCommand);
    });
    icon_->show();
    return true;
}

} // namespace ferrox
