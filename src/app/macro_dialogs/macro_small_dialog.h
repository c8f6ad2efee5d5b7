// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame the macro manager's five small editors share: 319 × 102 on the warning frame, a
// title, close, OK and Cancel, and the value in a white box across the middle. OK writes the
// value through the editor's Confirm; close and Cancel change nothing.

#include "ui/dlg_base.h"

#include <string>

namespace ferrox {

class MacroSmallDialog : public CDlgBase {
public:
    static constexpr int DesignWidth = 319;
    static constexpr int DesignHeight = 102;
    static constexpr int TitleId = 2012;
    static constexpr int ValueId = 2012; // the key editor's value text (its title is 2013)
    static constexpr int KeyTitleId = 2013;
    static constexpr int EditId = 2017;
    static constexpr DesignRect ValueRect{11, 40, 306, 62};

    // The text of the value field (its edit, or the key editor's static text).
    std::wstring ValueText() const;

protected:
    // titleText: LanguageTable index. Enter confirms unless the editor captures keys; Escape
    // does nothing.
    MacroSmallDialog(int titleText, QWidget* parent, DefaultKey enter = DefaultKey::EndOk);

    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnOK() override;
    // The editor's own controls and the value field.
    virtual void CreateValueField() = 0;
    // Writes the value; false keeps the dialog open.
    virtual bool Confirm() = 0;
    // An edit field for the value, its text selected, with the focus.
    EditField* AddValueEdit(const std::wstring& text, EditFilter filter);
    // Keeps at most maxLength characters and warns when something other than a digit is typed
    // (the character stays; the value reads the leading digits).
    EditFilter DigitsWanted(std::size_t maxLength);
    // Editors show their value in a white box; a question has none.
    virtual bool HasValueBox() const { return true; }
    int TitleControlId() const { return titleId_; }
    void SetTitleControlId(int id) { titleId_ = id; }

private:
    int titleText_;
    int titleId_ = TitleId;
};

} // namespace ferrox
