// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/osd/osd_texts.h"

#include "buttons/key_labels.h"
#include "settings/dpi_levels.h"

#include <algorithm>
#include <array>

namespace ferrox {
namespace {

constexpr const wchar_t* kChineseFace = L"宋体";

struct ValueLeft {
    std::size_t length;
    int chineseFace;
    int otherFace;
};
constexpr std::array kValueLefts = {ValueLeft{5, 34, 16}, ValueLeft{4, 44, 34}};
constexpr int kDefaultValueLeft = 50;

} // namespace

OsdTexts MakeOsdTexts(const ProfileSettings& profile, const DpiStepTable& steps) {
    OsdTexts texts;
    // A position no enabled level has (a damaged profile) shows the first level, as the
    // mouse's own cycle would start there.
    const int level = ActiveDpiLevel(profile).value_or(DpiLevelAtPosition(profile.dpiEnableMask, 0).value_or(0));
    texts.title = L"DPI-" + std::to_wstring(level + 1);
    if (const std::optional<DpiStep> step = steps.At(profile.dpiStep[std::size_t(level)]))
        texts.value = std::to_wstring(step->Dpi());
    const unsigned rate = profile.reportRate.rate;
    texts.rate = ReportRateLabels[std::min<std::size_t>(rate, ReportRateLabels.size() - 1)];
    return texts;
}

int OsdValueLeft(std::size_t length, const std::wstring& face) {
    for (const ValueLeft& left : kValueLefts)
        if (left.length == length)
            return face == kChineseFace ? left.chineseFace : left.otherFace;
    return kDefaultValueLeft;
}

int OsdRateLeft(std::size_t length) {
    return length == 6 ? 50 : 57;
}

} // namespace ferrox
