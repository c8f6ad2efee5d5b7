// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ferroxctl set SETTING VALUE...: one change to the current profile, sent to the mouse and
// saved as the window does it (load, shadow images, change, apply, save).

#include "base/text_file.h"
#include "buttons/function_names.h"
#include "cli/cmd_device_run.h"
#include "cli/cmd_device_values.h"
#include "cli/command_table.h"
#include "lang/effect_names.h"
#include "lang/language_table.h"
#include "macros/macro_path.h"
#include "macros/macro_user_library.h"
#include "settings/config_table.h"
#include "settings/dpi_levels.h"
#include "settings/dpi_table.h"
#include "settings/key_assignment.h"

#include <algorithm>
#include <array>
#include <limits>
#include <span>

namespace ferrox {
namespace {

using Args = std::span<const std::string>;
// Why a change was refused: a value the command line got wrong, or a change that cannot be made.
struct Refusal {
    std::string message;
    bool usage = true;
};
// Checks the words and, given a profile, applies the change to it; nothing, or why it was
// refused. Without a profile only the words are checked, before anything is loaded, so a
// mistyped command leaves the data folder as it was.
using Change = std::optional<Refusal> (*)(ProfileSettings* profile, Args args);

struct Setting {
    std::string_view name;
    std::size_t valueCount;
    std::string_view usage;
    unsigned group;
    Change change;
};

constexpr int MacroKeyNameText = 190;

Refusal Bad(std::string_view what, const std::string& value) {
    return {std::string(what) + ", not " + value};
}

Refusal Cannot(std::string message) {
    return {std::move(message), false};
}

std::optional<Refusal> SetDpi(ProfileSettings* p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    const auto dpi = ParseCliNumber(a[1], 0, std::numeric_limits<long>::max());
    if (!level) {
        return Bad("LEVEL must be 0..7", a[0]);
    }
    if (!dpi) {
        return Bad("DPI must be a number", a[1]);
    }
    if (*dpi > static_cast<long>(MaxTableDpi)) {
        return Refusal{"DPI " + a[1] + " is out of range (0.." + std::to_string(MaxTableDpi) +
                       ")"};
    }
    if (!p) {
        return std::nullopt;
    }
    const auto step = DpiSteps.StepForDpi(static_cast<unsigned long>(*dpi));
    if (!step) {
        return Cannot("the configured sensor has no DPI table");
    }
    p->dpiStep[*level] = *step;
    return std::nullopt;
}

std::optional<Refusal> SetDpiEnable(ProfileSettings* p, Args a) {
    const auto mask = ParseCliNumber(a[0], 1, 0xFF);
    if (!mask) {
        return Bad("MASK must be 1..0xFF (at least one level enabled)", a[0]);
    }
    if (p) {
        SetDpiEnableMask(*p, static_cast<uint8_t>(*mask));
    }
    return std::nullopt;
}

std::optional<Refusal> SetDpiLevel(ProfileSettings* p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    if (!level) {
        return Bad("LEVEL must be 0..7", a[0]);
    }
    if (p && !SetActiveDpiLevel(*p, static_cast<int>(*level))) {
        return Refusal{"level " + a[0] + " is not enabled; enable it first with set dpi-enable"};
    }
    return std::nullopt;
}

std::optional<Refusal> SetDpiColour(ProfileSettings* p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    const auto colour = ParseColour(a[1]);
    if (!level) {
        return Bad("LEVEL must be 0..7", a[0]);
    }
    if (!colour) {
        return Bad("the colour must be six hexadecimal digits RRGGBB", a[1]);
    }
    if (p) {
        p->dpiColour[*level] = *colour;
    }
    return std::nullopt;
}

std::optional<Refusal> SetRate(ProfileSettings* p, Args a) {
    static constexpr std::array<std::string_view, 4> Rates{"125", "250", "500", "1000"};
    for (std::size_t i = 0; i < Rates.size(); ++i) {
        if (a[0] == Rates[i]) {
            if (p) {
                p->reportRate.rate = static_cast<uint8_t>(i);
                p->reportRate.name = FromUtf8(a[0]) + L"HZ"; // as the menu writes it
            }
            return std::nullopt;
        }
    }
    return Bad("the rate must be 125, 250, 500 or 1000", a[0]);
}

std::optional<Refusal> SetProfileNumberIn(ProfileSettings* p, int pair, const std::string& text,
                                          long min, long max, std::string_view what) {
    const auto value = ParseCliNumber(text, min, max);
    if (!value) {
        return Bad(what, text);
    }
    if (p) {
        SetProfileNumber(*p, pair, *value);
    }
    return std::nullopt;
}

std::optional<Refusal> SetLift(ProfileSettings* p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::LiftDetectionHeight, a[0], 1, 2,
                              "the height must be 1 or 2");
}

std::optional<Refusal> SetDebounce(ProfileSettings* p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::KeyDebounce, a[0], 0, 255,
                              "the debounce time must be 0..255 ms");
}

std::optional<Refusal> SetPower(ProfileSettings* p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::PowerDownTime, a[0], 0, 255,
                              "the time must be 0..255 minutes");
}

std::optional<Refusal> SetOnOff(ProfileSettings* p, int pair, const std::string& text) {
    const auto on = ParseOnOff(text);
    if (!on) {
        return Bad("expected on or off", text);
    }
    if (p) {
        SetProfileNumber(*p, pair, *on ? 1 : 0);
    }
    return std::nullopt;
}

std::optional<Refusal> SetMoveLighting(ProfileSettings* p, Args a) {
    return SetOnOff(p, ProfileKey::MoveLightingOnOffMode, a[0]);
}

std::optional<Refusal> SetWakeup(ProfileSettings* p, Args a) {
    return SetOnOff(p, ProfileKey::MotionWakeup, a[0]);
}

std::optional<Refusal> SetLighting(ProfileSettings* p, Args a) {
    const auto mode = ParseCliNumber(a[0], 0, LightingModeCount - 1);
    if (!mode) {
        return Bad("MODE must be 0..9", a[0]);
    }
    if (p) {
        p->lighting.mode = static_cast<uint8_t>(*mode);
        p->lighting.spare = {0, 0};
        p->lighting.name = LightingEffectName(*mode, LanguageTable);
    }
    return std::nullopt;
}

std::optional<Refusal> Assign(int slot, const std::wstring& name, const ButtonFunction& f,
                              const MacroKey* macro) {
    const int button = FirstKeyButtonId + slot;
    SetKeyFunction(button, name, f, macro);
    if (EnsureLeftClick(button).restored) {
        return Cannot("no button would be left with a left click, so the assignment was undone");
    }
    return std::nullopt;
}

std::optional<Refusal> AssignMacro(int slot, const std::string& path) {
    const MacroItem* item = FindMacroAtPath(UserMacroLibrary(), FromUtf8(path));
    if (!item) {
        return Cannot("no macro " + path + " in the library");
    }
    return Assign(slot, LanguageText(MacroKeyNameText) + item->MacroItemName,
                  MakeFunction(FunctionCategory::Macro), item->macro.get());
}

std::optional<Refusal> SetButton(ProfileSettings* p, Args a) {
    const auto slot = ParseCliNumber(a[0], 0, KeySlotCount - 1);
    if (!slot) {
        return Bad("SLOT must be 0..6", a[0]);
    }
    if (a[1] == "macro") {
        if (a.size() < 3) {
            return Refusal{"expected: button SLOT macro PATH"};
        }
        return p ? AssignMacro(static_cast<int>(*slot), a[2]) : std::nullopt;
    }
    if (a.size() != 2) {
        return Refusal{"expected: button SLOT CODE"};
    }
    const auto f = ParseFunctionCode(a[1]);
    if (!f) {
        return Bad("CODE must be six hexadecimal digits", a[1]);
    }
    if (f->Category() == FunctionCategory::Macro) {
        return Refusal{"a macro is assigned with: button SLOT macro PATH"};
    }
    if (!IsChoosableFunction(*f)) {
        return Refusal{"CODE " + a[1] +
                       " is not a function the menus, the shortcut dialog or the fire key "
                       "dialog offer"};
    }
    return p ? Assign(static_cast<int>(*slot), ChosenFunctionName(*f), *f, nullptr)
             : std::nullopt;
}

constexpr std::array<Setting, 12> Settings{{
    {"dpi", 2, "dpi LEVEL DPI", ChangeGroup::Settings, SetDpi},
    {"dpi-enable", 1, "dpi-enable MASK", ChangeGroup::Settings, SetDpiEnable},
    {"dpi-level", 1, "dpi-level LEVEL", ChangeGroup::Settings, SetDpiLevel},
    {"dpi-colour", 2, "dpi-colour LEVEL RRGGBB", ChangeGroup::Settings, SetDpiColour},
    {"rate", 1, "rate 125|250|500|1000", ChangeGroup::Settings, SetRate},
    {"lift", 1, "lift 1|2", ChangeGroup::Settings, SetLift},
    {"debounce", 1, "debounce MS", ChangeGroup::Settings, SetDebounce},
    {"power", 1, "power MINUTES", ChangeGroup::Power, SetPower},
    {"move-lighting", 1, "move-lighting on|off", ChangeGroup::Power, SetMoveLighting},
    {"wakeup", 1, "wakeup on|off", ChangeGroup::Wakeup, SetWakeup},
    {"lighting", 1, "lighting MODE", ChangeGroup::Settings, SetLighting},
    {"button", 2, "button SLOT CODE | button SLOT macro PATH", ChangeGroup::Keys, SetButton},
}};

const Setting* FindSetting(const std::string& name) {
    for (const Setting& s : Settings) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

// Every setting's command lines (a usage's " | " parts each one), separator between them.
std::string FormsText(std::string_view separator) {
    constexpr std::string_view alternative = " | ";
    std::string text;
    for (const Setting& s : Settings) {
        for (std::string_view rest = s.usage; !rest.empty();) {
            const std::size_t end = std::min(rest.find(alternative), rest.size());
            text += (text.empty() ? "" : std::string(separator)) + "set ";
            text += rest.substr(0, end);
            rest.remove_prefix(std::min(end + alternative.size(), rest.size()));
        }
    }
    return text;
}

} // namespace

std::string SetForms() {
    return FormsText("\n");
}

int CmdSet(CliContext& context) {
    DeviceCommandRun run(context, "set");
    const std::vector<std::string>& args = context.args;
    const Setting* setting = args.empty() ? nullptr : FindSetting(args[0]);
    if (!setting) {
        return run.Fail("expected one of:\n  " + FormsText("\n  "), kExitUsage);
    }
    const Args values = Args(args).subspan(1);
    const bool macroButton = setting->change == SetButton && values.size() == 3;
    if (values.size() != setting->valueCount && !macroButton) {
        return run.Fail("expected: set " + std::string(setting->usage), kExitUsage);
    }
    if (const auto refused = setting->change(nullptr, values)) {
        return run.Fail(refused->message, kExitUsage);
    }
    if (run.RefuseWhileWindowRuns()) {
        return kExitFailure;
    }
    if (!run.LoadSettings()) {
        return kExitFailure;
    }
    if (!run.Open()) {
        return kExitFailure;
    }
    if (const auto refused = setting->change(&CurrentProfile(), values)) {
        return run.Fail(refused->message, refused->usage ? kExitUsage : kExitFailure);
    }
    run.sync().RequestApply(setting->group);
    run.sync().ApplyAll();
    const auto messages = run.Finish();
    if (!run.sync().DeferredSave()) {
        return run.Fail("the settings could not be saved");
    }
    return run.ReportDelivery(messages, "the change");
}

} // namespace ferrox
