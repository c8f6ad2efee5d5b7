// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every drop-down list and menu: a Qt popup window (an xdg popup placed against
// its parent on Wayland, a grabbing override-redirect window on X11) that highlights the entry
// under the pointer, chooses on release and reports the choice to its parent with a message.
// When the desktop dismisses it (a click outside, Escape, the compositor), it tells its parent
// with its kind's deactivation message and goes. A popup deletes itself once closed; owners
// only ever hold guarded pointers to it.

#include "platform/window_base.h"
#include "ui/popup_kind.h"

#include <QFont>
#include <QImage>
#include <QPointer>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ferrox {

class Canvas;

struct MenuItem {
    int id = 0;
    std::wstring text;
    QRect rect; // client coordinates, set by the layout
    int flag = 0; // meaning given by the popup kind; for menus: the row opens a submenu
    std::array<std::uint8_t, 3> code{}; // what choosing the row reports
};

// What a popup reports: its address is the lParam of the result message; the receiver copies
// what it needs at once.
struct PopupResult {
    std::wstring text;
    std::array<std::uint8_t, 3> code{};
};

class CWndPopup : public WindowBase {
public:
    explicit CWndPopup(PopupKind kind);
    ~CWndPopup() override;

    // Builds the entries, draws and shows the popup at the screen rectangle's top-left (on
    // Wayland the compositor places it against its parent window at that offset). Messages go
    // to parent; the popup's window belongs to openedFrom when it is a submenu, else to parent.
    bool Create(WindowBase* parent, const QRect& screenRect, unsigned resultMessage, int ownerId,
                CWndPopup* openedFrom = nullptr);
    // Draws every entry into the popup's image and puts it on screen.
    void Render();
    // Sends to the parent window; false (and nothing sent) when there is none any more.
    bool SendToParent(unsigned message, WParam wParam, LParam lParam);
    // Appends an entry and lays all entries out again.
    void AddItem(const std::wstring& text, int id, int flag = 0,
                 std::array<std::uint8_t, 3> code = {});

    // The window size the kind's layout gives a popup of this many rows, before it exists:
    // openers fit it on the screen with this.
    static QSize LaidOutSize(PopupKind kind, int rows);

    PopupKind Kind() const { return kind_; }
    int OwnerId() const { return ownerId_; }
    unsigned ResultMessage() const { return resultMessage_; }
    bool Tracking() const { return tracking_; }
    bool Pressed() const { return pressed_; }
    const QFont& Font() const { return font_; }
    const QImage& RenderedImage() const { return image_; }
    // The menu this popup was opened from, if it is a submenu.
    CWndPopup* OpenedFrom() const;

    std::vector<MenuItem> items;
    int hoverIndex = -1;
    PopupResult result;

protected:
    virtual void DrawItems(Canvas& canvas, const QRect& clientRect);
    virtual void BuildItems() {}
    // Entries (s = UiScale) of rowHeight·s from y = s down, from itemLeft·s to itemRight·s; the
    // window windowWidth·s wide and one s below the last entry. Every step is truncated.
    virtual void LayoutItems();
    void LayoutRows(const MenuLayout& layout);
    virtual bool OnItemHover(int x, int y);
    virtual bool OnItemPress(int, int) { return false; }
    // The usual release: on the highlighted entry it is chosen; off it, the highlight goes.
    virtual bool OnItemRelease(int x, int y);
    virtual void OnItemRightRelease(int, int) {}
    // The entry was chosen: by default its text and code go to the parent as the result.
    virtual void OnChoose(const MenuItem& item);

    void OnMouseMove(int x, int y) override;
    void OnMouseHover(int x, int y) override;
    void OnMouseLeave() override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonUp(int x, int y) override;
    void OnClose() override;
    void OnPaint(Canvas& canvas, const QRect& updateRect) override;

    // While a submenu is open it holds the pointer: what happens over the menus it was opened
    // from is passed on to them, and a press outside all of them dismisses it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Every close that did not come from the owner is a dismissal.
    void closeEvent(QCloseEvent* event) override;

private:
    CWndPopup* popupAt(const QPointF& globalPos);
    void passOn(CWndPopup* target, QMouseEvent* event);
    void leaveOpener(CWndPopup* now);
    void dismissed();
    // Moves the highlight by a key; false when the key is not one that moves it.
    bool moveHighlight(int key);
    bool chooseHighlighted();
    void closeForGood();

    bool tracking_ = false;
    bool pressed_ = false;
    bool captured_ = false;
    bool closing_ = false;
    QFont font_;
    int x_ = 0;
    int y_ = 0;
    unsigned resultMessage_ = 0;
    int ownerId_ = 0;
    PopupKind kind_;
    QPointer<WindowBase> parent_;
    QPointer<CWndPopup> pressedIn_;  // the opener that took the last press
    QPointer<CWndPopup> pointerIn_;  // the opener the pointer is over
    QImage image_;
};

} // namespace ferrox
