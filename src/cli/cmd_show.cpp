// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl show [SLOT]: one profile as the program holds it after start-up (the current one
// when no slot is given).

#include "base/text_file.h"
#include "buttons/function_names.h"
#include "cli/command_table.h"
#include "cli/data_load.h"
#include "cli/json_text.h"
#include "cli/slot_argument.h"
#include "lang/effect_names.h"
#include "lang/language_table.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "settings/dpi_table.h"
#include "settings/profile_settings.h"
#include "startup/startup_load.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace ferrox {
namespace {

constexpr std::array<unsigned, 4> ReportRatesHz = {125, 250, 500, 1000};

struct CategoryName {
    FunctionCategory category;
    const char* name;
};
constexpr CategoryName CategoryNames[] = {
    {FunctionCategory::Disabled, "disabled"},
    {FunctionCategory::MouseButton, "mouse button"},
    {FunctionCategory::FireKey, "fire key"},
    {FunctionCategory::DpiSwitch, "DPI switch"},
    {FunctionCategory::DpiLock, "DPI lock"},
    {FunctionCategory::Category60, "category 60"},
    {FunctionCategory::KeyCombo, "key combination"},
    {FunctionCategory::Consumer, "media key"},
    {FunctionCategory::Macro, "macro"},
};

const char* NameOf(const ButtonFunction& function) {
    for (const CategoryName& c : CategoryNames)
        if (c.category == function.Category())
            return c.name;
    return "unknown";
}

std::string Utf8(const std::wstring& text) {
    return ToUtf8(text);
}

std::string HexColour(Colour colour) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(colour), GreenOf(colour),
                  BlueOf(colour));
    return text;
}

// The DPI a level's step stands for with the current sensor; 0 when it is past the table.
unsigned DpiOf(std::uint16_t step) {
    auto entry = DpiSteps.At(step);
    return entry ? entry->Dpi() : 0;
}

// 0 for a rate index past the menu's four.
unsigned ReportRateHz(const ProfileSettings& p) {
    return p.reportRate.rate < ReportRatesHz.size() ? ReportRatesHz[p.reportRate.rate] : 0;
}

int BarPosition(int slot) {
    ProfileBarList bar = ReadProfileBar();
    for (int pos = 0; pos < bar.count; ++pos)
        if (bar.slots[pos] == slot)
            return pos;
    return -1;
}

std::string BarText(int slot) {
    int pos = BarPosition(slot);
    return pos < 0 ? "not on the profile bar"
                   : "on the profile bar at position " + std::to_string(pos);
}

std::string DpiText(unsigned dpi) {
    return dpi ? std::to_string(dpi) + " DPI" : std::string("outside the table");
}

void PrintDpi(std::ostream& out, const ProfileSettings& p) {
    const std::optional<int> active = ActiveDpiLevel(p);
    out << "DPI levels (sensor " << Utf8(FormatSensorHex(SensorId)) << "), active level: "
        << (active ? std::to_string(*active) + ", " + DpiText(DpiOf(p.dpiStep[*active]))
                   : std::string("none (position " + std::to_string(p.currentDpiLevel) +
                                 " has no enabled level)"))
        << "\n";
    for (int level = 0; level < DpiLevelCount; ++level) {
        unsigned dpi = DpiOf(p.dpiStep[level]);
        out << "  " << level << (active == level ? " *" : "  ")
            << ((p.dpiEnableMask >> level) & 1 ? "  on   " : "  off  ") << "step "
            << p.dpiStep[level] << "  "
            << DpiText(dpi) << "  colour " << HexColour(p.dpiColour[level])
            << (level >= DeviceDpiLevelCount ? "  (kept, not sent)" : "") << "\n";
    }
}

void PrintLighting(std::ostream& out, const LightingSettings& l) {
    int m = l.mode;
    out << "lighting: " << Utf8(LightingEffectName(m, LanguageTable)) << ", mode " << m << (l.onOff ? ", on" : ", off")
        << ", speed " << int(l.speed[m]) << ", brightness " << int(l.brightness[m])
        << ", direction " << int(l.direction[m]) << ", colours";
    bool any = false;
    for (int slot = 0; slot < LightingColourSlots; ++slot)
        if (l.colourSelected[m][slot]) {
            out << " " << HexColour(l.colour[m][slot]);
            any = true;
        }
    out << (any ? "" : " none") << "\n";
}

void PrintKeys(std::ostream& out, const ProfileSettings& p) {
    out << "buttons:\n";
    for (int k = 0; k < KeySlotCount; ++k) {
        const KeySlot& key = p.keys[k];
        out << "  " << k << "  " << Utf8(FormatFunction(key.function)) << "  "
            << NameOf(key.function) << "  \"" << Utf8(SlotDisplayName(key, LanguageTable)) << "\"";
        if (key.function.Category() == FunctionCategory::Macro)
            out << "  macro \"" << Utf8(key.macro.name) << "\", " << key.macro.MacroActionNum
                << " actions, library index " << key.macroKeyIndex;
        out << "\n";
    }
}

void PrintText(std::ostream& out, int slot) {
    const ProfileSettings& p = Profiles[slot];
    out << "profile slot " << slot << ": " << Utf8(ProfileValue(p, ProfileKey::ProfileName))
        << (slot == CurrentSlot() ? " (current, " : " (") << BarText(slot) << ")\n";
    for (int pair = 1; pair < ProfileKeyCount; ++pair)
        out << "  " << Utf8(ProfileKeyName(p, pair)) << " = " << Utf8(ProfileValue(p, pair))
            << "\n";
    out << "report rate: " << ReportRateHz(p) << " Hz (" << Utf8(p.reportRate.name) << ")\n";
    PrintDpi(out, p);
    out << "angle snap: " << int(p.angleSnap) << ", lift detection: " << int(p.liftDetection)
        << "\n";
    PrintLighting(out, p.lighting);
    PrintKeys(out, p);
}

template <typename Array> std::string JsonNumbers(const Array& values) {
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        text += (i ? ", " : "") + std::to_string(unsigned(values[i]));
    return text + "]";
}

std::string JsonLevel(std::optional<int> level) {
    return level ? std::to_string(*level) : std::string("null");
}

void PrintJsonDpi(std::ostream& out, const ProfileSettings& p) {
    out << "  \"dpi\": {\"enableMask\": " << int(p.dpiEnableMask)
        << ", \"activeLevel\": " << JsonLevel(ActiveDpiLevel(p))
        << ", \"activePosition\": " << int(p.currentDpiLevel) << ", \"sensor\": " << SensorId
        << ", \"levels\": [";
    for (int level = 0; level < DpiLevelCount; ++level) {
        unsigned dpi = DpiOf(p.dpiStep[level]);
        out << (level ? ", " : "") << "{\"step\": " << p.dpiStep[level]
            << ", \"dpi\": " << (dpi ? std::to_string(dpi) : std::string("null"))
            << ", \"enabled\": " << ((p.dpiEnableMask >> level) & 1 ? "true" : "false")
            << ", \"colour\": " << JsonString(HexColour(p.dpiColour[level])) << "}";
    }
    out << "]},\n";
}

void PrintJsonLighting(std::ostream& out, const LightingSettings& l) {
    out << "  \"lighting\": {\"on\": " << (l.onOff ? "true" : "false")
        << ", \"name\": " << JsonString(Utf8(l.name))
        << ", \"label\": " << JsonString(Utf8(LightingEffectName(l.mode, LanguageTable)))
        << ", \"mode\": " << int(l.mode)
        << ", \"speed\": " << JsonNumbers(l.speed)
        << ", \"brightness\": " << JsonNumbers(l.brightness)
        << ", \"direction\": " << JsonNumbers(l.direction) << ", \"colours\": [";
    for (int m = 0; m < LightingModeCount; ++m) {
        out << (m ? ", " : "") << "[";
        bool first = true;
        for (int slot = 0; slot < LightingColourSlots; ++slot)
            if (l.colourSelected[m][slot]) {
                out << (first ? "" : ", ") << JsonString(HexColour(l.colour[m][slot]));
                first = false;
            }
        out << "]";
    }
    out << "]},\n";
}

void PrintJsonKeys(std::ostream& out, const ProfileSettings& p) {
    out << "  \"buttons\": [";
    for (int k = 0; k < KeySlotCount; ++k) {
        const KeySlot& key = p.keys[k];
        out << (k ? ",\n    " : "\n    ") << "{\"slot\": " << k
            << ", \"name\": " << JsonString(Utf8(key.name))
            << ", \"label\": " << JsonString(Utf8(SlotDisplayName(key, LanguageTable)))
            << ", \"function\": " << JsonString(Utf8(FormatFunction(key.function)))
            << ", \"category\": " << JsonString(NameOf(key.function))
            << ", \"macroKeyIndex\": " << key.macroKeyIndex
            << ", \"macro\": {\"name\": " << JsonString(Utf8(key.macro.name))
            << ", \"actions\": " << key.macro.MacroActionNum << "}}";
    }
    out << "\n  ]\n";
}

void PrintJson(std::ostream& out, int slot) {
    const ProfileSettings& p = Profiles[slot];
    out << "{\n  " << kJsonFormatMember << ",\n  \"slot\": " << slot
        << ",\n  \"current\": " << (slot == CurrentSlot() ? "true" : "false")
        << ",\n  \"barPosition\": " << BarPosition(slot) << ",\n  \"settings\": [";
    for (int pair = 0; pair < ProfileKeyCount; ++pair)
        out << (pair ? ",\n    " : "\n    ")
            << "{\"key\": " << JsonString(Utf8(ProfileKeyName(p, pair)))
            << ", \"value\": " << JsonString(Utf8(ProfileValue(p, pair))) << "}";
    const unsigned hz = ReportRateHz(p);
    out << "\n  ],\n  \"reportRate\": {\"hz\": " << (hz ? std::to_string(hz) : "null")
        << ", \"rate\": " << int(p.reportRate.rate)
        << ", \"name\": " << JsonString(Utf8(p.reportRate.name)) << "},\n";
    PrintJsonDpi(out, p);
    out << "  \"angleSnap\": " << int(p.angleSnap)
        << ",\n  \"liftDetection\": " << int(p.liftDetection) << ",\n";
    PrintJsonLighting(out, p.lighting);
    PrintJsonKeys(out, p);
    out << "}\n";
}

} // namespace

int CmdShow(CliContext& context) {
    if (context.args.size() > 1) {
        context.err << "ferroxctl show: expected at most one profile slot (0..4)\n";
        return kExitUsage;
    }
    std::optional<int> slot;
    if (!context.args.empty() && !(slot = ParseSlotArgument(context.args.front()))) {
        context.err << "ferroxctl show: " << context.args.front()
                    << " is not a profile slot (0..4)\n";
        return kExitUsage;
    }
    const int status = LoadToRead(context, "show");
    int shown = slot ? *slot : CurrentSlot();
    if (context.json)
        PrintJson(context.out, shown);
    else
        PrintText(context.out, shown);
    return status;
}

} // namespace ferrox
