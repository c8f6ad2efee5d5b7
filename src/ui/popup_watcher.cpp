#include "ui/popup_watcher.h"

#include "ui/wnd_popup.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace ferrox {

namespace {

std::vector<CWndPopup*>& OpenPopups() {
    static std::vector<CWndPopup*> popups;
    return popups;
}

PopupWatcher*& Instance() {
    static PopupWatcher* watcher = nullptr;
    return watcher;
}

bool IsPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
           type == QEvent::NonClientAreaMouseButtonPress;
}

} // namespace

void PopupWatcher::Add(CWndPopup* popup) {
    if (!Instance() && qApp) {
        Instance() = new PopupWatcher;
        Instance()->setParent(qApp);
        qApp->installEventFilter(Instance());
    }
    auto& popups = OpenPopups();
    if (std::find(popups.begin(), popups.end(), popup) == popups.end())
        popups.push_back(popup);
}

void PopupWatcher::Remove(CWndPopup* popup) {
    auto& popups = OpenPopups();
    popups.erase(std::remove(popups.begin(), popups.end(), popup), popups.end());
}

void PopupWatcher::DeactivateAll() {
    // A deactivation handler usually closes popups (and may open others): walk guarded copies.
    std::vector<QPointer<CWndPopup>> open(OpenPopups().begin(), OpenPopups().end());
    for (const auto& popup : open)
        if (popup)
            popup->Deactivate();
}

bool PopupWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (OpenPopups().empty())
        return false;
    if (event->type() == QEvent::ApplicationStateChange) {
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive)
            DeactivateAll();
    } else if (IsPress(event->type()) && watched->isWidgetType()) {
        // A press may travel up through several widgets; each popup reports a loss only once.
        const auto* widget = static_cast<QWidget*>(watched);
        if (!dynamic_cast<const CWndPopup*>(widget->window()))
            DeactivateAll();
    }
    return false;
}

} // namespace ferrox
