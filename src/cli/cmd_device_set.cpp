// ferroxctl set SETTING VALUE...: one change to the current profile, sent to the mouse and
// saved as the window does it (load, shadow images, change, apply, save).

#include "base/text_file.h"
#include "buttons/function_presets.h"
#include "cli/cmd_device_run.h"
#include "cli/cmd_device_values.h"
#include "cli/command_table.h"
#include "macros/macro_user_library.h"
#include "settings/config_table.h"
#include "settings/key_assignment.h"
#include "settings/language_text.h"

#include <array>
#include <span>
#include <sstream>

namespace ferrox {
namespace {

using Args = std::span<const std::string>;
// Why a change was refused: a value the command line got wrong, or a change that cannot be made.
struct Refusal {
    std::string message;
    bool usage = true;
};
// Applies the change to the current profile; nothing, or why it was refused.
using Change = std::optional<Refusal> (*)(ProfileSettings& profile, Args args);

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

// Like the DPI value dialog: the first entry at or above the value, else the last.
std::optional<uint16_t> StepForDpi(long dpi) {
    if (DpiSteps.count == 0) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < DpiSteps.count; ++i) {
        if (DpiSteps.entries[i].Dpi() >= static_cast<unsigned long>(dpi)) {
            return static_cast<uint16_t>(i);
        }
    }
    return static_cast<uint16_t>(DpiSteps.count - 1);
}

std::optional<Refusal> SetDpi(ProfileSettings& p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    const auto dpi = ParseCliNumber(a[1], 0, 1000000);
    if (!level) {
        return Bad("LEVEL must be 0..7", a[0]);
    }
    if (!dpi) {
        return Bad("DPI must be a number", a[1]);
    }
    const auto step = StepForDpi(*dpi);
    if (!step) {
        return Cannot("the configured sensor has no DPI table");
    }
    p.dpiStep[*level] = *step;
    return std::nullopt;
}

std::optional<Refusal> SetDpiEnable(ProfileSettings& p, Args a) {
    const auto mask = ParseCliNumber(a[0], 1, 0xFF);
    if (!mask) {
        return Bad("MASK must be 1..0xFF (at least one level enabled)", a[0]);
    }
    p.dpiEnableMask = static_cast<uint8_t>(*mask);
    return std::nullopt;
}

std::optional<Refusal> SetDpiLevel(ProfileSettings& p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    if (!level) {
        return Bad("the level must be 0..7", a[0]);
    }
    p.currentDpiLevel = static_cast<uint8_t>(*level);
    return std::nullopt;
}

std::optional<Refusal> SetDpiColour(ProfileSettings& p, Args a) {
    const auto level = ParseCliNumber(a[0], 0, DpiLevelCount - 1);
    const auto colour = ParseColour(a[1]);
    if (!level) {
        return Bad("LEVEL must be 0..7", a[0]);
    }
    if (!colour) {
        return Bad("the colour must be six hexadecimal digits RRGGBB", a[1]);
    }
    p.dpiColour[*level] = *colour;
    return std::nullopt;
}

std::optional<Refusal> SetRate(ProfileSettings& p, Args a) {
    static constexpr std::array<std::string_view, 4> Rates{"125", "250", "500", "1000"};
    for (std::size_t i = 0; i < Rates.size(); ++i) {
        if (a[0] == Rates[i]) {
            p.reportRate.rate = static_cast<uint8_t>(i);
            p.reportRate.name = FromUtf8(a[0]) + L"HZ"; // as the menu writes it
            return std::nullopt;
        }
    }
    return Bad("the rate must be 125, 250, 500 or 1000", a[0]);
}

std::optional<Refusal> SetProfileNumberIn(ProfileSettings& p, int pair, const std::string& text,
                                          long min, long max, std::string_view what) {
    const auto value = ParseCliNumber(text, min, max);
    if (!value) {
        return Bad(what, text);
    }
    SetProfileNumber(p, pair, *value);
    return std::nullopt;
}

std::optional<Refusal> SetLift(ProfileSettings& p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::LiftDetectionHeight, a[0], 1, 2,
                              "the height must be 1 or 2");
}

std::optional<Refusal> SetDebounce(ProfileSettings& p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::KeyDebounce, a[0], 0, 255,
                              "the debounce time must be 0..255 ms");
}

std::optional<Refusal> SetPower(ProfileSettings& p, Args a) {
    return SetProfileNumberIn(p, ProfileKey::PowerDownTime, a[0], 0, 255,
                              "the time must be 0..255 minutes");
}

std::optional<Refusal> SetOnOff(ProfileSettings& p, int pair, const std::string& text) {
    const auto on = ParseOnOff(text);
    if (!on) {
        return Bad("expected on or off", text);
    }
    SetProfileNumber(p, pair, *on ? 1 : 0);
    return std::nullopt;
}

std::optional<Refusal> SetMoveLighting(ProfileSettings& p, Args a) {
    return SetOnOff(p, ProfileKey::MoveLightingOnOffMode, a[0]);
}

std::optional<Refusal> SetWakeup(ProfileSettings& p, Args a) {
    return SetOnOff(p, ProfileKey::MotionWakeup, a[0]);
}

std::optional<Refusal> SetLighting(ProfileSettings& p, Args a) {
    // Texts of the lighting-mode names, by mode.
    static constexpr std::array<int, LightingModeCount> ModeName{109, 100, 101, 102, 103,
                                                                 110, 105, 106, 107, 108};
    const auto mode = ParseCliNumber(a[0], 0, LightingModeCount - 1);
    if (!mode) {
        return Bad("MODE must be 0..9", a[0]);
    }
    p.lighting.mode = static_cast<uint8_t>(*mode);
    p.lighting.spare = {0, 0};
    p.lighting.name = LanguageText(ModeName[*mode]);
    return std::nullopt;
}

// The name a menu would have given the code; the code itself for one no menu offers.
std::wstring FunctionName(const ButtonFunction& f) {
    for (const FunctionPreset& preset : FunctionMenuPresets) {
        if (preset.action == PresetAction::Assign && preset.function == f) {
            return LanguageText(preset.textIndex);
        }
    }
    for (auto table : {std::span<const FunctionCode>(DpiSwitchPresets),
                       std::span<const FunctionCode>(MultimediaPresets),
                       std::span<const FunctionCode>(OfficePresets),
                       std::span<const FunctionCode>(WindowsPresets)}) {
        for (const FunctionCode& code : table) {
            if (code.function == f) {
                return LanguageText(code.textIndex);
            }
        }
    }
    for (std::size_t k = 0; k < DpiLockLabels.size(); ++k) {
        if (DpiLockFunction(static_cast<int>(k) + 1) == f) {
            return LanguageText(DpiLockTextIndex) + L"-" + DpiLockLabels[k];
        }
    }
    return FormatFunction(f);
}

// A library item by its names from the top level down, joined by "/".
const MacroItem* MacroAtPath(const std::string& path) {
    const MacroLibrary& library = UserMacroLibrary();
    MacroLocation at;
    std::istringstream names(path);
    std::string name;
    const MacroItem* item = nullptr;
    while (std::getline(names, name, '/')) {
        if (name.empty()) {
            continue;
        }
        if (at.stage == 2) {
            return nullptr;
        }
        ++at.stage;
        int32_t* index = at.stage == 0   ? &at.stage0Index
                         : at.stage == 1 ? &at.stage1Index
                                         : &at.stage2Index;
        const std::wstring wanted = FromUtf8(name);
        item = nullptr;
        for (int slot = 0; slot < MacroGroupSize && !item; ++slot) {
            *index = slot;
            const MacroItem* candidate = library.NodeAt(at);
            if (candidate && candidate->MacroItemName == wanted) {
                item = candidate;
            }
        }
        if (!item) {
            return nullptr;
        }
    }
    return item;
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

std::optional<Refusal> SetButton(ProfileSettings&, Args a) {
    const auto slot = ParseCliNumber(a[0], 0, KeySlotCount - 1);
    if (!slot) {
        return Bad("SLOT must be 0..6", a[0]);
    }
    if (a[1] == "macro") {
        if (a.size() < 3) {
            return Refusal{"expected: button SLOT macro PATH"};
        }
        const MacroItem* item = MacroAtPath(a[2]);
        if (!item || item->MacroItemIsFolder == 1 || !item->macro) {
            return Cannot("no macro " + a[2] + " in the library");
        }
        return Assign(static_cast<int>(*slot), LanguageText(MacroKeyNameText) + item->MacroItemName,
                      MakeFunction(FunctionCategory::Macro), item->macro.get());
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
    return Assign(static_cast<int>(*slot), FunctionName(*f), *f, nullptr);
}

constexpr std::array<Setting, 12> Settings{{
    {"dpi", 2, "dpi LEVEL DPI", ChangeGroup::Settings, SetDpi},
    {"dpi-enable", 1, "dpi-enable MASK", ChangeGroup::Settings, SetDpiEnable},
    {"dpi-level", 1, "dpi-level N", ChangeGroup::Settings, SetDpiLevel},
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

std::string UsageText() {
    std::string text = "expected one of:";
    for (const Setting& s : Settings) {
        text += "\n  set ";
        text += s.usage;
    }
    return text;
}

const Setting* FindSetting(const std::string& name) {
    for (const Setting& s : Settings) {
        if (s.name == name) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

int CmdSet(CliContext& context) {
    DeviceCommandRun run(context, "set");
    const std::vector<std::string>& args = context.args;
    const Setting* setting = args.empty() ? nullptr : FindSetting(args[0]);
    if (!setting) {
        return run.Fail(UsageText(), kExitUsage);
    }
    const Args values = Args(args).subspan(1);
    const bool macroButton = setting->change == SetButton && values.size() == 3;
    if (values.size() != setting->valueCount && !macroButton) {
        return run.Fail("expected: set " + std::string(setting->usage), kExitUsage);
    }
    if (run.RefuseWhileWindowRuns()) {
        return kExitFailure;
    }
    run.LoadSettings();
    if (!run.Open()) {
        return kExitFailure;
    }
    if (const auto refused = setting->change(CurrentProfile(), values)) {
        return run.Fail(refused->message, refused->usage ? kExitUsage : kExitFailure);
    }
    run.sync().RequestApply(setting->group);
    run.sync().ApplyAll();
    const auto messages = run.Finish();
    if (!run.sync().DeferredSave()) {
        return run.Fail("the settings could not be saved");
    }
    if (!run.DeviceFound()) {
        run.Warn("no mouse or receiver found; the change is saved and reaches the mouse when it "
                 "is next connected");
    } else if (DeviceCommandRun::AnyWriteFailed(messages)) {
        return run.Fail("the mouse did not take the change; it is saved and goes out when the "
                        "mouse is next connected");
    }
    return kExitOk;
}

} // namespace ferrox
