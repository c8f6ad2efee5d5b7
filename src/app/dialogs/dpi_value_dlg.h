// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DPI value editor of one DPI level: a slider over every entry of the DPI step table, an
// edit field for a typed value and the chosen DPI. It edits a step index; the caller stores it
// when the dialog ends with OK.

#include "settings/dpi_table.h"
#include "ui/dlg_base.h"

#include <string_view>

namespace ferrox {

class CDPIValueSettingDlg : public CDlgBase {
public:
    static constexpr int TitleId = 2012;
    static constexpr int ValueId = 2013;
    static constexpr int MinimumId = 2014;
    static constexpr int MaximumId = 2015;
    static constexpr int EditId = 2017;
    static constexpr int TrackId = 2020;
    static constexpr int SliderId = 2021;

    // Refuses nothing itself: callers open it only on a table with entries. A start beyond the
    // table begins at its last entry.
    CDPIValueSettingDlg(int startStep, const DpiStepTable& table, QWidget* parent = nullptr);

    int Step() const { return step_; }

protected:
    void CreateControls(int left, int top, int right, int bottom) override;
    bool OnKeyDown(int key, bool autoRepeat) override;
    void OnOK() override;

private:
    void showStep(int step);
    void applyTyped();
    unsigned dpiOf(int step) const;

    const DpiStepTable& table_;
    int step_ = 0;
};

// The number at the start of typed text; digits past the range of unsigned long saturate.
unsigned long LeadingNumber(std::wstring_view text);

} // namespace ferrox
