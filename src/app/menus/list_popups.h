// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's lists and its profile context menu: the report-rate list, the
// lighting-mode list and the menu of a profile tab. Each gives only its rows; the menu base
// draws, highlights and reports them.

#include "ui/menu_popup.h"

namespace ferrox {

namespace ListMessage {
inline constexpr unsigned ReportRateResult = 0x46F; // 1135
inline constexpr unsigned LightingResult = 0x479;   // 1145
} // namespace ListMessage

// "125Hz".."1000Hz"; the code's byte 0 is the rate index 0..3.
class CComboPollingRatePopup : public MenuPopup {
public:
    CComboPollingRatePopup();
};

// The lighting modes the mouse offers; the code's byte 0 is the mode (the last row, "off",
// is mode 0).
class CComboLightingPopup : public MenuPopup {
public:
    CComboLightingPopup();
};

// Import, export, rename, remove from the bar; the code's byte 0 is 0..3 in that order.
class CProfileRKeyPopup : public MenuPopup {
public:
    CProfileRKeyPopup();
};

} // namespace ferrox
