// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers see of a drawn window. Its drawn controls are not widgets, so Qt knows
// nothing of them: the window's accessible interface lists them as children, each with a
// role, a name (its text, its tip, the label beside it, or what kind of control it is), its
// value and states, and the actions press, toggle, increase and decrease.

class QAccessibleInterface;

namespace ferrox {

class CControlBase;
class CDlgBase;

// Once per process; later calls do nothing.
void InstallControlAccessibility();

// The interface of one of the dialog's controls; null when it has none (a picture that only
// decorates, a label without text, a control that is not shown).
QAccessibleInterface* ControlInterface(CDlgBase& dialog, CControlBase* control);

// Drops the interfaces of the dialog's controls; the dialog calls it before they go.
void ForgetControlInterfaces(const CDlgBase& dialog);

// Tell a screen reader, if one listens, that the keyboard moved to the control, or that the
// control's value or state changed.
void AnnounceFocus(CDlgBase& dialog, CControlBase* control);
void AnnounceChange(CDlgBase& dialog, CControlBase* control);

// Gives each edit field without a name of its own the label beside it, else the window's
// title.
void NameEditFields(CDlgBase& dialog);

} // namespace ferrox
