// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_select_dlg.h"

#include "app/dialogs/attention_dlg.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/tool_tips.h"
#include "lang/language_table.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/edit_show_list.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

namespace ferrox {

namespace {

namespace L = MacroManagerLayout;
using D = CMacroSelectDlg;
// The tree takes the width of both of the manager's lists.
constexpr DesignRect kTreeArea{24, 53, 489, 324};
constexpr int kNoMacroSelected = 234;
constexpr int kTitleText = 191;

constexpr ControlSpec kControls[] = {
    {.id = D::TitleId, .kind = ControlKind::StaticText, .rect = {24, 32, 489, 51},
     .textIndex = kTitleText, .format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
     .colour = look::HotText},
    CloseButton(D::CloseId, {504, 4, 519, 19}),
    TextButton(D::ChooseId, {369, 333, 489, 357}, OkText, WideButtonSkins),
};

} // namespace

CMacroSelectDlg::CMacroSelectDlg(MacroLibrary& library, MacroLocation& selection,
                                 WindowBase* parent)
    : CDlgBase(parent, {.width = L::DesignWidth, .height = L::DesignHeight,
                        .skin = L::FrameSkin, .titleText = kTitleText,
                        .enter = DefaultKey::Swallow, .escape = DefaultKey::EndCancel,
                        .ends = EndButtons::Close}),
      library_(library), selection_(selection), parent_(parent) {
    bindMessage(ChooseId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            choose();
        return 0;
    });
    bindMessage(CEditShowList::ListId, [this](WParam, LParam code) {
        if (code == NotifyClicked || code == NotifyRightClicked || code == NotifyDoubleClicked) {
            pane_.tree->EnsureVisible();
            refresh();
        }
        return 0;
    });
    bindMessage(TreeBarId, [this](WParam part, LParam code) {
        if (pane_.bar && pane_.tree)
            HandleListScroll(*pane_.bar, *pane_.tree, code, part);
        Invalidate();
        return 0;
    });
}

void CMacroSelectDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    pane_ = AddMacroTreePane(*this, kTreeArea, TreeBarId, library_, selection_);
    refresh();
}

void CMacroSelectDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    DrawListArea(canvas, kTreeArea);
    DrawControls(canvas, clientRect);
}

void CMacroSelectDlg::refresh() {
    SyncMacroTree(pane_);
    Invalidate();
}

void CMacroSelectDlg::OnMouseWheel(int delta, int x, int y) {
    const int notches = wheel_.Take(delta);
    if (notches != 0 && pane_.tree && pane_.tree->Contains(x, y) &&
        ScrollListBy(*pane_.tree, -notches)) {
        SyncScrollBar(*pane_.bar, *pane_.tree);
        Invalidate();
    }
}

void CMacroSelectDlg::choose() {
    const MacroItem* node = library_.NodeAt(selection_);
    if (selection_.stage < 0 || !node || node->IsFree() || node->MacroItemIsFolder ||
        !node->macro) {
        notice_ = CAttentionDlg::ShowNotice(this, LanguageText(kNoMacroSelected));
        return;
    }
    if (parent_)
        parent_->SendMessage(MacroSelectMessage::Chosen, 0, 0);
    EndSkinnedDialog(IDOK);
}

} // namespace ferrox
