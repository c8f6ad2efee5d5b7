#pragma once
// The base of every drop-down list and menu: a frameless, top-most window that never takes
// the keyboard focus, highlights the entry under the pointer, reports a choice to its parent
// with a message, and tells the parent when it loses activation so the parent can close it.
// A popup deletes itself once its window has been closed; owners only ever hold guarded
// pointers to it.

#include "platform/window_base.h"

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
    int flag = 0;
};

// What a popup reports: its address is the lParam of the result message; the receiver copies
// what it needs at once.
struct PopupResult {
    std::wstring text;
    std::array<std::uint8_t, 3> code{};
};

// The message a popup of each kind sends to its parent when it loses activation; 0 for kinds
// that send nothing.
unsigned DeactivationMessage(int kind);

class CWndPopup : public WindowBase {
public:
    explicit CWndPopup(int kind);
    ~CWndPopup() override;

    // Creates the window at the screen rectangle's top-left (a request only on Wayland, where
    // clients cannot place their windows), builds the entries, draws and shows it.
    bool Create(WindowBase* parent, const QRect& screenRect, unsigned resultMessage, int ownerId);
    // Draws every entry into the popup's image and puts it on screen.
    void Render();
    // Sends to the parent window; false (and nothing sent) when there is none any more.
    bool SendToParent(unsigned message, WParam wParam, LParam lParam);
    // Appends an entry and lays all entries out again.
    void AddItem(const std::wstring& text, int id, int flag = 0);

    int Kind() const { return kind_; }
    int OwnerId() const { return ownerId_; }
    unsigned ResultMessage() const { return resultMessage_; }
    bool Tracking() const { return tracking_; }
    bool Pressed() const { return pressed_; }
    const QFont& Font() const { return font_; }
    const QImage& RenderedImage() const { return image_; }

    // Called by the application-wide watcher: a press outside every popup, or the
    // application losing activation. Sends the kind's deactivation message once per loss.
    void Deactivate();

    std::vector<MenuItem> items;
    int hoverIndex = -1;
    PopupResult result;

protected:
    virtual void DrawItems(Canvas& canvas, const QRect& clientRect);
    virtual void BuildItems() {}
    // Entries (s = UiScale) of rowHeight·s from y = s down, from x = s to itemRight·s; the
    // window windowWidth·s wide and one s below the last entry. Every step is truncated.
    virtual void LayoutItems();
    void LayoutRows(double itemLeft, double itemRight, double rowHeight, double windowWidth);
    virtual bool OnItemHover(int x, int y);
    virtual bool OnItemPress(int, int) { return false; }
    virtual bool OnItemRelease(int, int) { return false; }
    virtual void OnItemRightRelease(int, int) {}

    void OnMouseMove(int x, int y) override;
    void OnMouseHover(int x, int y) override;
    void OnMouseLeave() override;
    void OnLButtonDown(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnRButtonUp(int x, int y) override;
    void OnClose() override;
    void OnPaint(Canvas& canvas, const QRect& updateRect) override;

private:
    QPoint cursorInClient() const;

    bool tracking_ = false;
    bool pressed_ = false;
    bool captured_ = false;
    bool deactivated_ = false;
    QFont font_;
    int x_ = 0;
    int y_ = 0;
    unsigned resultMessage_ = 0;
    int ownerId_ = 0;
    int kind_;
    QPointer<WindowBase> parent_;
    QImage image_;
};

} // namespace ferrox
