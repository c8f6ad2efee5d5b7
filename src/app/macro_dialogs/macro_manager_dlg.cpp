// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/macro_dialogs/macro_manager_dlg.h"

#include "app/control_bindings.h"
#include "app/macro_dialogs/library_save_outcome.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/macro_dialogs/macro_step_rows.h"
#include "app/macro_dialogs/macro_tree_pane.h"
#include "app/radio_bits.h"
#include "lang/language_table.h"
#include "macros/macro_user_library.h"
#include "platform/canvas.h"
#include "ui/button_base.h"
#include "ui/check_button.h"
#include "ui/combo_button.h"
#include "ui/edit_show_list.h"
#include "ui/image_show_list.h"
#include "ui/ui_scale.h"
#include "ui/ui_state.h"
#include "ui/vscroll_bar.h"

#include <algorithm>

namespace ferrox {

namespace {

namespace Id = MacroManagerId;
namespace L = MacroManagerLayout;
constexpr int kRecordText = 199, kStopText = 198;
constexpr int kRecordMarkWidth = 22;
constexpr int kDigitsOnly = 175;
constexpr std::size_t kLoopDigits = 3;

std::uint32_t LoopBit(std::uint8_t type) {
    switch (type) {
    case MacroLoopType::Mode1:
        return RadioBit::LoopHeld;
    case MacroLoopType::Mode4:
        return RadioBit::LoopToggle;
    default:
        return RadioBit::LoopCounted;
    }
}

} // namespace

CMacroManagerDlg::CMacroManagerDlg(MacroLibrary& library, MacroLocation& selection,
                                   QWidget* parent, std::unique_ptr<MacroManagerPrompts> prompts,
                                   KeyClock clock, MacroLibrarySaves::Write save)
    // Enter is a key a macro may hold; it never closes the manager. While a recording runs the
    // capture takes Escape too, so only outside one does it close the manager.
    : CDlgBase(parent, {.width = L::DesignWidth, .height = L::DesignHeight,
                        .skin = L::FrameSkin, .titleText = L::TitleText,
                        .enter = DefaultKey::Swallow, .escape = DefaultKey::EndCancel,
                        .ends = EndButtons::None}),
      library_(library), selection_(selection), prompts_(std::move(prompts)),
      save_(std::move(save)), hook_(std::move(clock)) {
    if (!prompts_)
        prompts_ = std::make_unique<DialogMacroPrompts>(*this);
    if (!save_)
        save_ = UserMacroLibraryWrite();
    bindHandlers();
}

CMacroManagerDlg::~CMacroManagerDlg() {
    // Ended without closing (its owner went first): the edits still reach the file.
    if (!finished_) {
        hook_.StopHook();
        recorder_.stop();
        saveOnClosing();
    }
}

void CMacroManagerDlg::SetClosingSaveListener(QObject* receiver,
                                              std::function<void(bool saved)> listener) {
    closingReceiver_ = receiver;
    closingListener_ = std::move(listener);
}

void CMacroManagerDlg::CreateControls(int, int, int, int) {
    AddControls(*this, MacroManagerControls(), ProgramControlBindings());
    record_ = FindControlAs<CCheckButton>(Id::Record);
    delays_ = FindControlAs<CCheckButton>(Id::RecordDelays);
    insert_ = FindControlAs<CComboButton>(Id::InsertMenu);
    if (record_) {
        record_->SetTexts(LanguageText(kRecordText), LanguageText(kStopText));
        // The caption is centred beside the record mark, not over it.
        record_->SetInsets(Scaled(kRecordMarkWidth), 0);
    }

    const MacroTreePane pane =
        AddMacroTreePane(*this, L::TreeArea, Id::TreeBar, library_, selection_);
    tree_ = pane.tree;
    treeBar_ = pane.bar;
    const ListPlacement actionsAt = PlaceListInArea(L::ActionArea);
    actions_ = AddControl(0, std::make_unique<CImageShowList>(this, actionsAt.list.left,
                                                              actionsAt.list.top, actionsAt.list.right,
                                                              actionsAt.list.bottom));
    actionBar_ = AddScrollBar(*this, Id::ActionBar, actionsAt);
    actions_->LoadIcons();

    loopCount_ = AddEditField(Id::LoopCount, L::LoopCountRect);
    loopCount_->setStyleSheet(QStringLiteral(
        "QLineEdit { color: #B4B4B4; background: #141414; border: 1px solid #3A3A3A; }"));
    // The guard is a QObject's: the field outlives this class's part of the window.
    QPointer<QObject> alive(this);
    loopCount_->SetFilter([alive, self = this](std::wstring_view typed) {
        const bool nonDigit = std::any_of(typed.begin(), typed.end(),
                                          [](wchar_t c) { return c < L'0' || c > L'9'; });
        std::wstring digits = DigitsOnly(kLoopDigits)(typed);
        if (alive && nonDigit)
            self->PostTask([alive, self] {
                if (alive)
                    self->prompts_->Notice(kDigitsOnly);
            });
        return digits;
    });

    refresh();
}

void CMacroManagerDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    DrawListArea(canvas, L::TreeArea);
    DrawListArea(canvas, L::ActionArea);
    DrawControls(canvas, clientRect);
}

// --- handlers ---

void CMacroManagerDlg::onClicked(int id, std::function<void()> action) {
    bindMessage(unsigned(id), [action = std::move(action)](WParam, LParam code) {
        if (code == NotifyClicked)
            action();
        return 0;
    });
}

void CMacroManagerDlg::bindHandlers() {
    onClicked(Id::Close, [this] { finish(IDCANCEL); });
    onClicked(Id::NewMacro, [this] { newItem(false); });
    onClicked(Id::DeleteItem, [this] { onDeleteItem(); });
    onClicked(Id::Record, [this] { onRecordClicked(); });
    onClicked(Id::ModifyAction, [this] { modifyAction(); });
    onClicked(Id::DeleteAction, [this] { onDeleteAction(); });
    for (int id : {Id::LoopHeld, Id::LoopToggle, Id::LoopCounted})
        onClicked(id, [this] { onLoopType(); });
    bindMessage(Id::LoopCount, [this](WParam, LParam code) {
        if (code == NotifyValueChanged)
            onLoopCountEdited();
        return 0;
    });
    bindMessage(WM_KEYHOOK, [this](WParam code, LParam word) {
        onHookEvent(code, word);
        return 0;
    });
    bindListHandlers();
    bindMenuHandlers();
}

void CMacroManagerDlg::bindListHandlers() {
    bindMessage(Id::Tree, [this](WParam, LParam code) {
        if (code != NotifyClicked && code != NotifyDoubleClicked && code != NotifyRightClicked)
            return 0;
        tree_->EnsureVisible();
        refresh();
        if (code == NotifyRightClicked)
            openContextMenu();
        return 0;
    });
    bindMessage(Id::Actions, [this](WParam, LParam code) {
        if (code == NotifyDoubleClicked)
            modifyAction();
        else if (code == NotifyClicked)
            Invalidate();
        return 0;
    });
    const auto scroll = [this](CVScrollBar*& bar, auto*& list) {
        return [this, &bar, &list](WParam part, LParam code) {
            if (bar && list && HandleListScroll(*bar, *list, code, part))
                Invalidate();
            else if (code == NotifyClicked)
                Invalidate();
            return 0;
        };
    };
    bindMessage(Id::TreeBar, scroll(treeBar_, tree_));
    bindMessage(Id::ActionBar, scroll(actionBar_, actions_));
}

MacroKey* CMacroManagerDlg::macroAtSelection() const {
    MacroItem* node = library_.NodeAt(selection_);
    return node && !node->IsFree() && !node->MacroItemIsFolder ? node->macro.get() : nullptr;
}

void CMacroManagerDlg::selectLocation(const MacroLocation& location) {
    selection_ = location;
    tree_->SetSelectedRow(library_.RowOfLocation(location));
    tree_->EnsureVisible();
    refresh();
}

void CMacroManagerDlg::refresh() {
    if (!tree_)
        return;
    // The list may have lost rows (a folder closed, an item deleted).
    if (tree_->GetSelectedRow() >= tree_->TotalRows())
        tree_->SetSelectedRow(-1);
    MacroKey* now = macroAtSelection();
    if (now != current_) {
        current_ = now;
        actions_->SetRows(std::make_unique<MacroStepRows>(now));
        actions_->SetSelectedRow(-1);
        actions_->SetFirstVisibleRow(0);
    }
    SyncScrollBar(*actionBar_, *actions_);
    SyncScrollBar(*treeBar_, *tree_);
    RadioGroupFlags &= ~RadioBit::LoopGroup;
    if (current_)
        RadioGroupFlags |= LoopBit(current_->MacroKeyLoopType);
    showLoopCount();
    Invalidate();
}

void CMacroManagerDlg::showLoopCount() {
    const bool counted = current_ && current_->MacroKeyLoopType == MacroLoopType::Counted;
    loopCount_->setVisible(counted);
    if (counted)
        loopCount_->SetText(std::to_wstring(current_->MacroKeyLoopNum));
}

void CMacroManagerDlg::onLoopType() {
    if (!current_) {
        RadioGroupFlags &= ~RadioBit::LoopGroup;
        Invalidate();
        return;
    }
    const std::uint32_t bits = RadioGroupFlags & RadioBit::LoopGroup;
    current_->MacroKeyLoopType = bits == RadioBit::LoopHeld     ? MacroLoopType::Mode1
                                 : bits == RadioBit::LoopToggle ? MacroLoopType::Mode4
                                                                : MacroLoopType::Counted;
    showLoopCount();
    if (loopCount_->isVisible()) {
        loopCount_->setFocus();
        loopCount_->selectAll();
    }
    Invalidate();
}

void CMacroManagerDlg::onLoopCountEdited() {
    if (!current_ || current_->MacroKeyLoopType != MacroLoopType::Counted)
        return;
    const std::wstring text = loopCount_->GetText();
    current_->MacroKeyLoopNum = LoopCountFromText(text);
    const std::wstring stored = std::to_wstring(current_->MacroKeyLoopNum);
    // An empty box is the user about to type; anything else shows what is stored.
    if (!text.empty() && text != stored) {
        loopCount_->SetText(stored);
        loopCount_->selectAll();
    }
}

void CMacroManagerDlg::OnMouseWheel(int delta, int x, int y) {
    const int notches = wheel_.Take(delta);
    if (notches == 0)
        return;
    ShowListBase* list = tree_ && tree_->Contains(x, y)         ? static_cast<ShowListBase*>(tree_)
                          : actions_ && actions_->Contains(x, y) ? actions_
                                                                 : nullptr;
    if (!list || !ScrollListBy(*list, -notches))
        return;
    SyncScrollBar(list == tree_ ? *treeBar_ : *actionBar_, *list);
    Invalidate();
}

// --- closing ---

void CMacroManagerDlg::OnOK() {
    finish(IDOK);
}

void CMacroManagerDlg::OnCancel() {
    finish(IDCANCEL);
}

void CMacroManagerDlg::OnClose() {
    finish(IDCANCEL);
}

void CMacroManagerDlg::saveOnClosing() {
    // The write outlives the manager: whoever opened it hears how it went.
    SaveLibraryAside(library_, save_,
                     [self = QPointer<CMacroManagerDlg>(this), receiver = closingReceiver_,
                      listener = std::move(closingListener_)](bool saved) {
                         if (self)
                             self->saved_ = saved;
                         if (receiver && listener)
                             listener(saved);
                     });
}

void CMacroManagerDlg::finish(int result) {
    if (finished_)
        return;
    finished_ = true;
    if (recorder_.isRecording() || hook_.IsStarted()) {
        hook_.StopHook();
        recorder_.stop();
    }
    if (pending_) {
        RemoveMacroActions(*pending_->macro, pending_->position, pending_->count);
        pending_.reset();
    }
    ClosePopup(InsertPopupSlot);
    ClosePopup(ListPopupSlot);
    // A failed write is told by the window that opened the manager, which keeps the library
    // in memory either way: it is what the file will hold, or newer.
    saveOnClosing();
    selection_ = MacroLocation{};
    EndSkinnedDialog(result);
}

} // namespace ferrox
