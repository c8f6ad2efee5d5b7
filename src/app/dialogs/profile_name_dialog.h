// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two dialogs that ask for a profile's name: one for a new profile, one to rename. Names
// hold no control characters and at most 32 characters; an empty (or blank) name is refused
// with a notice and the dialog stays open. The caller stores the name it returns.

#include "app/dialogs/attention_dlg.h"
#include "ui/dlg_base.h"

#include <QPointer>

#include <string>

namespace ferrox {


class ProfileNameDialog : public CDlgBase {
public:
    static constexpr int TitleId = 2012;
    static constexpr int EditId = 2017;
    static constexpr std::size_t MaxNameLength = 32;

    // The name in the field, once the dialog has ended with OK.
    const std::wstring& Name() const { return name_; }
    // The notice of an empty name, while it is open.
    CAttentionDlg* Notice() const { return notice_; }

protected:
    struct Layout {
        int titleText;
        int titleRight;
        int editLeft, editTop, editRight, editBottom;
    };
    ProfileNameDialog(const Layout& layout, std::wstring initial, QWidget* parent);

    void CreateControls(int left, int top, int right, int bottom) override;
    void OnOK() override;

private:
    Layout layout_;
    std::wstring name_;
    QPointer<CAttentionDlg> notice_;
};

class CAddProfileDlg : public ProfileNameDialog {
public:
    explicit CAddProfileDlg(QWidget* parent = nullptr);
};

class CEditProfileDlg : public ProfileNameDialog {
public:
    CEditProfileDlg(std::wstring current, QWidget* parent = nullptr);
};

// A name as the dialogs keep it: control characters removed, at most 32 characters.
std::wstring CleanProfileName(std::wstring_view typed);

} // namespace ferrox
