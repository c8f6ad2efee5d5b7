// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_events.h"
#include "ui/menu_popup.h"
#include "ui_test_support.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

constexpr unsigned kResult = 0x403;

// Three rows, the last one opening a submenu; filled, so a highlight shows as a colour.
class TestMenu : public MenuPopup {
public:
    explicit TestMenu(PopupKind kind = PopupKind::ReportRateList)
        : MenuPopup(kind, {{1, L"One", {0x01, 0x02, 0x03}},
                            {2, L"Two", {0x04, 0x05, 0x06}},
                            {3, L"Three", {}, true}}) {}
};

const QColor kHighlight = ToQColor(Rgb(83, 75, 0));

// A control that counts how often the dialog resets it.
class ProbeResetControl : public CControlBase {
public:
    explicit ProbeResetControl(WindowBase* owner) : CControlBase(owner, 2013, 10, 10, 60, 30) {}
    void ResetState(int) override { ++resets; }
    int resets = 0;
};

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        for (unsigned message : {kResult, 0x405u, 0x412u, 0x470u})
            dialog.Listen(message);
    }
    void TearDown() override {
        // Nothing of one test may be left holding the pointer for the next.
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    TestMenu* Open(PopupKind kind = PopupKind::ReportRateList, int slot = 0,
                   CWndPopup* openedFrom = nullptr, QPoint at = {100, 100}) {
        auto* menu = new TestMenu(kind);
        dialog.SetPopup(slot, menu);
        menu->Create(&dialog, QRect(dialog.mapToGlobal(at), QSize(10, 10)), kResult, 2013,
                     openedFrom);
        return menu;
    }
    int Count(const Notification& n) const {
        return int(std::count(dialog.notes.begin(), dialog.notes.end(), n));
    }
    int Results() const {
        return int(std::count_if(dialog.notes.begin(), dialog.notes.end(),
                                 [](const Notification& n) { return n.message == kResult; }));
    }
    static void DeleteClosed() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    RecordingDialog dialog;
};

TEST(PopupLayout, RowsAreTruncatedAtEveryStep) {
    ScopedUiScale scale(1.5f);
    MenuPopup menu(PopupKind::DpiMenu, {{1, L"a"}, {2, L"b"}, {3, L"c"}});
    menu.Create(nullptr, QRect(0, 0, 1, 1), kResult, 0);
    ASSERT_EQ(menu.items.size(), 3u);
    const std::vector<std::pair<int, int>> rows{{1, 34}, {34, 67}, {67, 100}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const QRect r = menu.items[i].rect;
        EXPECT_EQ(r.top(), rows[i].first) << i;
        EXPECT_EQ(r.bottom() + 1, rows[i].second) << i;
        EXPECT_EQ(r.left(), 1);
        EXPECT_EQ(r.right() + 1, 241);
    }
    EXPECT_EQ(menu.size(), QSize(243, 101));
    menu.hide();
}

TEST(PopupKinds, EachKindHasItsDeactivationMessageAndLayout) {
    EXPECT_EQ(DeactivationMessage(PopupKind::FunctionMenu), 0x405u);
    EXPECT_EQ(DeactivationMessage(PopupKind::LightingList), 0x47Au);
    EXPECT_EQ(DeactivationMessage(PopupKind::MacroListMenu), 0x492u);
    EXPECT_EQ(KindInfo(PopupKind::ReportRateList).layout.width, 189);
    EXPECT_EQ(KindInfo(PopupKind::ActionInsertMenu).layout.width, 118);
    EXPECT_EQ(KindInfo(PopupKind::ProfileList).layout.rowHeight, 25);
}

TEST_F(PopupTest, IsAQtPopupOfItsDialogAtTheRequestedPlace) {
    TestMenu* menu = Open();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->windowType(), Qt::Popup);
    EXPECT_EQ(QApplication::activePopupWidget(), menu);
    ASSERT_NE(menu->windowHandle(), nullptr);
    EXPECT_EQ(menu->windowHandle()->transientParent(), dialog.windowHandle());
    EXPECT_EQ(menu->pos(), dialog.mapToGlobal(QPoint(100, 100)));
    EXPECT_EQ(menu->size(), QSize(189, 68)) << "laid out by its rows, not the request";
    EXPECT_FALSE(menu->RenderedImage().isNull());
}

TEST_F(PopupTest, HoverHighlightsAndAHeldButtonFreezesIt) {
    TestMenu* menu = Open();
    DesktopMove(menu, {50, 30});
    EXPECT_EQ(menu->hoverIndex, 1);
    EXPECT_EQ(menu->RenderedImage().pixelColor(50, 30), kHighlight);
    DesktopPress(menu, {50, 30});
    DesktopMove(menu, {50, 55});
    EXPECT_EQ(menu->hoverIndex, 1) << "held: the highlight stays";
    DesktopRelease(menu, {50, 55});
    EXPECT_EQ(menu->hoverIndex, -1) << "released off the row: nothing chosen";
    EXPECT_EQ(Results(), 0);
    EXPECT_NE(menu->RenderedImage().pixelColor(50, 30), kHighlight);
}

TEST_F(PopupTest, ReleaseOnARowSendsItsTextAndCodeToTheParent) {
    TestMenu* menu = Open();
    PopupResult chosen;
    WParam owner = 0;
    dialog.onNote = [&](const Notification& n) {
        if (n.message != kResult)
            return;
        owner = n.wParam;
        chosen = *reinterpret_cast<const PopupResult*>(n.lParam);
    };
    DesktopClick(menu, {50, 10});
    EXPECT_EQ(owner, 2013u);
    EXPECT_EQ(chosen.text, L"One");
    EXPECT_EQ(chosen.code, (std::array<std::uint8_t, 3>{0x01, 0x02, 0x03}));
}

TEST_F(PopupTest, OutsideClickDismissesWithTheDeactivationMessageOnce) {
    QPointer<TestMenu> menu = Open();
    DesktopClick(menu, {50, 10}); // inside: no dismissal
    EXPECT_EQ(Count({0x470, 2013, 8}), 0);
    DesktopClick(&dialog, {350, 250});
    DesktopClick(&dialog, {350, 250});
    EXPECT_EQ(Count({0x470, 2013, 8}), 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the pointer is free again";
    DeleteClosed();
    EXPECT_FALSE(menu) << "a dismissed popup goes, whatever its owner did";
    EXPECT_EQ(dialog.Popup(0), nullptr);
}

TEST_F(PopupTest, EscapeDismissesLikeAnOutsideClick) {
    Open(PopupKind::FunctionMenu);
    DesktopKey(&dialog, Qt::Key_Escape);
    EXPECT_EQ(Count({0x405, 2013, 0}), 1);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

// What a Wayland compositor's dismissal (or the window manager's) comes to: the popup's
// window is closed from outside.
TEST_F(PopupTest, ClosedByTheWindowSystemItIsDismissed) {
    QPointer<TestMenu> menu = Open();
    menu->windowHandle()->close();
    EXPECT_EQ(Count({0x470, 2013, 8}), 1);
    DeleteClosed();
    EXPECT_FALSE(menu);
}

TEST_F(PopupTest, ClosedByItsOwnerItSendsNothing) {
    QPointer<TestMenu> menu = Open();
    dialog.ClosePopup(0);
    DeleteClosed();
    EXPECT_FALSE(menu);
    EXPECT_TRUE(dialog.notes.empty());
}

TEST_F(PopupTest, SubmenuBelongsToItsMenuAndPassesThePointerBack) {
    TestMenu* menu = Open(PopupKind::FunctionMenu);
    DesktopMove(menu, {50, 50}); // the submenu row
    QPointer<TestMenu> submenu = Open(PopupKind::DpiMenu, 1, menu, {300, 100});
    EXPECT_EQ(submenu->windowHandle()->transientParent(), menu->windowHandle());
    EXPECT_EQ(QApplication::activePopupWidget(), submenu.data());

    // The submenu holds the pointer; over the menu the menu still highlights.
    DesktopMove(menu, {50, 10});
    EXPECT_EQ(menu->hoverIndex, 0);
    DesktopMove(submenu, {50, 30});
    EXPECT_EQ(submenu->hoverIndex, 1);
    // A click on the menu is the menu's, not a dismissal of the submenu.
    DesktopClick(menu, {50, 30});
    EXPECT_EQ(Results(), 1) << "the menu's row was chosen";
    EXPECT_TRUE(submenu->isVisible());
    dialog.ClearRecords();

    // A click outside both: the submenu is dismissed; its owner decides about the menu.
    DesktopClick(&dialog, {20, 280});
    EXPECT_EQ(Count({0x412, 2013, 2}), 1);
    EXPECT_EQ(Count({0x405, 2013, 0}), 0);
    EXPECT_TRUE(menu->isVisible());
    dialog.ClosePopup(0);
    DeleteClosed();
    EXPECT_FALSE(submenu);
}

TEST_F(PopupTest, ClosingTheMenuTakesItsOpenSubmenuWithIt) {
    TestMenu* menu = Open(PopupKind::FunctionMenu);
    QPointer<TestMenu> submenu = Open(PopupKind::DpiMenu, 1, menu, {300, 100});
    dialog.ClosePopup(0);
    DeleteClosed();
    EXPECT_FALSE(submenu);
    EXPECT_EQ(dialog.Popup(1), nullptr);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(PopupTest, ClosePopupResetsTheActiveControlAndThePopupDeletesItself) {
    auto* combo = dialog.AddControl(0, std::make_unique<ProbeResetControl>(&dialog));
    Click(&dialog, {12, 12});
    ASSERT_EQ(dialog.ActiveControl(), combo);
    Move(&dialog, {300, 200}); // the pointer leaves the control
    QPointer<TestMenu> menu = Open();
    dialog.ClosePopup(0);
    EXPECT_EQ(dialog.Popup(0), nullptr);
    EXPECT_EQ(dialog.ActiveControl(), nullptr);
    EXPECT_EQ(combo->resets, 1);
    ASSERT_TRUE(menu) << "closing is a posted request";
    DeleteClosed();
    EXPECT_FALSE(menu) << "the popup deleted itself after its window closed";
    dialog.ClosePopup(0); // nothing left to close
}

TEST(PopupParent, WithoutAParentNothingIsSent) {
    TestMenu menu;
    EXPECT_FALSE(menu.SendToParent(kResult, 0, 0));
}

} // namespace
} // namespace ferrox
