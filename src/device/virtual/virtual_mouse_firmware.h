// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simulated firmware behind the virtual mouse: keeps what the setting commands write,
// reassembles macros from their chunks, answers the status query, sends the 05 06 notice when
// its own DPI button or report rate changes, and can be made to misbehave on purpose.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <mutex>
#include <vector>

#include "base/file_problems.h"
#include "device/protocol/frame.h"
#include "device/virtual/spoiled_answers.h"
#include "device/hid/virtual_firmware.h"
#include "device/virtual/virtual_mouse_state.h"

namespace ferrox {

class VirtualMouseFirmware : public VirtualFirmware {
public:
    VirtualMouseFirmware();

    bool onSetFeature(std::span<const uint8_t> report) override;
    bool onGetFeature(std::span<uint8_t> report) override;
    void setInputSink(InputSink sink) override;

    // Every feature report written to the command interface, valid or not, in order.
    std::vector<Frame> frames() const;
    void clearFrames();
    VirtualMouseState state() const;
    void setState(const VirtualMouseState& state);

    // The mouse's own controls.
    void pressDpiButton(); // next enabled level, then the 05 06 notice
    void changeReportRate(uint8_t rateCode);

    // Faults.
    // After `frames` more writes the mouse is gone: writes and reads fail, no more input
    // reports, and onUnplug runs (the virtual backend drops the device there).
    void unplugAfter(int frames, std::function<void()> onUnplug = {});
    void replug();
    void setFailWrites(bool fail);
    void setEmptyAnswers(int count); // the next `count` answers have payload length 0
    void spoilAnswers(SpoiledAnswer kind, int count);
    void sendGarbageInput();
    void setSensorCode(uint8_t code);
    void setBattery(uint8_t level, uint8_t chargeState);
    void setAccessFlag(uint8_t flag);

    // For --simulate-state FILE. Saving replaces the file as every save does
    // (base/file_replace.h); problem says why it failed. A file that is not there leaves the
    // state as it is.
    enum class StateLoad { Loaded, Missing, Unreadable, NotAState };
    [[nodiscard]] bool saveState(const std::filesystem::path& file, FileProblem& problem) const;
    [[nodiscard]] StateLoad loadState(const std::filesystem::path& file, FileProblem& problem);

private:
    static bool validFrame(std::span<const uint8_t> report);
    void apply(const Frame& frame);
    void applyMacroChunk(const Frame& frame);
    Frame statusAnswer(uint8_t sequence);
    void sendInput(std::vector<uint8_t> report);

    mutable std::mutex mutex_;
    VirtualMouseState state_;
    std::vector<Frame> frames_;
    InputSink sink_;
    Frame answer_{};
    bool answerReady_ = false;
    // The macro upload under way: its slot, the chunks taken and the 4-bit count they carry.
    struct Upload {
        int slot = -1;
        int received = 0;
        int count = 0;
    } upload_;
    bool unplugged_ = false;
    int framesUntilUnplug_ = -1;
    std::function<void()> onUnplug_;
    bool failWrites_ = false;
    int emptyAnswers_ = 0;
    AnswerSpoiler spoiler_;
};

// What to tell the user of a state file that could not be loaded; empty when there is
// nothing to tell (loaded, or not there yet).
std::string StateFileFault(const std::filesystem::path& file, VirtualMouseFirmware::StateLoad load,
                           const FileProblem& problem);

} // namespace ferrox
