// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fire key dialog: two values for the repeated-click function, typed as decimal numbers.
// The first is 5..255, the second 0..255. A value out of range is corrected to 255 within a
// tenth of a second, with a notice; anything but digits entering a field (typed or pasted)
// gets a notice too, and a value counts only its leading digits. The range check pauses
// while a notice is open, so one bad value raises one notice.

#include "app/dialogs/key_choice.h"
#include "ui/dlg_base.h"

#include <QPointer>

namespace ferrox {

class CFireKeyDlg : public CDlgBase {
public:
    static constexpr int TextId = 2012;
    static constexpr int ExplanationId = 2013;
    static constexpr int FirstEditId = 2017;
    static constexpr int SecondEditId = 2018;
    static constexpr unsigned RangeTimer = 1; // 100 ms, repeating

    // The result goes to parent (message 0x427) when it is a window of the program.
    explicit CFireKeyDlg(QWidget* parent = nullptr);
    ~CFireKeyDlg() override;

    EditField* FirstEdit() const { return FindEditField(FirstEditId); }
    EditField* SecondEdit() const { return FindEditField(SecondEditId); }
    // The notice on screen now, if any.
    WindowBase* Notice() const { return notice_; }

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    void OnOK() override;

private:
    // Corrects one value out of range and tells the user; true when it did.
    bool checkRange();
    void edited(int editId);
    void showNotice(int textIndex);
    unsigned long value(int editId) const;

    KeyChoice choice_;
    std::wstring firstText_;
    std::wstring secondText_;
    QPointer<WindowBase> notice_;
};

} // namespace ferrox
