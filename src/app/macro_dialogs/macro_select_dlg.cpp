#include "app/macro_dialogs/macro_select_dlg.h"

#include "app/dialogs/attention_dlg.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/macro_dialogs/macro_prompts.h"
#include "app/tool_tips.h"
#include "platform/canvas.h"
#include "ui/control_factory.h"
#include "ui/edit_show_list.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

namespace ferrox {

namespace {

namespace L = MacroManagerLayout;
using D = CMacroSelectDlg;
constexpr Colour kAreaBorder = 0x949494;
// The tree takes the width of both of the manager's lists.
constexpr DesignRect kTreeArea{24, 53, 489, 324};
constexpr int kNoMacroSelected = 234;
constexpr unsigned kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

constexpr ControlSpec kControls[] = {
    {.id = D::TitleId, .kind = ControlKind::StaticText, .rect = {24, 32, 489, 51},
     .textIndex = 191, .format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS,
     .colour = look::HotText},
    CloseButton(D::CloseId, {504, 4, 519, 19}),
    {D::ChooseId, ControlKind::Image, {369, 333, 489, 357}, {"button3_nr", "button3_ov"}, 4, {},
     {}, kCentred},
};

} // namespace

CMacroSelectDlg::CMacroSelectDlg(MacroLibrary& library, MacroLocation& selection,
                                 WindowBase* parent)
    : CDlgBase(parent), library_(library), selection_(selection), parent_(parent) {
    SetDesignSize(L::DesignWidth, L::DesignHeight);
    setWindowModality(Qt::ApplicationModal);
    SetDefaultKeys(DefaultKey::Swallow, DefaultKey::Swallow);
    bindMessage(CloseId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            OnCancel();
        return 0;
    });
    bindMessage(ChooseId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            choose();
        return 0;
    });
    bindMessage(CEditShowList::ListId, [this](WParam, LParam code) {
        if (code == NotifyClicked || code == NotifyRightClicked || code == NotifyDoubleClicked) {
            tree_->EnsureVisible();
            refresh();
        }
        return 0;
    });
    bindMessage(TreeBarId, [this](WParam part, LParam code) {
        if (bar_ && tree_)
            HandleListScroll(*bar_, *tree_, code, part);
        Invalidate();
        return 0;
    });
}

bool CMacroSelectDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    setWindowTitle(QString::fromStdWString(MacroText(191)));
    RegisterAsOpenDialog();
    LoadDialogFrame("skins/Frame_Macro_Manager.bmp");
    return true;
}

void CMacroSelectDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    const ListPlacement at = PlaceListInArea(kTreeArea);
    tree_ = AddControl(0, std::make_unique<CEditShowList>(this, at.list.left, at.list.top,
                                                          at.list.right, at.list.bottom));
    bar_ = AddScrollBar(*this, TreeBarId, at);
    tree_->SetLibrary(&library_, &selection_);
    tree_->LoadIcons();
    // Folders start closed, so an old selection may name a row that is not shown.
    library_.CollapseAll();
    selection_ = MacroLocation{};
    tree_->SetSelectedRow(-1);
    refresh();
}

void CMacroSelectDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    canvas.FillRect(QRect(QPoint(Scaled(kTreeArea.left), Scaled(kTreeArea.top)),
                          QPoint(Scaled(kTreeArea.right) - 1, Scaled(kTreeArea.bottom) - 1)),
                    kAreaBorder);
    DrawControls(canvas, clientRect);
}

void CMacroSelectDlg::refresh() {
    if (tree_->GetSelectedRow() >= tree_->TotalRows())
        tree_->SetSelectedRow(-1);
    SyncScrollBar(*bar_, *tree_);
    Invalidate();
}

void CMacroSelectDlg::OnMouseWheel(int delta, int x, int y) {
    const int notches = wheel_.Take(delta);
    if (notches != 0 && tree_ && tree_->Contains(x, y) && ScrollListBy(*tree_, -notches)) {
        SyncScrollBar(*bar_, *tree_);
        Invalidate();
    }
}

void CMacroSelectDlg::choose() {
    const MacroItem* node = library_.NodeAt(selection_);
    if (selection_.stage < 0 || !node || node->IsFree() || node->MacroItemIsFolder ||
        !node->macro) {
        notice_ = CAttentionDlg::Show(this, MacroText(150), MacroText(kNoMacroSelected),
                                      CAttentionDlg::Mode::Modal);
        return;
    }
    if (parent_)
        parent_->SendMessage(MacroSelectMessage::Chosen, 0, 0);
    EndSkinnedDialog(IDOK);
}

} // namespace ferrox
