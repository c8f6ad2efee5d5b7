// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_step_rows.h"
#include "app/macro_dialogs/macro_tree_rows.h"
#include "macros/macro_library.h"
#include "ui/edit_show_list.h"
#include "ui/image_show_list.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <memory>

namespace ferrox {
namespace {

using namespace ferrox::test;

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
        list->SetRows(std::make_unique<MacroTreeRows>(library, &selection));
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
    EXPECT_EQ(drawn.pixelColor(11, 10 + 45), ToQColor(ShowListBase::BackgroundColour));
    EXPECT_EQ(drawn.pixelColor(12, 11), QColor(Qt::yellow)) << "folder icon at the indent";
    EXPECT_EQ(drawn.pixelColor(205, 12), ToQColor(ShowListBase::SelectionColour));
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
    list->SetRows(std::make_unique<MacroStepRows>(&macro));
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
    list.SetRows(std::make_unique<MacroStepRows>(&macro));
    EXPECT_EQ(list.TotalRows(), 336);
    list.SetFirstVisibleRow(334);
    Render(list, QSize(100, 100)); // must stay inside the slots
}

} // namespace
} // namespace ferrox
