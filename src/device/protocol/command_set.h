// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every command the program sends, with the current and last-sent images that decide which
// of them go out. Runs on the owner's thread; frames are queued on the device worker, which
// writes them with their pauses. A failed write comes back (WriteFailedMessage) and marks the
// image it came from as not sent, so the change goes out again after the next connection.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "device/protocol/command_images.h"
#include "device/protocol/command_macros.h"
#include "device/protocol/device_worker.h"
#include "macros/macro_library.h"

namespace ferrox {

inline constexpr std::chrono::milliseconds SettingPause{60};
inline constexpr int DeviceMacroSlots = 16; // the slot travels in a 4-bit field

class CommandSet {
public:
    using HandleSource = std::function<std::shared_ptr<HidHandle>()>;

    CommandSet(DeviceWorker& worker, HandleSource activeHandle);

    // Set by every setting command that queued a frame; ApplyAll clears it first.
    bool sentFlag() const { return sent_; }
    void clearSentFlag() { sent_ = false; }

    void SendKeyTable(const ProfileSettings& profile);
    void SendMainSettings(const ProfileSettings& profile, const DpiStepTable& steps);
    void SendPowerSettings(const ProfileSettings& profile);
    void SendMotionWakeup(const ProfileSettings& profile);

    // Gives device macro slots 1..7 to the library macros assigned in the profile and fills in
    // their functions; keys whose macro is gone become disabled. True when the profile changed.
    bool AllocateMacroSlots(ProfileSettings& profile, const MacroLibrary& library);
    // The next AllocateMacroSlots also copies the library macros into the key slots.
    void RequestMacroCopy() { copyMacros_ = true; }
    void UploadMacros(const ProfileSettings& profile, bool send);
    // Forgets which library macro holds which device slot (after a firmware reset).
    void ClearMacroSlots() { macroSlots_.clear(); }

    void FactoryReset();
    void QueryStatus();

    // Step 1 of SyncShadows: every last-sent image from the profile, nothing sent.
    void SetShadows(const ProfileSettings& profile, const DpiStepTable& steps);
    // Every image counts as never sent: the next send of each group sends all of it.
    void MarkAllUnsent();
    // The same for the images of some ChangeGroup bits.
    void MarkUnsent(unsigned changeGroups);
    // Whether a command interface is open, so that sends reach the worker.
    bool connected() const { return activeHandle_() != nullptr; }
    void OnWriteFailed(const FrameTag& tag);

private:
    struct Unsent {
        std::array<bool, DeviceKeyPositions> keys{};
        std::array<bool, 16> groups{}; // by ImageGroup
        std::array<bool, DeviceMacroSlots> macros{};
        bool& operator[](ImageGroup g) { return groups[static_cast<std::size_t>(g)]; }
    };

    void send(const std::shared_ptr<HidHandle>& handle, uint8_t command,
              std::span<const uint8_t> payload, FrameTag tag);
    template <typename Image>
    bool take(Image& shadow, const Image& current, ImageGroup group, std::size_t compared);
    int slotFor(int32_t macroKeyIndex);

    DeviceWorker& worker_;
    HandleSource activeHandle_;
    bool sent_ = false;
    CommandImages shadow_;
    std::array<MacroImage, DeviceMacroSlots> macroImages_{};
    Unsent unsent_;
    // Device macro slot of each library macro given one at the last allocation.
    std::vector<std::pair<int32_t, int>> macroSlots_;
    bool copyMacros_ = false;
};

} // namespace ferrox
