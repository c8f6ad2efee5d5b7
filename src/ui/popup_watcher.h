#pragma once
// Tells open popups that they lost activation. Popups never take the focus (so a menu keeps
// getting hover while its submenu is open), so the loss is derived here: a mouse press that
// lands outside every popup, or the whole application going inactive. This works with or
// without a window manager.

#include <QObject>

namespace ferrox {

class CWndPopup;

class PopupWatcher : public QObject {
public:
    static void Add(CWndPopup* popup);
    static void Remove(CWndPopup* popup);
    // Sends every open popup its deactivation.
    static void DeactivateAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ferrox
