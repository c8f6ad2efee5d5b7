// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Short label lists shown by the function menus.

#include <array>
#include <string_view>

namespace ferrox {

// Index = report-rate index 0..3.
inline constexpr std::array<std::wstring_view, 4> ReportRateLabels = {L"125Hz", L"250Hz", L"500Hz",
                                                                      L"1000Hz"};

// Index = DpiLock param1 - 1.
inline constexpr std::array<std::wstring_view, 11> DpiLockLabels = {
    L"200", L"300", L"400", L"500", L"600", L"700", L"800", L"900", L"1000", L"1100", L"1200"};

} // namespace ferrox
