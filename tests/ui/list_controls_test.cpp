#include "macros/macro_library.h"
#include "ui/edit_show_list.h"
#include "ui/image_show_list.h"
#include "ui/vscroll_bar.h"
#include "ui_test_support.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using namespace ferrox::test;

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
    MacroKey macro;
    CImageShowList list(nullptr, 0, 0, 100, 100); // 5 rows at scale 1
    list.SetMacro(&macro);
    struct Case {
        int total, first, selected, expectedFirst;
    };
    for (const Case& c : {Case{3, 2, -1, 0},       // everything fits: back to the top
                          Case{20, 4, -1, 4},      // no selection, list longer: stays
                          Case{20, 0, 9, 5},       // below the view: selected row becomes the last
                          Case{20, 0, 4, 0},       // on the last visible row: stays
                          Case{20, 10, 2, 10},     // above the view: does not scroll
                          Case{20, 18, 19, 15}}) { // past the end: pulled back
        macro.MacroActionNum = static_cast<std::uint32_t>(c.total);
        list.SetFirstVisibleRow(c.first);
        // Selection is set through a click-free path: the row index itself.
        list.SetSelectedRow(c.selected);
        list.EnsureVisible();
        EXPECT_EQ(list.GetFirstVisibleRow(), c.expectedFirst)
            << c.total << " " << c.first << " " << c.selected;
    }
}

class EditShowListTest : public ::testing::Test {
protected:
    void SetUp() override {
        QImage icon(16, 16, QImage::Format_ARGB32);
        icon.fill(Qt::yellow);
        skins.Write("skins/foldr_open.png", icon);
        skins.Write("skins/foldr_close.png", icon);
        // Row 0: folder "Games" (open) with row 1: folder "FPS" (closed, level 1)
        // holding a macro; row 2: macro "Reload" at the top level.
        MacroLocation at{0, 0, 0, 0};
        library.PlaceFolder(L"Games", at, true);
        library.PlaceFolder(L"FPS", {1, 0, 0, 0}, false);
        library.PlaceMacro(L"Burst", {2, 0, 0, 0}, std::make_unique<MacroKey>(L"Burst"));
        library.PlaceMacro(L"Reload", {0, 1, 0, 0}, std::make_unique<MacroKey>(L"Reload"));
        dialog.Create();
        list = dialog.AddControl(0, std::make_unique<CEditShowList>(&dialog, 10, 10, 210, 210));
        list->LoadIcons();
        list->SetLibrary(&library, &selection);
        dialog.Listen(CEditShowList::ListId);
    }
    QPoint Row(int row, int x = 150) const { return {x, 10 + 20 * row + 5}; }

    SkinFolder skins;
    MacroLibrary library;
    MacroLocation selection;
    RecordingDialog dialog;
    CEditShowList* list = nullptr;
};

TEST_F(EditShowListTest, ClickSelectsTheRowAndMirrorsItsLocation) {
    ASSERT_EQ(list->TotalRows(), 3);
    Click(&dialog, Row(2));
    EXPECT_EQ(list->GetSelectedRow(), 2);
    EXPECT_EQ(selection, (MacroLocation{0, 1, 0, 0}));
    EXPECT_EQ(dialog.notes.back(), (Notification{2015, 0, NotifyClicked}));
}

TEST_F(EditShowListTest, ClickBelowTheLastRowClearsTheSelection) {
    Click(&dialog, Row(1));
    Click(&dialog, Row(5));
    EXPECT_EQ(list->GetSelectedRow(), -1);
    EXPECT_EQ(selection.stage, -1);
}

TEST_F(EditShowListTest, IconAreaOfALevelOneFolderTogglesItNameOnlySelects) {
    Click(&dialog, Row(1, 150)); // on the name
    EXPECT_EQ(list->TotalRows(), 3) << "the closed folder stays closed";
    Click(&dialog, Row(1, 10 + 31)); // within two icon widths (32) of the left edge
    EXPECT_EQ(list->TotalRows(), 4) << "the folder opened and shows its macro";
    EXPECT_EQ(selection, (MacroLocation{1, 0, 0, 0}));
    Click(&dialog, Row(1, 10 + 31));
    EXPECT_EQ(list->TotalRows(), 3);
}

TEST_F(EditShowListTest, DoubleClickTogglesAFolderAndRightClickReportsThePoint) {
    Move(&dialog, Row(0));
    DoubleClick(&dialog, Row(0));
    EXPECT_EQ(list->TotalRows(), 2) << "the top folder closed over its child";
    EXPECT_EQ(dialog.notes.back(), (Notification{2015, 0, NotifyDoubleClicked}));

    DoubleClick(&dialog, Row(1)); // the macro row: nothing to open, still reported
    EXPECT_EQ(library.NodeAt({0, 1, 0, 0})->MacroItemFolderIsOpen, 0);

    Release(&dialog, Row(1), Qt::RightButton);
    ASSERT_EQ(dialog.notes.back().lParam, NotifyRightClicked);
    EXPECT_EQ(*reinterpret_cast<const QPoint*>(dialog.notes.back().wParam), Row(1));
    EXPECT_EQ(selection, (MacroLocation{0, 1, 0, 0}));
}

TEST_F(EditShowListTest, DrawsSelectionAndIconsInsideItsRectangle) {
    Click(&dialog, Row(0));
    const QImage drawn = Render(*list, QSize(230, 230));
    EXPECT_EQ(drawn.pixelColor(11, 10 + 45), ToQColor(CShowListBase::BackgroundColour));
    EXPECT_EQ(drawn.pixelColor(12, 11), QColor(Qt::yellow)) << "folder icon at the indent";
    EXPECT_EQ(drawn.pixelColor(205, 12), ToQColor(CShowListBase::SelectionColour));
    // Level-1 folder icon is indented by icon width + 3.
    EXPECT_EQ(drawn.pixelColor(12 + 19, 31), QColor(Qt::yellow));
    EXPECT_EQ(drawn.pixelColor(220, 12), QColor(Qt::black));
}

TEST(ImageShowList, ClickBelowTheLastActionKeepsTheSelection) {
    RecordingDialog dialog;
    dialog.Create();
    MacroKey macro;
    macro.MacroActionNum = 8;
    auto* list = dialog.AddControl(0, std::make_unique<CImageShowList>(&dialog, 0, 0, 100, 100));
    list->SetMacro(&macro);
    Click(&dialog, {50, 25});
    EXPECT_EQ(list->GetSelectedRow(), 1);
    macro.MacroActionNum = 3;
    Click(&dialog, {50, 85});
    EXPECT_EQ(list->GetSelectedRow(), 1);
    // Scrolled by five: view row 2 is step 7, past the last of eight steps.
    macro.MacroActionNum = 7;
    list->SetFirstVisibleRow(5);
    Click(&dialog, {50, 45});
    EXPECT_EQ(list->GetSelectedRow(), 1) << "a scrolled list never selects past its end";
    Click(&dialog, {50, 25});
    EXPECT_EQ(list->GetSelectedRow(), 6);
}

TEST(ImageShowList, ActionCountFromAFileIsBoundedBySlots) {
    MacroKey macro;
    macro.MacroActionNum = 100000;
    CImageShowList list(nullptr, 0, 0, 100, 100);
    list.SetMacro(&macro);
    EXPECT_EQ(list.TotalRows(), 336);
    list.SetFirstVisibleRow(334);
    Render(list, QSize(100, 100)); // must stay inside the slots
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
