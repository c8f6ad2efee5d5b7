// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a dialog's controls from its layout tables. Images by kind:
//   buttons (check, radio, image, link, colour, combo): normal, over, down; with stripFrames,
//     images[0] is one strip of that many looks
//   tab: normal, over, selected, selected-over        power dial: 3 min, 4 min, ...
//   static image, slider: the image, the knob         level bars: empty bar, full bar
//   battery: fill, frame, charging fill, overlay
// A missing image file leaves that look empty, as every control does.

#include "ui/control_spec.h"

#include <span>
#include <vector>

namespace ferrox {

class CControlBase;
class CDlgBase;

struct ControlBindings {
    std::span<const RadioGroupEntry> radioGroups;
    std::span<const TabPageEntry> tabPages;
};

// The entry for id, or null.
const RadioGroupEntry* FindRadioGroup(std::span<const RadioGroupEntry> table, int id);
const TabPageEntry* FindTabPage(std::span<const TabPageEntry> table, int id);

// One control, not yet owned by any dialog.
std::unique_ptr<CControlBase> MakeControl(CDlgBase& dialog, const ControlSpec& row,
                                          const ControlBindings& bindings = {});

// Builds every control of the table into its layer, in table order; returns them in the same
// order.
std::vector<CControlBase*> AddControls(CDlgBase& dialog, std::span<const ControlSpec> rows,
                                       const ControlBindings& bindings = {});

} // namespace ferrox
