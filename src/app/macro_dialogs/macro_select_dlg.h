// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing a library macro for a mouse button: the library tree, read-only, folders closed at
// first. Choosing a macro tells the parent (message 0x42A) while the shared selection names it;
// choosing a folder or nothing is refused with a notice.

#include "app/macro_dialogs/macro_list_scroll.h"
#include "app/macro_dialogs/macro_tree_pane.h"
#include "macros/macro_library.h"
#include "ui/dlg_base.h"

#include <QPointer>

namespace ferrox {

class CEditShowList;
class CVScrollBar;

namespace MacroSelectMessage {
inline constexpr unsigned Chosen = 0x42A;
} // namespace MacroSelectMessage

class CMacroSelectDlg : public CDlgBase {
public:
    static constexpr int ChooseId = 2010;
    static constexpr int TitleId = 2025;
    static constexpr int TreeBarId = 2021;

    // parent receives the choice; it may be null (nothing is told).
    CMacroSelectDlg(MacroLibrary& library, MacroLocation& selection, WindowBase* parent = nullptr);

    CEditShowList* Tree() const { return pane_.tree; }
    // The notice of a refused choice, while it is open.
    WindowBase* Notice() const { return notice_; }

protected:
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnMouseWheel(int delta, int x, int y) override;

private:
    void choose();
    void refresh();

    MacroLibrary& library_;
    MacroLocation& selection_;
    QPointer<WindowBase> parent_;
    MacroTreePane pane_;
    WheelSteps wheel_;
    QPointer<WindowBase> notice_;
};

} // namespace ferrox
