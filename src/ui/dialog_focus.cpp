// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialog_focus.h"

#include "base/app_globals.h"
#include "platform/virtual_keys.h"
#include "ui/control_accessibility.h"
#include "ui/dlg_base.h"
#include "ui/focus_order.h"
#include "ui/look_colours.h"
#include "ui/radio_button.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ferrox {

namespace {

int Scaled(double design) {
    return std::max(1, int(std::lround(design * UiScale)));
}

bool IsArrow(int key) {
    return key == vk::Left || key == vk::Right || key == vk::Up || key == vk::Down;
}

} // namespace

QRect DialogFocus::RingRect(const QRect& bounds) {
    const int out = Scaled(2);
    return bounds.adjusted(-out, -out, out, out);
}

bool DialogFocus::isStop(const CControlBase* control) const {
    if (!control || !control->IsDisplayed() || control->Locked() || !control->TakesFocus())
        return false;
    for (int layer = 0; layer < CDlgBase::ControlLayerCount; ++layer)
        for (const auto& owned : dialog_.Layer(layer))
            if (owned.get() == control)
                return true;
    return false;
}

std::vector<DialogFocus::Stop> DialogFocus::Chain() const {
    std::vector<Stop> stops;
    for (int layer = 0; layer < CDlgBase::ControlLayerCount; ++layer)
        for (const auto& control : dialog_.Layer(layer))
            if (control->IsDisplayed() && !control->Locked() && control->TakesFocus())
                stops.push_back({control.get(), nullptr, control->GetBounds()});
    for (EditField* field : dialog_.EditFields())
        if (field->isVisibleTo(&dialog_) && field->isEnabled())
            stops.push_back({nullptr, field, field->geometry()});
    std::vector<QRect> rects;
    rects.reserve(stops.size());
    for (const Stop& stop : stops)
        rects.push_back(stop.rect);
    std::vector<Stop> ordered;
    ordered.reserve(stops.size());
    // Panels of the window stand at least this far apart; controls within a panel closer.
    for (std::size_t i : ReadingOrder(rects, Scaled(24)))
        ordered.push_back(stops[i]);
    return ordered;
}

CControlBase* DialogFocus::Focused() const {
    // An edit field that has the keyboard keeps it: keys it does not use must not reach a
    // control it left behind.
    if (const QWidget* widget = dialog_.focusWidget(); widget && widget != &dialog_)
        return nullptr;
    return isStop(focused_) ? focused_ : nullptr;
}

bool DialogFocus::Move(bool forward) {
    const std::vector<Stop> chain = Chain();
    if (chain.empty())
        return false;
    const QWidget* widget = dialog_.focusWidget();
    const CControlBase* current = Focused();
    auto here = std::find_if(chain.begin(), chain.end(), [&](const Stop& stop) {
        return current ? stop.control == current
                       : (stop.field && static_cast<const QWidget*>(stop.field) == widget);
    });
    const auto count = std::ptrdiff_t(chain.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (here != chain.end())
        next = ((here - chain.begin()) + (forward ? 1 : count - 1)) % count;
    const Stop& stop = chain[std::size_t(next)];
    if (stop.field)
        focusField(stop.field, forward);
    else
        focus(stop.control, true);
    return true;
}

void DialogFocus::focusField(EditField* field, bool forward) {
    repaintRing(focused_);
    focused_ = nullptr;
    field->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void DialogFocus::focus(CControlBase* control, bool ring) {
    repaintRing(focused_);
    focused_ = control;
    ring_ = ring;
    if (dialog_.focusWidget() != &dialog_)
        dialog_.setFocus(ring ? Qt::TabFocusReason : Qt::MouseFocusReason);
    repaintRing(focused_);
    AnnounceFocus(dialog_, control);
}

void DialogFocus::PointerPressed(CControlBase* control) {
    const QWidget* widget = dialog_.focusWidget();
    if (!isStop(control) || (widget && widget != &dialog_))
        return;
    repaintRing(focused_);
    focused_ = control;
    ring_ = false;
}

bool DialogFocus::TakesEnter() const {
    const CControlBase* control = Focused();
    return control && control->PressesOnEnter();
}

bool DialogFocus::KeyDown(int key) {
    CControlBase* control = Focused();
    if (!control)
        return false;
    if (IsArrow(key) && moveInGroup(control, key == vk::Left || key == vk::Up ? -1 : 1))
        return true;
    return Act(control, key);
}

bool DialogFocus::Act(CControlBase* control, int key) {
    if (!isStop(control))
        return false;
    if (key == vk::Space || key == vk::Return)
        dialog_.SetActiveControl(control);
    if (!control->OnKeyDown(key))
        return false;
    // Pressed from the keyboard, it must not keep the pointer's look; the pointer's own control
    // keeps it. The handler may have switched pages or ended the dialog: controls live on.
    if (control != dialog_.HotControl())
        control->OnMouseMove(-1, -1);
    repaintRing(control);
    AnnounceChange(dialog_, control);
    return true;
}

bool DialogFocus::FocusControl(CControlBase* control) {
    if (!isStop(control))
        return false;
    focus(control, true);
    return true;
}

bool DialogFocus::moveInGroup(CControlBase* control, int step) {
    const auto* radio = dynamic_cast<const CRadioButton*>(control);
    if (!radio || radio->Group() == 0)
        return false;
    std::vector<CControlBase*> group;
    for (const Stop& stop : Chain())
        if (const auto* other = dynamic_cast<const CRadioButton*>(stop.control);
            other && other->Group() == radio->Group())
            group.push_back(stop.control);
    const auto here = std::find(group.begin(), group.end(), control);
    if (here == group.end())
        return false;
    const auto count = std::ptrdiff_t(group.size());
    CControlBase* target = group[std::size_t(((here - group.begin()) + step + count) % count)];
    focus(target, true);
    Act(target, vk::Space);
    return true;
}

void DialogFocus::repaintRing(const CControlBase* control) {
    if (control)
        dialog_.InvalidateRect(RingRect(control->GetBounds()));
}

void DialogFocus::DrawRing(Canvas& canvas) const {
    if (!RingShown())
        return;
    QPainter& painter = canvas.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = Scaled(1);
    QPen pen(ToQColor(look::Accent), width);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen sits inside the ring's rectangle, on whole pixels.
    const QRectF ring = QRectF(RingRect(focused_->GetBounds()))
                            .adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0);
    const double radius = 3 * UiScale;
    painter.drawRoundedRect(ring, radius, radius);
    painter.restore();
}

} // namespace ferrox
