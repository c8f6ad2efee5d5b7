// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/library_save_outcome.h"

#include "macros/macro_user_library.h"
#include "platform/thread_handover.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>

namespace ferrox {

namespace {

const QEvent::Type kOutcomeEvent = QEvent::Type(QEvent::registerEventType());

struct OutcomeEvent : QEvent {
    explicit OutcomeEvent(std::function<void()> task)
        : QEvent(kOutcomeEvent), run(std::move(task)) {}
    std::function<void()> run;
};

// Runs the outcomes on the thread it was made on, the window's.
class OutcomeReceiver : public QObject {
public:
    using QObject::QObject;
    bool event(QEvent* event) override {
        if (event->type() != kOutcomeEvent)
            return QObject::event(event);
        TakeOver(event);
        static_cast<OutcomeEvent*>(event)->run();
        return true;
    }
};

// A child of the application, so it lives as long as the application, which the program
// keeps until every save has ended.
QObject* Receiver() {
    static QPointer<QObject> receiver;
    if (!receiver)
        receiver = new OutcomeReceiver(QCoreApplication::instance());
    return receiver;
}

} // namespace

void SaveLibraryAside(const MacroLibrary& library, MacroLibrarySaves::Write write,
                      std::function<void(bool saved)> told) {
    if (!told || !QCoreApplication::instance()) {
        UserMacroLibrarySaves().Save(library, std::move(write));
        return;
    }
    UserMacroLibrarySaves().Save(
        library, std::move(write),
        [receiver = Receiver(), told = std::move(told)](bool saved) {
            auto* event = new OutcomeEvent([told, saved] { told(saved); });
            HandOver(event); // the event and what it holds were written on the saving thread
            QCoreApplication::postEvent(receiver, event);
        });
}

} // namespace ferrox
