// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/section_column.h"

#include <vector>

namespace ferrox {
namespace {

int IndexOf(Section section) {
    return static_cast<int>(section);
}

// The other sections, top to bottom.
std::vector<Section> OthersThan(Section opened) {
    std::vector<Section> others;
    for (const SectionInfo& info : kSections)
        if (info.section != opened)
            others.push_back(info.section);
    return others;
}

} // namespace

const SectionInfo& InfoOf(Section section) {
    return kSections[static_cast<std::size_t>(IndexOf(section))];
}

std::optional<Section> SectionOfHeader(int headerId) {
    for (const SectionInfo& info : kSections)
        if (info.headerId == headerId)
            return info.section;
    return std::nullopt;
}

OpenSections StartSections() {
    OpenSections open{};
    open[IndexOf(Section::Dpi)] = true;
    open[IndexOf(Section::Lighting)] = true;
    return open;
}

ColumnPlaces PlaceColumn(const OpenSections& open, bool hasLiftOff) {
    ColumnPlaces places{};
    int top = ColumnFirstTop;
    for (const SectionInfo& info : kSections) {
        SectionPlace& place = places[static_cast<std::size_t>(IndexOf(info.section))];
        place.headerShown = hasLiftOff || info.section != Section::LiftOff;
        place.headerTop = top;
        place.contentTop = top + HeaderHeight;
        if (!place.headerShown)
            continue;
        top += HeaderPitch;
        if (open[static_cast<std::size_t>(IndexOf(info.section))])
            top += info.frameHeight;
    }
    return places;
}

bool ColumnFits(const OpenSections& open, bool hasLiftOff) {
    const ColumnPlaces places = PlaceColumn(open, hasLiftOff);
    for (const SectionInfo& info : kSections) {
        const auto i = static_cast<std::size_t>(IndexOf(info.section));
        if (open[i] && places[i].headerShown &&
            places[i].contentTop + info.frameHeight > ColumnBottom)
            return false;
    }
    return true;
}

// The first open one of the three sections nearest the top (other than the one opened) stays
// open, and every other section below it closes.
OpenSections AfterOpening(OpenSections open, Section opened, bool hasLiftOff) {
    open = WithoutMissingLiftOff(open, hasLiftOff);
    const std::vector<Section> others = OthersThan(opened);
    for (std::size_t c = 0; c < 3; ++c) {
        if (!IsOpen(open, others[c]))
            continue;
        for (std::size_t later = c + 1; later < others.size(); ++later)
            open[static_cast<std::size_t>(IndexOf(others[later]))] = false;
        break;
    }
    // The closing rule alone lets three sections stay open (debounce and pointer settings,
    // then DPI); their frames would run past the bottom bar.
    for (auto lowest = others.rbegin(); lowest != others.rend(); ++lowest) {
        if (ColumnFits(open, hasLiftOff))
            break;
        open[static_cast<std::size_t>(IndexOf(*lowest))] = false;
    }
    return open;
}

OpenSections WithoutMissingLiftOff(OpenSections open, bool hasLiftOff) {
    if (!hasLiftOff)
        open[static_cast<std::size_t>(IndexOf(Section::LiftOff))] = false;
    return open;
}

} // namespace ferrox
