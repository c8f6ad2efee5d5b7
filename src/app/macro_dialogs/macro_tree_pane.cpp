// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_tree_pane.h"

#include "app/macro_dialogs/macro_list_scroll.h"
#include "app/macro_dialogs/macro_tree_rows.h"
#include "platform/canvas.h"
#include "ui/dlg_base.h"
#include "ui/edit_show_list.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

#include <memory>

namespace ferrox {

namespace {

constexpr Colour kAreaBorder = 0x949494;

} // namespace

MacroTreePane AddMacroTreePane(CDlgBase& dialog, const DesignRect& area, int barId,
                               MacroLibrary& library, MacroLocation& selection) {
    const ListPlacement at = PlaceListInArea(area);
    MacroTreePane pane;
    pane.tree = dialog.AddControl(0, std::make_unique<CEditShowList>(
                                         &dialog, at.list.left, at.list.top, at.list.right,
                                         at.list.bottom));
    pane.bar = AddScrollBar(dialog, barId, at);
    pane.tree->SetRows(std::make_unique<MacroTreeRows>(library, &selection));
    pane.tree->LoadIcons();
    library.CollapseAll();
    selection = MacroLocation{};
    pane.tree->SetSelectedRow(-1);
    return pane;
}

void DrawListArea(Canvas& canvas, const DesignRect& area) {
    canvas.FillRect(ScaledRect(area), kAreaBorder);
}

void SyncMacroTree(const MacroTreePane& pane) {
    if (pane.tree->GetSelectedRow() >= pane.tree->TotalRows())
        pane.tree->SetSelectedRow(-1);
    SyncScrollBar(*pane.bar, *pane.tree);
}

} // namespace ferrox
