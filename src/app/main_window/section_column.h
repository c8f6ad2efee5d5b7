// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's right column: six collapsible sections under their headers. Which sections
// are open decides where every header and section sits; opening one closes others so the
// column stays inside the window. Plain rules on plain data, so they are tested without a
// window.

#include <array>
#include <optional>

namespace ferrox {

// In column order, top to bottom.
enum class Section { Dpi, Lighting, ReportRate, LiftOff, Debounce, Pointer };
inline constexpr int SectionCount = 6;

struct SectionInfo {
    Section section;
    int layer;       // the dialog layer holding the section's contents
    int headerId;    // its header check button
    int headerText;  // LanguageTable index of the header's caption
    int frameHeight; // height of the open section's frame, design units
};

// Column order. The pointer section's frame holds its contents down to its own button row.
inline constexpr std::array<SectionInfo, SectionCount> kSections{{
    {Section::Dpi, 1, 3001, 11, 196},
    {Section::Lighting, 2, 3002, 12, 180},
    {Section::ReportRate, 4, 3004, 13, 180},
    {Section::LiftOff, 5, 3011, 19, 85},
    {Section::Debounce, 6, 3012, 272, 85},
    {Section::Pointer, 3, 3003, 14, 280},
}};

inline constexpr int ColumnLeft = 846;
inline constexpr int ColumnFirstTop = 37;
inline constexpr int HeaderWidth = 262;
inline constexpr int HeaderHeight = 25;
inline constexpr int HeaderPitch = 30;
// Open sections end above the bottom bar (its buttons start at this y).
inline constexpr int ColumnBottom = 700;

const SectionInfo& InfoOf(Section section);
std::optional<Section> SectionOfHeader(int headerId);

// Which sections are open, by column position.
using OpenSections = std::array<bool, SectionCount>;

inline bool IsOpen(const OpenSections& open, Section section) {
    return open[static_cast<int>(section)];
}
// DPI and lighting, as the window starts.
OpenSections StartSections();

struct SectionPlace {
    bool headerShown = false;
    int headerTop = 0;  // design y of the header
    int contentTop = 0; // design y of the section's content origin (header top + 25)
};
using ColumnPlaces = std::array<SectionPlace, SectionCount>;

// Where every header and section sits. Without the lift-off section (a sensor without the long
// table) its header is not shown and takes no room.
ColumnPlaces PlaceColumn(const OpenSections& open, bool hasLiftOff);

// Whether every open section's frame ends above the bottom bar.
bool ColumnFits(const OpenSections& open, bool hasLiftOff);

// After the user opened `opened` (already marked open): closes other sections by the closing
// rule, then, while the column would run into the bottom bar, the lowest other open section.
OpenSections AfterOpening(OpenSections open, Section opened, bool hasLiftOff);

// The lift-off section cannot stay open on a sensor without it.
OpenSections WithoutMissingLiftOff(OpenSections open, bool hasLiftOff);

} // namespace ferrox
