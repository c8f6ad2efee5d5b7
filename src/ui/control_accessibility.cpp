// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/control_accessibility.h"

#include "base/app_globals.h"
#include "lang/language_table.h"
#include "platform/virtual_keys.h"
#include "ui/battery.h"
#include "ui/check_button.h"
#include "ui/color_select_button.h"
#include "ui/combo_button.h"
#include "ui/dlg_base.h"
#include "ui/image_button.h"
#include "ui/level_bar_controls.h"
#include "ui/power_manage_button.h"
#include "ui/radio_button.h"
#include "ui/show_list_base.h"
#include "ui/slider_control.h"
#include "ui/static_controls.h"
#include "ui/tab_control.h"
#include "ui/vscroll_bar.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <map>
#include <optional>

namespace ferrox {

namespace {

// Names of controls that show neither a text nor a tip and have no label beside them.
constexpr int CloseName = 330;
constexpr int ButtonName = 331;
constexpr int CheckName = 332;
constexpr int OptionName = 333;
constexpr int SliderName = 334;
constexpr int LevelName = 335;
constexpr int ListName = 336;
constexpr int ColourName = 337;
constexpr int ScrollName = 339;
constexpr int BatteryName = 15; // the battery panel's own title
constexpr int NoName = -1;

struct Kind {
    QAccessible::Role role;
    int name;             // LanguageTable text used when nothing else names the control
    bool ownName = false; // that text names it better than a label beside it would
};

Kind KindOf(const CControlBase& control) {
    const CControlBase* c = &control;
    if (dynamic_cast<const CCheckButton*>(c))
        return {QAccessible::CheckBox, CheckName};
    if (dynamic_cast<const CRadioButton*>(c))
        return {QAccessible::RadioButton, OptionName};
    if (dynamic_cast<const CComboButton*>(c))
        return {QAccessible::ComboBox, ButtonName};
    if (dynamic_cast<const CTabControl*>(c))
        return {QAccessible::PageTab, ButtonName};
    if (dynamic_cast<const CLinkButton*>(c))
        return {QAccessible::Link, ButtonName};
    if (dynamic_cast<const CPowerManageButton*>(c))
        return {QAccessible::Dial, SliderName};
    if (dynamic_cast<const CColorSelectButton*>(c))
        return {QAccessible::Button, ColourName};
    if (dynamic_cast<const ButtonBase*>(c))
        return {QAccessible::Button, ButtonName};
    if (dynamic_cast<const CSliderControl*>(c))
        return {QAccessible::Slider, SliderName};
    if (dynamic_cast<const CVerticalSliderControl*>(c))
        return {QAccessible::Slider, LevelName};
    if (dynamic_cast<const CDPIValueShowControl*>(c))
        return {QAccessible::ProgressBar, LevelName};
    if (dynamic_cast<const CBattery*>(c))
        return {QAccessible::ProgressBar, BatteryName, true};
    if (dynamic_cast<const ShowListBase*>(c))
        return {QAccessible::List, ListName};
    if (dynamic_cast<const CVScrollBar*>(c))
        return {QAccessible::ScrollBar, ScrollName};
    if (dynamic_cast<const CStaticText*>(c))
        return {QAccessible::StaticText, NoName};
    return {QAccessible::Graphic, NoName};
}

struct Range {
    int minimum;
    int maximum;
    int value;
};

std::optional<Range> RangeOf(const CControlBase& control) {
    const CControlBase* c = &control;
    if (const auto* slider = dynamic_cast<const CSliderControl*>(c))
        return Range{0, slider->PositionCount() - 1, slider->GetIndex()};
    if (const auto* level = dynamic_cast<const CDPIValueShowControl*>(c))
        return Range{0, level->LevelCount() - 1, level->GetValue()};
    if (const auto* battery = dynamic_cast<const CBattery*>(c))
        return Range{0, 100, battery->GetLevel()};
    if (const auto* dial = dynamic_cast<const CPowerManageButton*>(c))
        return Range{CPowerManageButton::FirstRegionSegment, CPowerManageButton::SegmentCount,
                     dial->GetSegment()};
    if (const auto* bar = dynamic_cast<const CVScrollBar*>(c)) {
        const ScrollPosition p = bar->GetPosition();
        return Range{0, std::max(0, p.total - p.page), p.position};
    }
    return std::nullopt;
}

bool IsBlank(const std::wstring& text) {
    return text.find_first_not_of(L" \t\r\n") == std::wstring::npos;
}

// The label a control without words of its own is read by: the nearest text on its row just
// beside it, else the nearest just above it (a form reads along its rows first).
std::wstring LabelBeside(const CDlgBase& dialog, const QRect& bounds) {
    const int rowReach = int(40 * UiScale);
    const int aboveReach = int(30 * UiScale);
    // Gaps on the row rank before every gap above.
    const int aboveRank = rowReach;
    std::wstring best;
    int bestRank = rowReach + aboveReach;
    for (int layer = 0; layer < CDlgBase::ControlLayerCount; ++layer)
        for (const auto& control : dialog.Layer(layer)) {
            if (!control->IsDisplayed() || !dynamic_cast<const CStaticText*>(control.get()) ||
                IsBlank(control->GetText()))
                continue;
            const QRect label = control->GetBounds();
            int rank = bestRank;
            if (label.top() < bounds.bottom() && bounds.top() < label.bottom()) {
                const int side =
                    std::max(label.left() - bounds.right(), bounds.left() - label.right());
                if (side >= 0 && side < rowReach)
                    rank = side;
            } else if (label.left() < bounds.right() && bounds.left() < label.right()) {
                const int above = bounds.top() - label.bottom();
                if (above >= 0 && above < aboveReach)
                    rank = aboveRank + above;
            }
            if (rank < bestRank) {
                bestRank = rank;
                best = control->GetText();
            }
        }
    return best;
}

QString NameOf(const CDlgBase& dialog, const CControlBase& control) {
    if (!IsBlank(control.GetText()))
        return QString::fromStdWString(control.GetText()).simplified();
    if (!IsBlank(control.Tip()))
        return QString::fromStdWString(control.Tip());
    const Kind kind = KindOf(control);
    if (kind.ownName)
        return QString::fromStdWString(LanguageText(kind.name));
    if (const std::wstring label = LabelBeside(dialog, control.GetBounds()); !label.empty())
        return QString::fromStdWString(label).simplified();
    if (control.Id() == CDlgBase::CloseId)
        return QString::fromStdWString(LanguageText(CloseName));
    return kind.name == NoName ? QString() : QString::fromStdWString(LanguageText(kind.name));
}

// A control worth reading: one the user can act on, one that shows a value, or one with words
// of its own. A picture that only a label beside it names is decoration.
bool Exposed(const CControlBase& control) {
    if (!control.IsDisplayed())
        return false;
    return control.TakesFocus() || RangeOf(control) || !IsBlank(control.GetText()) ||
           !IsBlank(control.Tip());
}

void Perform(CDlgBase& dialog, CControlBase* control, const QString& action) {
    using Actions = QAccessibleActionInterface;
    if (action == Actions::setFocusAction())
        dialog.Focus().FocusControl(control);
    else if (action == Actions::increaseAction())
        dialog.Focus().Act(control, vk::Up);
    else if (action == Actions::decreaseAction())
        dialog.Focus().Act(control, vk::Down);
    else
        dialog.Focus().Act(control, vk::Space);
}

class ControlAccessible : public QAccessibleInterface,
                          public QAccessibleActionInterface,
                          public QAccessibleValueInterface {
public:
    ControlAccessible(CDlgBase& dialog, CControlBase& control)
        : dialog_(dialog), control_(control) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return dialog_.windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&dialog_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return NameOf(dialog_, control_);
        case QAccessible::Description:
            return IsBlank(control_.GetText()) ? QString()
                                               : QString::fromStdWString(control_.Tip());
        case QAccessible::Value:
            if (const auto range = RangeOf(control_))
                return QString::number(range->value);
            return role() == QAccessible::ComboBox ? QString::fromStdWString(control_.GetText())
                                                   : QString();
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const QRect bounds = control_.GetBounds();
        return QRect(dialog_.mapToGlobal(bounds.topLeft()), bounds.size());
    }
    QAccessible::Role role() const override { return KindOf(control_).role; }

    QAccessible::State state() const override {
        QAccessible::State s;
        const auto* combo = dynamic_cast<const CComboButton*>(&control_);
        s.invisible = !control_.IsDisplayed();
        s.disabled = control_.Locked() || (combo && combo->DisabledLook());
        s.focusable = control_.TakesFocus() && !s.disabled;
        s.focused = dialog_.Focus().Focused() == &control_;
        if (combo) {
            s.hasPopup = true;
            s.expanded = combo->PopupOpen();
            s.collapsed = !combo->PopupOpen();
        }
        if (const auto* check = dynamic_cast<const CCheckButton*>(&control_)) {
            s.checkable = true;
            s.checked = check->GetChecked();
        } else if (const auto* radio = dynamic_cast<const CRadioButton*>(&control_)) {
            s.checkable = true;
            s.checked = radio->IsSelected();
        } else if (const auto* tab = dynamic_cast<const CTabControl*>(&control_)) {
            s.selectable = true;
            s.selected = tab->IsSelected();
        }
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::ValueInterface && RangeOf(control_))
            return static_cast<QAccessibleValueInterface*>(this);
        return nullptr;
    }

    // --- actions ---
    QStringList actionNames() const override {
        QStringList names;
        if (!control_.TakesFocus() || control_.Locked())
            return names;
        const bool adjustable = RangeOf(control_).has_value();
        if (dynamic_cast<const CCheckButton*>(&control_))
            names << toggleAction();
        else if (!adjustable || dynamic_cast<const CVerticalSliderControl*>(&control_))
            names << pressAction();
        if (adjustable)
            names << increaseAction() << decreaseAction();
        names << setFocusAction();
        return names;
    }
    void doAction(const QString& name) override {
        if (!actionNames().contains(name))
            return;
        // From the event loop: a dialog the action opens runs a loop of its own, and the
        // screen reader's call must not wait until that dialog closes.
        CDlgBase* dialog = &dialog_;
        CControlBase* control = &control_;
        dialog_.PostTask([dialog, control, name] { Perform(*dialog, control, name); });
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // --- value ---
    QVariant currentValue() const override {
        const auto range = RangeOf(control_);
        return range ? QVariant(range->value) : QVariant();
    }
    // Stepped as the keys step, so the window hears of every stop as it would from them.
    void setCurrentValue(const QVariant& value) override {
        if (!control_.TakesFocus() || control_.Locked())
            return;
        for (auto range = RangeOf(control_); range && range->value != value.toInt();) {
            const int before = range->value;
            dialog_.Focus().Act(&control_, range->value < value.toInt() ? vk::Up : vk::Down);
            range = RangeOf(control_);
            if (!range || range->value == before)
                break;
        }
    }
    QVariant maximumValue() const override {
        const auto range = RangeOf(control_);
        return range ? QVariant(range->maximum) : QVariant();
    }
    QVariant minimumValue() const override {
        const auto range = RangeOf(control_);
        return range ? QVariant(range->minimum) : QVariant();
    }
    QVariant minimumStepSize() const override { return 1; }

private:
    CDlgBase& dialog_;
    CControlBase& control_;
};

// Interfaces of drawn controls have no object of their own for Qt to watch, so they are kept
// here per window and dropped with it.
std::map<const CDlgBase*, std::map<const CControlBase*, QAccessible::Id>>& Registered() {
    static std::map<const CDlgBase*, std::map<const CControlBase*, QAccessible::Id>> registered;
    return registered;
}

std::vector<CControlBase*> ExposedControls(const CDlgBase& dialog) {
    std::vector<CControlBase*> controls;
    for (int layer = 0; layer < CDlgBase::ControlLayerCount; ++layer)
        for (const auto& control : dialog.Layer(layer))
            if (Exposed(*control))
                controls.push_back(control.get());
    return controls;
}

class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(CDlgBase* dialog)
        : QAccessibleWidget(dialog, dialog->parentWidget() ? QAccessible::Dialog
                                                           : QAccessible::Window),
          dialog_(*dialog) {}

    int childCount() const override {
        return QAccessibleWidget::childCount() + int(ExposedControls(dialog_).size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const auto controls = ExposedControls(dialog_);
        const auto at = std::size_t(index - widgets);
        return at < controls.size() ? ControlInterface(dialog_, controls[at]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || child->object())
            return QAccessibleWidget::indexOfChild(child);
        const auto controls = ExposedControls(dialog_);
        for (std::size_t i = 0; i < controls.size(); ++i)
            if (ControlInterface(dialog_, controls[i]) == child)
                return QAccessibleWidget::childCount() + int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = dialog_.mapFromGlobal(QPoint(x, y));
        CControlBase* found = nullptr;
        for (CControlBase* control : ExposedControls(dialog_))
            if (control->Contains(local.x(), local.y()))
                found = control; // drawn last, on top
        return found ? ControlInterface(dialog_, found) : QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override {
        if (CControlBase* focused = dialog_.Focus().Focused())
            return ControlInterface(dialog_, focused);
        return QAccessibleWidget::focusChild();
    }

private:
    CDlgBase& dialog_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* dialog = dynamic_cast<CDlgBase*>(object))
        return new DialogAccessible(dialog);
    return nullptr;
}

} // namespace

void InstallControlAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* ControlInterface(CDlgBase& dialog, CControlBase* control) {
    if (!control || !Exposed(*control))
        return nullptr;
    auto& ids = Registered()[&dialog];
    if (const auto known = ids.find(control); known != ids.end())
        return QAccessible::accessibleInterface(known->second);
    auto* made = new ControlAccessible(dialog, *control);
    ids[control] = QAccessible::registerAccessibleInterface(made);
    return made;
}

void ForgetControlInterfaces(const CDlgBase& dialog) {
    const auto found = Registered().find(&dialog);
    if (found == Registered().end())
        return;
    const auto ids = std::move(found->second);
    Registered().erase(found);
    for (const auto& [control, id] : ids)
        QAccessible::deleteAccessibleInterface(id);
}

void AnnounceFocus(CDlgBase& dialog, CControlBase* control) {
    if (!QAccessible::isActive())
        return;
    if (QAccessibleInterface* iface = ControlInterface(dialog, control)) {
        QAccessibleEvent event(iface, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void AnnounceChange(CDlgBase& dialog, CControlBase* control) {
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* iface = ControlInterface(dialog, control);
    if (!iface)
        return;
    if (const auto range = RangeOf(*control)) {
        QAccessibleValueChangeEvent event(iface, range->value);
        QAccessible::updateAccessibility(&event);
        return;
    }
    QAccessible::State changed;
    changed.checked = iface->state().checkable;
    changed.expanded = iface->state().hasPopup;
    QAccessibleStateChangeEvent event(iface, changed);
    QAccessible::updateAccessibility(&event);
}

void NameEditFields(CDlgBase& dialog) {
    for (EditField* field : dialog.EditFields()) {
        if (!field->accessibleName().isEmpty())
            continue;
        const std::wstring label = LabelBeside(dialog, field->geometry());
        field->setAccessibleName(label.empty() ? dialog.windowTitle()
                                               : QString::fromStdWString(label).simplified());
    }
}

} // namespace ferrox
