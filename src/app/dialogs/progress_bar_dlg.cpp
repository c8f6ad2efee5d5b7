// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/progress_bar_dlg.h"

#include "app/dialogs/common_frame.h"
#include "ui/control_factory.h"
#include "ui/skin_images.h"
#include "ui/ui_scale.h"

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

namespace ferrox {
namespace {

// The bar inside the frame images, in design units.
constexpr int BarTop = 66;
constexpr int BarHeight = 12;

constexpr ControlSpec kControls[] = {
    {.id = CProgressBarDlg::TextId,
     .kind = ControlKind::StaticText,
     .rect = {10, 3, 164, 23},
     .colour = 0xBEBEBE},
};

CProgressBarDlg::Clock SteadyClock() {
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    return [timer] { return static_cast<std::int64_t>(timer->elapsed()); };
}

} // namespace

CProgressBarDlg::CProgressBarDlg(std::wstring text, QWidget* parent, Clock clock)
    : CDlgBase(parent, {.width = CommonFrame::Width, .height = CommonFrame::Height,
                        .skin = "skins/Frame_progress_nr.bmp", .ends = EndButtons::None}),
      text_(std::move(text)), clock_(clock ? std::move(clock) : SteadyClock()) {
    bindTimer(TickTimer, [this] { tick(); });
}

bool CProgressBarDlg::OnInitDialog() {
    CDlgBase::OnInitDialog();
    filled_ = ferrox::LoadFrameImage("skins/Frame_progress_ov.bmp");
    Restart(text_);
    return true;
}

void CProgressBarDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
}

void CProgressBarDlg::Restart(std::wstring text) {
    text_ = std::move(text);
    if (CControlBase* line = FindControl(TextId))
        line->SetText(text_);
    startedAt_ = clock_();
    progress_ = 0;
    Invalidate();
    SetTimer(TickTimer, TickMilliseconds);
}

void CProgressBarDlg::tick() {
    const std::int64_t elapsed = std::max<std::int64_t>(0, clock_() - startedAt_);
    if (elapsed >= EndMilliseconds) {
        KillTimer(TickTimer);
        filled_ = QImage();
        EndSkinnedDialog(IDOK);
        return;
    }
    // Steps of 2 %, as the animation was always drawn.
    const auto steps = std::min<std::int64_t>(50, elapsed * 50 / FillMilliseconds);
    const int progress = static_cast<int>(steps) * 2;
    if (progress == progress_)
        return;
    progress_ = progress;
    InvalidateRect(barRect(100));
}

QRect CProgressBarDlg::barRect(int progress) const {
    return QRect(0, Scaled(BarTop), Scaled(progress * CommonFrame::Width / 100), Scaled(BarHeight));
}

void CProgressBarDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    DrawBackground(canvas, clientRect);
    const int width = progress_ * CommonFrame::Width / 100;
    canvas.DrawImage(filled_, QRect(0, BarTop, width, BarHeight), barRect(progress_));
    DrawControls(canvas, clientRect);
}

CProgressBarDlg* ShowProgress(QPointer<CProgressBarDlg>& current, QWidget* parent,
                              std::wstring text, CProgressBarDlg::Clock clock) {
    if (current && !current->IsEnded()) {
        current->Restart(std::move(text));
        return current;
    }
    auto* dialog = new CProgressBarDlg(std::move(text), parent, std::move(clock));
    dialog->SetDeleteWhenEnded(true);
    current = dialog;
    dialog->Create();
    return dialog;
}

} // namespace ferrox
