// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/command_set.h"

#include <algorithm>
#include <cstring>

#include "buttons/macro_link.h"
#include "device/protocol/change_groups.h"
#include "lang/language_table.h"

namespace ferrox {

namespace {
constexpr int DisabledKeyText = 34;

template <typename Image> bool differs(const Image& a, const Image& b, std::size_t compared) {
    return std::memcmp(a.data(), b.data(), std::min(compared, sizeof(Image))) != 0;
}
bool differs(uint8_t a, uint8_t b, std::size_t) {
    return a != b;
}
} // namespace

CommandSet::CommandSet(DeviceWorker& worker, HandleSource activeHandle)
    : worker_(worker), activeHandle_(std::move(activeHandle)) {}

void CommandSet::send(const std::shared_ptr<HidHandle>& handle, uint8_t command,
                      std::span<const uint8_t> payload, FrameTag tag) {
    worker_.send(handle, BuildFrame(command, payload), SettingPause, tag);
    sent_ = true;
}

template <typename Image>
bool CommandSet::take(Image& shadow, const Image& current, ImageGroup group, std::size_t compared) {
    const bool changed = unsent_[group] || differs(shadow, current, compared);
    shadow = current;
    unsent_[group] = false;
    return changed;
}

void CommandSet::SendKeyTable(const ProfileSettings& profile) {
    const auto handle = activeHandle_();
    if (!handle) {
        return;
    }
    const KeyImage image = BuildKeyImage(profile);
    std::array<bool, DeviceKeyPositions> changed{};
    for (int p = 0; p < DeviceKeyPositions; ++p) {
        changed[p] =
            unsent_.keys[p] || !std::equal(image.begin() + 2 + 3 * p, image.begin() + 5 + 3 * p,
                                           shadow_.keys.begin() + 2 + 3 * p);
        unsent_.keys[p] = false;
    }
    shadow_.keys = image;
    for (int p = 0; p < DeviceKeyPositions; ++p) {
        if (changed[p]) {
            const uint8_t payload[] = {static_cast<uint8_t>(p), image[2 + 3 * p], image[3 + 3 * p],
                                       image[4 + 3 * p]};
            worker_.send(handle, BuildFrame(cmd::KeyFunction, payload), SettingPause,
                         {ImageGroup::Key, static_cast<uint8_t>(p)});
            sent_ = true;
        } else {
            worker_.pause(SettingPause); // the key table always takes seven pauses
        }
    }
}

void CommandSet::SendMainSettings(const ProfileSettings& profile, const DpiStepTable& steps) {
    const auto handle = activeHandle_();
    if (!handle) {
        return;
    }
    const CommandImages now = BuildCommandImages(profile, steps);
    const bool rate = take(shadow_.reportRate, now.reportRate, ImageGroup::ReportRate, 1);
    const bool lift = take(shadow_.liftHeight, now.liftHeight, ImageGroup::LiftHeight, 1);
    const bool debounce = take(shadow_.debounce, now.debounce, ImageGroup::Debounce, 1);
    const bool dpi = take(shadow_.dpi, now.dpi, ImageGroup::Dpi, 17);
    const bool colours = take(shadow_.dpiColours, now.dpiColours, ImageGroup::DpiColour, 24);
    const std::size_t n = now.lighting[0];
    const bool lighting = take(shadow_.lighting, now.lighting, ImageGroup::Lighting, n + 1);

    if (dpi) {
        send(handle, cmd::DpiLevels, now.dpi, {ImageGroup::Dpi});
    }
    if (colours) {
        send(handle, cmd::DpiColours, now.dpiColours, {ImageGroup::DpiColour});
    }
    if (rate) {
        send(handle, cmd::ReportRate, std::span(&now.reportRate, 1), {ImageGroup::ReportRate});
    }
    if (lift) {
        const uint8_t payload[] = {now.liftHeight, 0};
        send(handle, cmd::LiftHeight, payload, {ImageGroup::LiftHeight});
    }
    if (debounce) {
        send(handle, cmd::Debounce, std::span(&now.debounce, 1), {ImageGroup::Debounce});
    }
    if (lighting) {
        send(handle, cmd::Lighting, std::span(now.lighting.data() + 1, n), {ImageGroup::Lighting});
    }
}

void CommandSet::SendPowerSettings(const ProfileSettings& profile) {
    const auto handle = activeHandle_();
    if (!handle) {
        return;
    }
    const PowerImage now = BuildPowerImage(profile);
    if (take(shadow_.power, now, ImageGroup::Power, now.size())) {
        send(handle, cmd::PowerSaving, now, {ImageGroup::Power});
    }
}

void CommandSet::SendMotionWakeup(const ProfileSettings& profile) {
    const auto handle = activeHandle_();
    if (!handle) {
        return;
    }
    const uint8_t now = MotionWakeupByte(profile);
    if (take(shadow_.motionWakeup, now, ImageGroup::Wakeup, 1)) {
        send(handle, cmd::MotionWakeup, std::span(&now, 1), {ImageGroup::Wakeup});
    }
}

int CommandSet::slotFor(int32_t macroKeyIndex) {
    for (const auto& [index, slot] : macroSlots_) {
        if (index == macroKeyIndex) {
            return slot;
        }
    }
    const int slot = static_cast<int>(macroSlots_.size()) + 1;
    macroSlots_.emplace_back(macroKeyIndex, slot);
    return slot;
}

bool CommandSet::AllocateMacroSlots(ProfileSettings& profile, const MacroLibrary& library) {
    macroSlots_.clear();
    bool profileChanged = false;
    for (KeySlot& key : profile.keys) {
        if (key.function.Category() != FunctionCategory::Macro) {
            continue;
        }
        const MacroKey* macro = LinkedMacro(key, library);
        if (!macro) {
            key.name = LanguageText(DisabledKeyText);
            key.function = DisabledFunction;
            profileChanged = true;
            continue;
        }
        const int slot = slotFor(macro->MacroKeyIndex);
        if (copyMacros_) {
            key.Assign(key.name, key.function, macro); // the copy an assignment makes
            profileChanged = true;
        } else {
            // The loop settings and command count are not in the profile file.
            profileChanged |= RefreshMacroCopy(key, *macro);
        }
        const uint8_t loopType = macro->MacroKeyLoopType;
        key.function = MakeFunction(
            FunctionCategory::Macro, static_cast<uint8_t>((loopType << 4) | (slot & 0x0F)),
            loopType == MacroLoopType::Counted ? macro->MacroKeyLoopNum : 0);
    }
    copyMacros_ = false;
    return profileChanged;
}

void CommandSet::UploadMacros(const ProfileSettings& profile, bool send) {
    const auto handle = send ? activeHandle_() : nullptr;
    if (send && !handle) {
        return; // the stored images keep describing what the mouse holds
    }
    std::array<bool, DeviceMacroSlots> done{};
    for (const KeySlot& key : profile.keys) {
        if (key.function.Category() != FunctionCategory::Macro) {
            continue;
        }
        const uint8_t slot = key.function.param1 & 0x0F;
        if (std::exchange(done[slot], true)) {
            // Keys sharing a macro share its slot: the mouse takes the upload once.
            if (send) {
                worker_.pause(SettingPause);
            }
            continue;
        }
        const MacroImage image = BuildMacroImage(key.macro, slot);
        const bool changed = unsent_.macros[slot] || image != macroImages_[slot];
        macroImages_[slot] = image;
        unsent_.macros[slot] = false;
        if (!send) {
            continue;
        }
        if (changed) {
            for (const Frame& chunk : BuildMacroChunks(image, slot)) {
                worker_.send(handle, chunk, SettingPause, {ImageGroup::Macro, slot});
                sent_ = true;
            }
        }
        worker_.pause(SettingPause);
    }
}

void CommandSet::FactoryReset() {
    const uint8_t payload[] = {0xFF};
    worker_.send(activeHandle_(), BuildFrame(cmd::FactoryReset, payload),
                 std::chrono::milliseconds{0});
}

void CommandSet::QueryStatus() {
    if (auto handle = activeHandle_()) {
        worker_.query(std::move(handle), cmd::StatusQuery);
    }
}

void CommandSet::SetShadows(const ProfileSettings& profile, const DpiStepTable& steps) {
    shadow_ = BuildCommandImages(profile, steps);
    unsent_.keys.fill(false);
    unsent_.groups.fill(false);
}

void CommandSet::MarkAllUnsent() {
    unsent_.keys.fill(true);
    unsent_.groups.fill(true);
    unsent_.macros.fill(true);
}

void CommandSet::MarkUnsent(unsigned changeGroups) {
    if (changeGroups & ChangeGroup::Keys) {
        unsent_.keys.fill(true);
    }
    if (changeGroups & ChangeGroup::Settings) {
        for (ImageGroup g : {ImageGroup::Dpi, ImageGroup::DpiColour, ImageGroup::ReportRate,
                             ImageGroup::LiftHeight, ImageGroup::Debounce, ImageGroup::Lighting}) {
            unsent_[g] = true;
        }
    }
    if (changeGroups & ChangeGroup::Power) {
        unsent_[ImageGroup::Power] = true;
    }
    if (changeGroups & ChangeGroup::Wakeup) {
        unsent_[ImageGroup::Wakeup] = true;
    }
    if (changeGroups & ChangeGroup::Macros) {
        unsent_.macros.fill(true);
    }
}

void CommandSet::OnWriteFailed(const FrameTag& tag) {
    switch (tag.group) {
    case ImageGroup::None:
        break;
    case ImageGroup::Key:
        if (tag.index < DeviceKeyPositions) {
            unsent_.keys[tag.index] = true;
        }
        break;
    case ImageGroup::Macro:
        unsent_.macros[tag.index & 0x0F] = true;
        break;
    default:
        unsent_[tag.group] = true;
        break;
    }
}

} // namespace ferrox
