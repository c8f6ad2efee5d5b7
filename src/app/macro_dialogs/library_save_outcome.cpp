#include "app/macro_dialogs/library_save_outcome.h"

#include "macros/macro_user_library.h"
#include "platform/thread_handover.h"

#include <QCoreApplication>

#include <memory>

namespace ferrox {

void SaveLibraryAside(const MacroLibrary& library, MacroLibrarySaves::Write write,
                      std::function<void(bool saved)> told) {
    if (!told) {
        UserMacroLibrarySaves().Save(library, std::move(write));
        return;
    }
    // The saving thread only carries told; it runs here. The application outlives every
    // save (the program waits for them before it ends).
    auto outcome = std::make_shared<std::function<void(bool)>>(std::move(told));
    UserMacroLibrarySaves().Save(library, std::move(write), [outcome](bool saved) {
        HandOver(outcome.get());
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [outcome, saved] {
                TakeOver(outcome.get());
                (*outcome)(saved);
            },
            Qt::QueuedConnection);
    });
}

} // namespace ferrox
