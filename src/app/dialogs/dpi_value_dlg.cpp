// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialogs/dpi_value_dlg.h"

#include "app/dialogs/common_frame.h"
#include "app/tool_tips.h"
#include "platform/virtual_keys.h"
#include "ui/control_factory.h"
#include "ui/dialog_rows.h"
#include "ui/slider_control.h"

#include <algorithm>
#include <limits>

namespace ferrox {

namespace {

using K = ControlKind;
using D = CDPIValueSettingDlg;
constexpr int kTitleText = 273;

// The slider's positions fill its whole width, one per table entry (set when built).
constexpr ControlSpec kControls[] = {
    {.id = D::TitleId, .kind = K::StaticText, .rect = {20, 3, 230, 27}, .textIndex = kTitleText,
     .format = DT_VCENTER | DT_SINGLELINE, .colour = look::HotText},
    CloseButton(D::CloseId, CommonFrame::Close),
    CancelButton(CommonFrame::LeftEnd),
    OkButton(CommonFrame::RightEnd),
    {D::MinimumId, K::StaticText, {0, 68, 60, 86}, {}, -1, {}, {},
     DT_RIGHT | DT_VCENTER | DT_SINGLELINE},
    {D::MaximumId, K::StaticText, {365, 68, 425, 86}, {}, -1, {}, {},
     DT_LEFT | DT_VCENTER | DT_SINGLELINE},
    {D::ValueId, K::StaticText, {0, 90, 429, 108}, {}, -1, {}, {}, CentredLine},
    {D::TrackId, K::StaticImage, {69, 72, 359, 75}, {"Slider_bar"}},
};

std::wstring DpiText(unsigned dpi) {
    return std::to_wstring(dpi);
}

} // namespace

unsigned long LeadingNumber(std::wstring_view text) {
    constexpr unsigned long kMax = std::numeric_limits<unsigned long>::max();
    unsigned long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            break;
        const unsigned long digit = static_cast<unsigned long>(c - L'0');
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

CDPIValueSettingDlg::CDPIValueSettingDlg(int startStep, const DpiStepTable& table,
                                         QWidget* parent)
    // Enter applies the typed value without ending.
    : CDlgBase(parent, CommonFrame::Described(kTitleText, DefaultKey::Capture, DefaultKey::EndCancel,
                                              "skins/Frame_DPI.bmp")),
      table_(table), step_(std::clamp(startStep, 0, std::max(0, int(table.count) - 1))) {
    bindMessage(SliderId, [this](WParam value, LParam code) {
        if (code == NotifyValueChanged)
            showStep(int(value));
        else if (code == NotifyClicked)
            if (auto* slider = FindControlAs<CSliderControl>(SliderId))
                showStep(slider->GetIndex());
        return 0;
    });
}

void CDPIValueSettingDlg::CreateControls(int, int, int, int) {
    AddControls(*this, kControls);
    ControlSpec slider{.id = SliderId, .kind = K::Slider, .rect = {69, 67, 359, 80},
                       .images = {"Slider_Circle"}, .positions = std::max(1, int(table_.count)),
                       .start = step_};
    AddControls(*this, std::span(&slider, 1));
    AddEditField(EditId, {165, 35, 265, 57})->SetFilter(DigitsOnly(9));
    if (table_.count > 0) {
        FindControl(MinimumId)->SetText(DpiText(dpiOf(0)));
        FindControl(MaximumId)->SetText(DpiText(dpiOf(int(table_.count) - 1)));
    }
    showStep(step_);
}

unsigned CDPIValueSettingDlg::dpiOf(int step) const {
    const auto entry = table_.At(std::size_t(std::max(step, 0)));
    return entry ? entry->Dpi() : 0;
}

void CDPIValueSettingDlg::showStep(int step) {
    if (table_.count == 0)
        return;
    step_ = std::clamp(step, 0, int(table_.count) - 1);
    const std::wstring text = DpiText(dpiOf(step_));
    if (auto* slider = FindControlAs<CSliderControl>(SliderId); slider && slider->GetIndex() != step_)
        slider->SetIndex(step_);
    if (auto* value = FindControl(ValueId))
        value->SetText(text);
    if (auto* edit = FindEditField(EditId))
        edit->SetText(text);
    Invalidate();
}

void CDPIValueSettingDlg::applyTyped() {
    const auto* edit = FindEditField(EditId);
    if (!edit || edit->GetText().empty())
        return;
    if (const auto step = table_.StepForDpi(LeadingNumber(edit->GetText())))
        showStep(*step);
}

bool CDPIValueSettingDlg::OnKeyDown(int key, bool) {
    switch (key) {
    case vk::Return:
        applyTyped();
        return true;
    case vk::Left:
        showStep(step_ - 1);
        return true;
    case vk::Right:
        showStep(step_ + 1);
        return true;
    default:
        return false;
    }
}

void CDPIValueSettingDlg::OnOK() {
    applyTyped();
    CDlgBase::OnOK();
}

} // namespace ferrox
