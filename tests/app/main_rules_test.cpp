// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's plain rules: the right column's sections, the lighting colour rules and
// the way out to the desktop's mouse settings.

#include "app/main_window/desktop_links.h"
#include "app/main_window/lighting_rules.h"
#include "app/main_window/section_column.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

namespace ferrox {
namespace {

using S = Section;

OpenSections Open(std::initializer_list<Section> sections) {
    OpenSections open{};
    for (Section s : sections)
        open[std::size_t(s)] = true;
    return open;
}

OpenSections Click(OpenSections open, Section header, bool liftOff) {
    auto& flag = open[std::size_t(header)];
    flag = !flag;
    return flag ? AfterOpening(open, header, liftOff) : open;
}

TEST(SectionColumn, OpeningASectionClosesOthersByTheClosingRule) {
    struct Case {
        OpenSections before;
        Section opened;
        OpenSections after;
    };
    const Case cases[] = {
        {Open({S::Dpi, S::Lighting}), S::ReportRate, Open({S::Dpi, S::ReportRate})},
        {Open({S::Debounce}), S::Pointer, Open({S::Debounce, S::Pointer})},
        {Open({S::Lighting, S::ReportRate}), S::Dpi, Open({S::Dpi, S::Lighting})},
        {Open({S::ReportRate, S::LiftOff}), S::Dpi, Open({S::Dpi, S::ReportRate})},
        {Open({S::LiftOff, S::Debounce}), S::Lighting, Open({S::Lighting, S::LiftOff})},
        {Open({S::Dpi, S::Pointer}), S::LiftOff, Open({S::Dpi, S::LiftOff})},
        {Open({}), S::Pointer, Open({S::Pointer})},
        // The rule alone keeps three open; the column would run into the bottom bar.
        {Open({S::Debounce, S::Pointer}), S::Dpi, Open({S::Dpi, S::Debounce})},
        {Open({S::Debounce, S::Pointer}), S::ReportRate, Open({S::ReportRate, S::Debounce})},
    };
    for (const Case& c : cases) {
        OpenSections before = c.before;
        before[std::size_t(c.opened)] = true;
        EXPECT_EQ(AfterOpening(before, c.opened, true), c.after) << int(c.opened);
    }
}

TEST(SectionColumn, HeadersMoveByTheOpenSectionsAndTheMissingLiftOffTakesNoRoom) {
    const ColumnPlaces with = PlaceColumn(StartSections(), true);
    const int expectedWith[] = {37, 67 + 196, 97 + 376, 127 + 376, 157 + 376, 187 + 376};
    const ColumnPlaces without = PlaceColumn(StartSections(), false);
    const int expectedWithout[] = {37, 67 + 196, 97 + 376, 0, 127 + 376, 157 + 376};
    for (std::size_t i = 0; i < SectionCount; ++i) {
        EXPECT_EQ(with[i].headerTop, expectedWith[i]) << i;
        EXPECT_EQ(with[i].contentTop, expectedWith[i] + HeaderHeight) << i;
        if (i != std::size_t(S::LiftOff)) {
            EXPECT_EQ(without[i].headerTop, expectedWithout[i]) << i;
        }
    }
    EXPECT_FALSE(without[std::size_t(S::LiftOff)].headerShown);
    EXPECT_EQ(WithoutMissingLiftOff(Open({S::LiftOff, S::Dpi}), false), Open({S::Dpi}));
}

// Every state header clicks can reach from the start fits above the bottom bar.
TEST(SectionColumn, EveryReachableStateFitsAboveTheBottomBar) {
    for (bool liftOff : {true, false}) {
        std::set<OpenSections> seen{StartSections()};
        std::vector<OpenSections> todo{StartSections()};
        while (!todo.empty()) {
            const OpenSections state = todo.back();
            todo.pop_back();
            EXPECT_TRUE(ColumnFits(state, liftOff));
            EXPECT_TRUE(liftOff || !IsOpen(state, S::LiftOff));
            for (const SectionInfo& info : kSections) {
                if (!liftOff && info.section == S::LiftOff)
                    continue;
                const OpenSections next = Click(state, info.section, liftOff);
                if (seen.insert(next).second)
                    todo.push_back(next);
            }
        }
        EXPECT_GT(seen.size(), 10u);
    }
}

TEST(LightingRules, ModesShowTheirControls) {
    EXPECT_EQ(LightingControlsOfMode(2).colourSlots, 7);
    EXPECT_EQ(LightingControlsOfMode(6).colourSlots, 8);
    EXPECT_EQ(LightingControlsOfMode(7).colourSlots, 2);
    EXPECT_TRUE(LightingControlsOfMode(3).brightness);
    EXPECT_FALSE(LightingControlsOfMode(3).speed);
    EXPECT_TRUE(LightingControlsOfMode(1).direction);
    EXPECT_EQ(LightingControlsOfMode(1).colourSlots, 0);
}

TEST(LightingRules, ADeselectionNeverLeavesAModeWithTooFewColours) {
    struct Case {
        int mode;
        std::array<std::uint8_t, 10> marks;
        int slot;
        int refusal;
    };
    const Case cases[] = {
        {3, {1}, 0, 153},
        {2, {1, 0, 0, 0, 0, 0, 0}, 0, 153},
        {2, {1, 1}, 0, 0},
        {7, {0, 1}, 1, 153},
        {7, {1, 1}, 1, 0},
        {6, {1, 1, 0, 0, 0, 0, 0, 0}, 0, 154},
        {6, {1, 1, 1}, 0, 0},
        // A file may hold fewer than the mode needs: still no further deselection.
        {6, {1}, 0, 154},
        {1, {1}, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColourDeselectionRefusal(c.marks, c.mode, c.slot), c.refusal) << c.mode;
}

TEST(DesktopLinks, TheDesktopsOwnMouseSettingsElseTheFirstFound) {
    const auto installed = [](std::set<std::string> programs) {
        return [programs](const std::string& name) { return programs.count(name) > 0; };
    };
    const auto all = installed({"gnome-control-center", "systemsettings", "xfce4-mouse-settings",
                                "cinnamon-settings", "lxqt-config-input"});
    EXPECT_EQ(ChooseMouseSettings("ubuntu:GNOME", all),
              (SettingsCommand{"gnome-control-center", {"mouse"}}));
    EXPECT_EQ(ChooseMouseSettings("KDE", all), (SettingsCommand{"systemsettings", {"kcm_mouse"}}));
    EXPECT_EQ(ChooseMouseSettings("X-Cinnamon", all),
              (SettingsCommand{"cinnamon-settings", {"mouse"}}));
    EXPECT_EQ(ChooseMouseSettings("xfce", all), (SettingsCommand{"xfce4-mouse-settings", {}}));
    // The desktop's own program missing: the first one on PATH.
    EXPECT_EQ(ChooseMouseSettings("KDE", installed({"lxqt-config-input"})),
              (SettingsCommand{"lxqt-config-input", {}}));
    EXPECT_EQ(ChooseMouseSettings("", installed({})), std::nullopt);
}

} // namespace
} // namespace ferrox
