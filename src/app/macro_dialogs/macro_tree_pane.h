// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The macro library's tree as the manager and the selection dialog both show it: the list and
// its scroll bar one unit inside a grey-bordered area.

#include "macros/macro_library.h"
#include "ui/control_spec.h"

class QRect;

namespace ferrox {

class Canvas;
class CDlgBase;
class CEditShowList;
class CVScrollBar;

struct MacroTreePane {
    CEditShowList* tree = nullptr;
    CVScrollBar* bar = nullptr;
};

// Adds the tree and its bar (barId) to the dialog's layer 0, showing library with selection.
// Folders start closed and nothing is selected: the selection the dialogs share may point into
// a folder that is no longer open.
MacroTreePane AddMacroTreePane(CDlgBase& dialog, const DesignRect& area, int barId,
                               MacroLibrary& library, MacroLocation& selection);

// The grey border of a list's area, drawn under the list.
void DrawListArea(Canvas& canvas, const DesignRect& area);

// After the library changed: a selected row past the end is dropped and the bar follows.
void SyncMacroTree(const MacroTreePane& pane);

} // namespace ferrox
