#include "ui/check_button.h"
#include "ui/wnd_popup.h"
#include "ui_test_support.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

// A menu with the usual release rule: a release on the highlighted entry chooses it, a
// release elsewhere only drops the highlight.
class TestMenu : public CWndPopup {
public:
    explicit TestMenu(int kind = 0) : CWndPopup(kind) {}
    void BuildItems() override {
        AddItem(L"One", 1);
        AddItem(L"Two", 2);
        AddItem(L"Three", 3, 1);
    }
    bool OnItemRelease(int x, int y) override {
        if (hoverIndex < 0)
            return false;
        if (!items[hoverIndex].rect.contains(x, y)) {
            hoverIndex = -1;
            return true;
        }
        result.text = items[hoverIndex].text;
        SendToParent(ResultMessage(), static_cast<WParam>(OwnerId()),
                     reinterpret_cast<LParam>(&result));
        return false;
    }
    void DrawItems(Canvas& canvas, const QRect& client) override {
        canvas.FillRect(client, 0x202020);
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            canvas.FillRect(items[i].rect, i == hoverIndex ? 0xDEA035 : 0x404040);
    }
};

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
        dialog.Listen(0x403);
        dialog.Listen(0x405);
    }
    TestMenu* Open(int kind = 0) {
        auto* menu = new TestMenu(kind);
        dialog.SetPopup(0, menu);
        menu->Create(&dialog, QRect(100, 100, 10, 10), 0x403, 2013);
        return menu;
    }
    RecordingDialog dialog;
};

TEST(PopupLayout, RowsAreTruncatedAtEveryStep) {
    ScopedUiScale scale(1.5f);
    TestMenu menu;
    menu.AddItem(L"a", 1);
    menu.AddItem(L"b", 2);
    menu.AddItem(L"c", 3);
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
}

TEST_F(PopupTest, ShowsWithoutTakingFocusOrGrabbingThePointer) {
    TestMenu* menu = Open();
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), QPoint(100, 100));
    EXPECT_EQ(menu->size(), QSize(162, 68)) << "laid out by its entries, not the request";
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(menu->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_NE(menu->windowType(), Qt::Popup);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(menu->RenderedImage().isNull());
}

TEST_F(PopupTest, HoverHighlightsAndHeldButtonFreezesIt) {
    TestMenu* menu = Open();
    Move(menu, {50, 30});
    EXPECT_EQ(menu->hoverIndex, 1);
    EXPECT_EQ(menu->RenderedImage().pixelColor(50, 30), ToQColor(0xDEA035));
    Press(menu, {50, 30});
    Move(menu, {50, 55}, Qt::LeftButton);
    EXPECT_EQ(menu->hoverIndex, 1) << "held: the highlight stays";
    Release(menu, {50, 55});
    EXPECT_EQ(menu->hoverIndex, -1) << "released off the entry: nothing chosen";
    EXPECT_TRUE(std::none_of(dialog.notes.begin(), dialog.notes.end(),
                             [](const Notification& n) { return n.message == 0x403; }));
    EXPECT_EQ(menu->RenderedImage().pixelColor(50, 30), ToQColor(0x404040));
}

TEST_F(PopupTest, ReleaseOnTheEntrySendsTheResultToTheParent) {
    TestMenu* menu = Open();
    std::wstring chosen;
    dialog.onNote = [&](const Notification& n) {
        EXPECT_EQ(n.wParam, 2013u);
        chosen = reinterpret_cast<const PopupResult*>(n.lParam)->text;
    };
    Move(menu, {50, 50});
    Press(menu, {50, 50});
    Release(menu, {50, 50});
    EXPECT_EQ(chosen, L"Three");
}

TEST_F(PopupTest, PressOutsideEveryPopupDeactivatesOncePressInsideDoesNot) {
    TestMenu* menu = Open();
    Press(menu, {50, 10});
    Release(menu, {50, 10});
    EXPECT_TRUE(dialog.notes.empty());
    Press(&dialog, {300, 200});
    Release(&dialog, {300, 200});
    Press(&dialog, {300, 200});
    const auto count =
        std::count(dialog.notes.begin(), dialog.notes.end(), Notification{0x405, 2013, 0});
    EXPECT_EQ(count, 1);
}

TEST_F(PopupTest, ApplicationLosingActivationDeactivatesEveryKind) {
    dialog.Listen(0x47A);
    Open(0);
    auto* lighting = new TestMenu(9);
    dialog.SetPopup(1, lighting);
    lighting->Create(&dialog, QRect(300, 100, 10, 10), 0x479, 3120);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    EXPECT_NE(std::find(dialog.notes.begin(), dialog.notes.end(), Notification{0x405, 2013, 0}),
              dialog.notes.end());
    EXPECT_NE(std::find(dialog.notes.begin(), dialog.notes.end(), Notification{0x47A, 3120, 9}),
              dialog.notes.end());
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
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(menu) << "the popup deleted itself after its window closed";
    dialog.ClosePopup(0); // nothing left to close
}

TEST_F(PopupTest, SlotForgetsAPopupThatWentAwayOnItsOwn) {
    QPointer<TestMenu> menu = Open();
    menu->SendMessage(WM_CLOSE);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog.Popup(0), nullptr);
    dialog.ClosePopup(0);
}

TEST(PopupParent, WithoutAParentNothingIsSent) {
    TestMenu menu;
    EXPECT_FALSE(menu.SendToParent(0x403, 0, 0));
    EXPECT_EQ(DeactivationMessage(1), 0u);
    EXPECT_EQ(DeactivationMessage(15), 0x492u);
}

} // namespace
} // namespace ferrox
