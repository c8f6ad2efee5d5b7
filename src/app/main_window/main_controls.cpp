// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window's controls reach their handlers, and what every handler shares: the
// apply request, drags that apply on release, the attention notice.

#include "app/main_window/ferrox_dlg.h"
#include "app/main_window/main_window_parts.h"
#include "app/dialogs/attention_dlg.h"
#include "app/profile_bar_window.h"
#include "ui/combo_button.h"
#include "ui/menu_popup.h"
#include "ui/ui_scale.h"
#include "device/protocol/sync_controller.h"
#include "lang/language_table.h"

namespace ferrox {

void CFerroxDlg::bindControlHandlers() {
    for (WindowPart* part : parts_->All())
        part->Bind();
}

void CFerroxDlg::onControl(int id, std::function<void(LParam, WParam)> handler) {
    bindMessage(unsigned(id), [handler = std::move(handler)](WParam wParam, LParam code) {
        handler(code, wParam);
        return LResult(0);
    });
}

void CFerroxDlg::scheduleApply(unsigned groups) {
    sliderDragged_ = false;
    groups |= dragGroups_;
    dragGroups_ = 0;
    if (groups)
        sync().RequestApply(groups);
}

void CFerroxDlg::noteDrag(unsigned groups) {
    sliderDragged_ = true;
    dragGroups_ |= groups;
}

void CFerroxDlg::showAttention(int textIndex, const char* english) {
    const std::wstring text = textIndex >= 0 ? LanguageText(textIndex) : std::wstring();
    const std::wstring message = text.empty() ? QString::fromUtf8(english).toStdWString() : text;
    attention_ = CAttentionDlg::ShowNotice(this, message, CAttentionDlg::Mode::Modal);
}

// A drag may end anywhere, even outside the window: its changes go to the mouse once, with the
// release, or with the first move after it.
void CFerroxDlg::OnLButtonUp(int x, int y) {
    CDlgBase::OnLButtonUp(x, y);
    parts_->lighting.ButtonReleased();
    if (dragGroups_)
        scheduleApply(0);
}

void CFerroxDlg::OnMouseMove(int x, int y) {
    CDlgBase::OnMouseMove(x, y);
    if (dragGroups_ && !ButtonHeld())
        scheduleApply(0);
}

void CFerroxDlg::OnLButtonDblClk(int x, int y) {
    parts_->lighting.DoubleClickStarted();
    CDlgBase::OnLButtonDblClk(x, y);
}

} // namespace ferrox
