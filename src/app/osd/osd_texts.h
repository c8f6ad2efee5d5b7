// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the on-screen display says after the mouse changed its DPI level or report rate, and
// where its DPI value sits. No Qt: the rules are tested alone.

#include "settings/dpi_table.h"
#include "settings/profile_settings.h"

#include <string>

namespace ferrox {

struct OsdTexts {
    std::wstring title; // "DPI-3": the active level, counted from 1
    std::wstring value; // its DPI; blank when the level's step lies outside the table
    std::wstring rate;  // "125Hz" .. "1000Hz"
    friend bool operator==(const OsdTexts&, const OsdTexts&) = default;
};

OsdTexts MakeOsdTexts(const ProfileSettings& profile, const DpiStepTable& steps);

// Left edge of the DPI value in design pixels: wider numbers start further left, and the
// Chinese face's digits are narrower.
int OsdValueLeft(std::size_t length, const std::wstring& face);
// Left edge of the rate: "1000Hz" starts a little further left than the shorter rates.
int OsdRateLeft(std::size_t length);

} // namespace ferrox
