// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A short progress animation shown after the mouse was told to do something that takes it a
// moment (a firmware reset): the bar fills in about half a second while the queued frames go
// out on the device worker, then the dialog ends by itself. It is driven by a timer of its own
// on the user-interface thread, and its length is measured on a clock, so a busy moment
// never stretches it.

#include "ui/dlg_base.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <string>

namespace ferrox {

class CProgressBarDlg : public CDlgBase {
public:
    static constexpr int TextId = 2012;
    static constexpr unsigned TickTimer = 1;
    static constexpr int TickMilliseconds = 10;
    // Full after 500 ms; the dialog ends 20 ms later.
    static constexpr std::int64_t FillMilliseconds = 500;
    static constexpr std::int64_t EndMilliseconds = 520;

    // Milliseconds on a steady clock; tests hand in their own.
    using Clock = std::function<std::int64_t()>;

    CProgressBarDlg(std::wstring text, QWidget* parent, Clock clock = {});

    // Starts the animation again from an empty bar, with this text.
    void Restart(std::wstring text);
    // 0..100.
    int Progress() const { return progress_; }

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;

private:
    void tick();
    QRect barRect(int progress) const;

    std::wstring text_;
    Clock clock_;
    std::int64_t startedAt_ = 0;
    int progress_ = 0;
    QImage filled_;
};

// Shows the progress animation over parent, or, while one is still running in `current`,
// restarts that one: there is never more than one, and never one that does not end.
CProgressBarDlg* ShowProgress(QPointer<CProgressBarDlg>& current, QWidget* parent,
                              std::wstring text, CProgressBarDlg::Clock clock = {});

} // namespace ferrox
