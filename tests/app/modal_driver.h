// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drives a dialog that the program runs modally: the action runs from inside the dialog's own
// modal loop, once the first dialog of that type has entered it, so the test never blocks on
// RunModal. The action must end the dialog (or the loop runs on).

#include "platform/window_base.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace ferrox::test {

class ModalDriver {
public:
    // Looks for the dialog at every turn of the event loop (a zero timer: no clock involved).
    template <typename Dialog> void When(std::function<void(Dialog&)> action) {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(0);
        QObject::connect(timer_.get(), &QTimer::timeout, [this, action] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* dialog = dynamic_cast<Dialog*>(widget);
                if (!dialog || !dialog->InModalLoop())
                    continue;
                timer_->stop();
                ran_ = true;
                // The user reads the dialog before answering: no click of theirs joins the
                // one that opened it into a double click, however fast the test runs.
                QTest::lastMouseTimestamp += 1000;
                action(*dialog);
                return;
            }
        });
        timer_->start();
    }
    bool Ran() const { return ran_; }

private:
    std::unique_ptr<QTimer> timer_;
    bool ran_ = false;
};

} // namespace ferrox::test
