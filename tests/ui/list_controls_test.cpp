// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/image_show_list.h"
#include "ui/vscroll_bar.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ferrox {
namespace {

using namespace ferrox::test;

// Rows by number only: the list's geometry and scrolling need nothing else.
class CountedRows : public ShowListRows {
public:
    explicit CountedRows(int& count) : count_(count) {}
    int Count() const override { return count_; }
    ShowListRow Row(int row) const override {
        return {0, ShowListRow::NoIcon, ShowListRow::Fold::None, std::to_wstring(row)};
    }

private:
    int& count_;
};

TEST(ListGeometry, RowsAreTwentyDesignPixelsAndAHalfRowCounts) {
    struct Case {
        float scale;
        int height;
        int visible;
        QRect row2;
    };
    for (const Case& c :
         {Case{1.0f, 200, 10, QRect(12, 50, 96, 20)}, Case{1.0f, 189, 9, QRect(12, 50, 96, 20)},
          Case{1.5f, 300, 10, QRect(13, 70, 94, 30)}, Case{2.0f, 390, 10, QRect(14, 90, 92, 40)}}) {
        ScopedUiScale scale(c.scale);
        CImageShowList list(nullptr, 10, 10, 110, 10 + c.height);
        EXPECT_EQ(list.VisibleRows(), c.visible) << c.scale << " " << c.height;
        EXPECT_EQ(list.RowRect(2), c.row2) << c.scale;
    }
}

TEST(ListGeometry, EnsureVisibleScrollsDownOnlyAndNeverPastTheEnd) {
    int count = 0;
    CImageShowList list(nullptr, 0, 0, 100, 100); // 5 rows at scale 1
    list.SetRows(std::make_unique<CountedRows>(count));
    struct Case {
        int total, first, selected, expectedFirst;
    };
    for (const Case& c : {Case{3, 2, -1, 0},       // everything fits: back to the top
                          Case{20, 4, -1, 4},      // no selection, list longer: stays
                          Case{20, 0, 9, 5},       // below the view: selected row becomes the last
                          Case{20, 0, 4, 0},       // on the last visible row: stays
                          Case{20, 10, 2, 10},     // above the view: does not scroll
                          Case{20, 18, 19, 15}}) { // past the end: pulled back
        count = c.total;
        list.SetFirstVisibleRow(c.first);
        // Selection is set through a click-free path: the row index itself.
        list.SetSelectedRow(c.selected);
        list.EnsureVisible();
        EXPECT_EQ(list.GetFirstVisibleRow(), c.expectedFirst)
            << c.total << " " << c.first << " " << c.selected;
    }
}

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        bar = dialog.AddControl(0, std::make_unique<CVScrollBar>(&dialog, 2030, 0, 0, 12, 121));
        dialog.Listen(2030);
    }
    RecordingDialog dialog;
    CVScrollBar* bar = nullptr;
};

TEST_F(ScrollBarTest, ThumbCoversThePageShareOfTheTrack) {
    // No arrows loaded: the track is the whole bar, 0..121 (length + 1 = 122).
    bar->SetPosition(10, 25, 100);
    EXPECT_EQ(bar->ThumbRect().top(), 12);    // round(0.1 * 122)
    EXPECT_EQ(bar->ThumbRect().bottom(), 42); // 12 + round(0.25 * 122) - 1
    bar->SetPosition(90, 25, 100);
    EXPECT_EQ(bar->ThumbRect().bottom(), 121) << "never past the track";
    const QRect before = bar->ThumbRect();
    bar->SetPosition(3, 3, 0);
    EXPECT_EQ(bar->ThumbRect(), before) << "a total of 0 changes nothing";
    EXPECT_EQ(bar->GetPosition().total, 100);
}

TEST_F(ScrollBarTest, PressReportsWhichPartWasHit) {
    bar->SetPosition(40, 20, 100);
    const int thumbY = bar->ThumbRect().center().y();
    struct Case {
        int y;
        WParam part;
    };
    for (const Case& c :
         {Case{2, ScrollPageUp}, Case{thumbY, ScrollThumb}, Case{118, ScrollPageDown}}) {
        dialog.ClearRecords();
        Move(&dialog, {5, c.y});
        Press(&dialog, {5, c.y});
        Release(&dialog, {5, c.y});
        ASSERT_FALSE(dialog.notes.empty());
        EXPECT_EQ(dialog.notes.front(), (Notification{2030, c.part, NotifyPressed})) << c.y;
    }
}

TEST_F(ScrollBarTest, DraggingTheThumbReportsNewPositionsAndSnapsOnRelease) {
    bar->SetPosition(0, 10, 100);
    const int grab = bar->ThumbRect().top() + 2;
    Move(&dialog, {5, grab});
    Press(&dialog, {5, grab});
    Move(&dialog, {5, grab + 61}, Qt::LeftButton);
    EXPECT_EQ(bar->GetPosition().position, 61 * 100 / 122);
    EXPECT_EQ(dialog.notes.back(), (Notification{2030, 0, NotifyValueChanged}));
    Release(&dialog, {5, grab + 61});
    EXPECT_EQ(dialog.notes.back(), (Notification{2030, 0, NotifyClicked}));
    EXPECT_FALSE(bar->Dragging());
    EXPECT_EQ(bar->ThumbRect().top(), static_cast<int>(std::lround(50 / 100.0 * 122)));
}

TEST_F(ScrollBarTest, ArrowsTakeTheirScaledStripHeightAtBothEnds) {
    ScopedUiScale scale(2.0f);
    CVScrollBar arrows(nullptr, 1, 0, 0, 20, 200);
    arrows.LoadArrows(); // compiled-in three-look strips
    ASSERT_GT(arrows.FrameHeight(), 0);
    EXPECT_EQ(arrows.FrameWidth() * 3, QImage(":/res/188.png").width());
    EXPECT_EQ(arrows.TrackTop(), 2 * arrows.FrameHeight());
    EXPECT_EQ(arrows.TrackBottom(), 200 - 2 * arrows.FrameHeight());
    EXPECT_EQ(arrows.DownArrowRect().bottom(), 199);
}

} // namespace
} // namespace ferrox
