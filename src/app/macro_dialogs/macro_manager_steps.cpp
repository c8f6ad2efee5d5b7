// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The macro manager's steps: the insert menu and what it inserts, modifying and deleting a
// step, and recording from the keyboard.

#include "app/macro_dialogs/macro_manager_dlg.h"

#include "app/macro_dialogs/library_save_outcome.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/macro_dialogs/macro_popups.h"
#include "ui/check_button.h"
#include "ui/combo_button.h"
#include "ui/edit_show_list.h"
#include "ui/image_show_list.h"
#include "ui/ui_scale.h"
#include "ui/vscroll_bar.h"

namespace ferrox {

namespace {

namespace Id = MacroManagerId;
constexpr int kNoMacroToRecord = 234;
constexpr int kRecordingFull = 235;
constexpr int kNoMacroToInsert = 236;
constexpr int kMacroFull = 237;
constexpr int kMenuSize = 300;

const PopupResult* ResultOf(LParam lParam) {
    return reinterpret_cast<const PopupResult*>(lParam);
}

int MoveDirection(MacroInsertKind kind) {
    return MacroMoveLeft + (int(kind) - int(MacroInsertKind::MoveLeft));
}

} // namespace

// --- menus ---

void CMacroManagerDlg::bindMenuHandlers() {
    bindMessage(MacroMenuMessage::InsertOpen, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            openInsertMenu();
        return 0;
    });
    // Choices run once the menu has gone, from the event loop: an editor they open is then
    // never started inside the menu's own handling.
    bindMessage(MacroMenuMessage::InsertResult, [this](WParam, LParam lParam) {
        const int kind = lParam ? ResultOf(lParam)->code[0] : -1;
        if (insert_)
            insert_->SetPopupOpen(false);
        ClosePopup(InsertPopupSlot);
        if (kind >= 0 && kind < MacroInsertKindCount)
            PostTask([self = QPointer<CMacroManagerDlg>(this), kind] {
                if (self && !self->finished_)
                    self->RunInsert(MacroInsertKind(kind));
            });
        return 0;
    });
    bindMessage(MacroMenuMessage::InsertClosed, [this](WParam, LParam) {
        if (insert_)
            insert_->SetPopupOpen(false);
        ClosePopup(InsertPopupSlot);
        Invalidate();
        return 0;
    });
    bindMessage(MacroMenuMessage::ListResult, [this](WParam, LParam lParam) {
        const int operation = lParam ? ResultOf(lParam)->code[0] : -1;
        ClosePopup(ListPopupSlot);
        if (operation >= 0 && operation <= int(MacroListOperation::ExportSet))
            PostTask([self = QPointer<CMacroManagerDlg>(this), operation] {
                if (self && !self->finished_)
                    self->RunListOperation(MacroListOperation(operation));
            });
        return 0;
    });
    bindMessage(MacroMenuMessage::ListClosed, [this](WParam, LParam) {
        ClosePopup(ListPopupSlot);
        Invalidate();
        return 0;
    });
}

void CMacroManagerDlg::openInsertMenu() {
    ClosePopup(ListPopupSlot);
    ClosePopup(InsertPopupSlot);
    if (!insert_)
        return;
    insert_->SetPopupOpen(true);
    auto* menu = new CComboActionInsertPopup;
    SetPopup(InsertPopupSlot, menu);
    const QRect bounds = insert_->GetBounds();
    menu->Create(this,
                 QRect(mapToGlobal(bounds.bottomLeft() + QPoint(0, 1)),
                       QSize(Scaled(kMenuSize), Scaled(kMenuSize))),
                 MacroMenuMessage::InsertResult, Id::InsertMenu);
}

// --- inserting ---

void CMacroManagerDlg::RunInsert(MacroInsertKind kind) {
    if (!current_) {
        prompts_->Notice(kNoMacroToInsert);
        return;
    }
    const std::uint32_t position = MacroInsertPosition(*current_, actions_->GetSelectedRow());
    if (!MacroInsertFits(*current_, kind, position)) {
        prompts_->Notice(kMacroFull);
        return;
    }
    // One capture at a time: the editors take keys of their own.
    const bool recording = hook_.IsStarted();
    if (recording)
        hook_.StopHook();
    insertEdited(kind, position);
    if (recording && !finished_ && recorder_.isRecording())
        hook_.StartHook(this);
}

void CMacroManagerDlg::insertEdited(MacroInsertKind kind, std::uint32_t position) {
    if (kind == MacroInsertKind::Delay && MacroDelayToEdit(*current_, position) >= 0)
        return editDelayAt(MacroDelayToEdit(*current_, position));
    MacroKey& macro = *current_;
    const std::uint32_t count = InsertReadyMade(macro, kind, position);
    if (count == 0)
        return;
    bool kept = true;
    if (kind == MacroInsertKind::Delay || kind == MacroInsertKind::KeyPair ||
        kind >= MacroInsertKind::MoveLeft) {
        pending_ = PendingInsert{&macro, position, count};
        MacroAction edited = macro.GetAction(position);
        const bool ok = kind == MacroInsertKind::Delay     ? prompts_->EditDelay(edited)
                        : kind == MacroInsertKind::KeyPair ? prompts_->EditKey(edited)
                                                           : prompts_->EditMove(edited, MoveDirection(kind));
        if (finished_)
            return; // the manager closed under the editor and took the insert back
        pending_.reset();
        kept = ok && (kind != MacroInsertKind::Delay ||
                      AdjustForDelayEdit(macro, MacroDefaultInsertedDelay.DelayMs(),
                                         edited.DelayMs()));
        if (ok && !kept)
            prompts_->Notice(kMacroFull);
        if (kept) {
            (void)macro.SetAction(position, edited);
            if (kind == MacroInsertKind::KeyPair)
                (void)macro.SetAction(position + 2, MacroAction::MakeKey(edited.b0, true));
        }
    }
    if (!kept) {
        RemoveMacroActions(macro, position, count);
        return afterStepsChanged(actions_->GetSelectedRow());
    }
    CommitMacroInsert(macro, kind);
    afterStepsChanged(MacroRowAfterInsert(kind, position));
}

void CMacroManagerDlg::editDelayAt(int row) {
    MacroKey& macro = *current_;
    MacroAction edited = macro.GetAction(std::uint32_t(row));
    const std::uint32_t before = edited.DelayMs();
    if (!prompts_->EditDelay(edited) || finished_)
        return;
    if (!AdjustForDelayEdit(macro, before, edited.DelayMs())) {
        prompts_->Notice(kMacroFull);
        return;
    }
    (void)macro.SetAction(std::uint32_t(row), edited);
    afterStepsChanged(row);
}

void CMacroManagerDlg::afterStepsChanged(int selectRow) {
    actions_->SetSelectedRow(selectRow);
    actions_->EnsureVisible();
    SyncScrollBar(*actionBar_, *actions_);
    Invalidate();
}

// --- modify and delete ---

void CMacroManagerDlg::modifyAction() {
    const int row = actions_->GetSelectedRow();
    if (!current_ || row < 0 || std::uint32_t(row) >= current_->MacroActionNum)
        return;
    const MacroAction action = current_->GetAction(std::uint32_t(row));
    if (action.IsDelay())
        return editDelayAt(row);
    if (!IsEditableKeyAction(action))
        return;
    MacroAction edited = action;
    const bool recording = hook_.IsStarted();
    if (recording)
        hook_.StopHook();
    const bool ok = prompts_->EditKey(edited);
    if (finished_)
        return;
    if (recording && recorder_.isRecording())
        hook_.StartHook(this);
    if (ok && IsEditableKeyAction(edited)) {
        (void)current_->SetAction(std::uint32_t(row), edited);
        afterStepsChanged(row);
    }
}

void CMacroManagerDlg::onDeleteAction() {
    const int row = actions_->GetSelectedRow();
    if (!current_ || row < 0 || std::uint32_t(row) >= current_->MacroActionNum)
        return;
    afterStepsChanged(DeleteMacroActionAt(*current_, row));
}

// --- recording ---

void CMacroManagerDlg::onRecordClicked() {
    if (!record_)
        return;
    if (record_->GetChecked())
        startRecording();
    else
        stopRecording();
}

void CMacroManagerDlg::startRecording() {
    if (!current_ || !recorder_.start(current_)) {
        record_->SetChecked(false);
        Invalidate();
        prompts_->Notice(kNoMacroToRecord);
        return;
    }
    hook_.StartHook(this);
    actions_->SetSelectedRow(-1);
    actions_->SetFirstVisibleRow(0);
    SyncScrollBar(*actionBar_, *actions_);
    lockForRecording(true);
    Invalidate();
}

void CMacroManagerDlg::stopRecording() {
    hook_.StopHook();
    recorder_.stop();
    if (record_)
        record_->SetChecked(false);
    lockForRecording(false);
    SaveLibraryAside(library_, save_, [self = QPointer<CMacroManagerDlg>(this)](bool saved) {
        if (!self)
            return;
        self->saved_ = saved;
        // Once closed, the closing's newer save is the one that tells.
        if (!saved && !self->finished_)
            self->prompts_->Notice(-1, L"The macro library could not be written.");
    });
    Invalidate();
}

void CMacroManagerDlg::lockForRecording(bool locked) {
    for (const auto& control : Layer(0))
        if (control->Id() != Id::Record && control->Id() != Id::InsertMenu)
            control->SetLocked(locked);
    loopCount_->setEnabled(!locked);
    if (locked)
        loopCount_->clearFocus();
    else if (loopCount_->isVisible())
        loopCount_->setFocus();
}

void CMacroManagerDlg::onHookEvent(WParam code, LParam word) {
    const bool delays = delays_ && delays_->GetChecked();
    switch (recorder_.onKeyEvent(unsigned(code), std::uint32_t(word), delays)) {
    case RecordResult::Ignored:
        return;
    case RecordResult::Recorded:
        if (current_ && int(current_->MacroActionNum) > actions_->VisibleRows())
            actions_->SetFirstVisibleRow(int(current_->MacroActionNum) - actions_->VisibleRows());
        SyncScrollBar(*actionBar_, *actions_);
        Invalidate();
        return;
    case RecordResult::LimitReached:
        // The capture ends before the notice, or the keys that close it would be taken.
        stopRecording();
        prompts_->Notice(kRecordingFull);
        return;
    }
}

} // namespace ferrox
