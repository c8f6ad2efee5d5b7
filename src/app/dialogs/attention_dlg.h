// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attention notice: one message and an OK button on the warning frame. Refusals and
// warnings show it modal over their window; the start-up notices show it modeless and on top
// of other windows, so the user can still reach the main window behind it.

#include "ui/dlg_base.h"

#include <string>

namespace ferrox {

class CAttentionDlg : public CDlgBase {
public:
    static constexpr int DesignWidth = 319;
    static constexpr int DesignHeight = 102;
    static constexpr int MessageId = 2013;
    // The LanguageTable text every notice of the program is titled with; the language loader
    // gives it in English where a language file lacks it.
    static constexpr int NoticeTitleText = 150;

    enum class Mode { Modal, ModelessTopMost };

    // The title names the window to the desktop (task switchers, screen readers); the frame
    // shows only the message.
    CAttentionDlg(std::wstring title, std::wstring message, QWidget* parent,
                  Mode mode = Mode::Modal);

    // Shows a notice at once without waiting for it; it deletes itself when it ends. Modal
    // blocks the other windows of the program until the notice is closed.
    static CAttentionDlg* Show(QWidget* parent, std::wstring title, std::wstring message,
                               Mode mode);
    // A notice of the program: Show under the notice title.
    static CAttentionDlg* ShowNotice(QWidget* parent, std::wstring message,
                                     Mode mode = Mode::Modal);

    const std::wstring& Message() const { return message_; }
    Mode GetMode() const { return mode_; }

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;

private:
    std::wstring title_;
    std::wstring message_;
    Mode mode_;
};

} // namespace ferrox
