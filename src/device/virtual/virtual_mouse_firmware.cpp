// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/virtual/virtual_mouse_firmware.h"

#include "base/file_replace.h"
#include "base/regular_file.h"

#include <algorithm>
#include <bit>

namespace ferrox {

namespace {

constexpr std::size_t kInputReportSize = 33;

template <std::size_t N> void copyPayload(std::array<uint8_t, N>& to, const Frame& f) {
    to.fill(0);
    std::copy_n(f.begin() + 7, std::min<std::size_t>(f[6], N), to.begin());
}

// 05 06: the mouse's notice of its report-rate code and its 1-based DPI level.
std::vector<uint8_t> noticeReport(uint8_t rateCode, uint8_t level) {
    std::vector<uint8_t> report(kInputReportSize, 0);
    report[0] = 0x05;
    report[1] = 0x06;
    report[3] = rateCode;
    report[4] = level;
    return report;
}

} // namespace

VirtualMouseFirmware::VirtualMouseFirmware() : state_(VirtualMouseState::Defaults()) {}

bool VirtualMouseFirmware::validFrame(std::span<const uint8_t> report) {
    return report.size() == kFrameSize && report[0] == kCommandReportId && report[1] == 0x01 &&
           report[6] <= kMaxPayload;
}

bool VirtualMouseFirmware::onSetFeature(std::span<const uint8_t> report) {
    std::function<void()> unplugNow;
    bool accepted = true;
    {
        std::lock_guard lock(mutex_);
        if (unplugged_ || failWrites_) {
            return false;
        }
        if (framesUntilUnplug_ == 0) {
            unplugged_ = true;
            accepted = false;
            sink_ = {};
            unplugNow = std::move(onUnplug_);
        } else {
            if (framesUntilUnplug_ > 0) {
                --framesUntilUnplug_;
            }
            Frame f{};
            std::copy_n(report.begin(), std::min(report.size(), kFrameSize), f.begin());
            frames_.push_back(f);
            if (validFrame(report)) {
                apply(f);
            }
        }
    }
    if (unplugNow) {
        unplugNow();
    }
    return accepted;
}

bool VirtualMouseFirmware::onGetFeature(std::span<uint8_t> report) {
    std::lock_guard lock(mutex_);
    if (unplugged_ || report.size() < kFrameSize) {
        return false;
    }
    if (!answerReady_) {
        // Nothing asked: an answer with no payload.
        answer_ = BuildFrame(0x00, {});
    }
    Frame before{};
    std::copy_n(report.begin(), kFrameSize, before.begin());
    std::copy(answer_.begin(), answer_.end(), report.begin());
    spoiler_.spoil(report.first(kFrameSize), before);
    answerReady_ = false;
    return true;
}

void VirtualMouseFirmware::setInputSink(InputSink sink) {
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
}

void VirtualMouseFirmware::apply(const Frame& f) {
    const uint8_t command = f[2];
    const uint8_t n = f[6];
    switch (command) {
    case cmd::KeyFunction:
        if (n >= 4 && f[7] < state_.keys.size()) {
            state_.keys[f[7]] = {f[8], f[9], f[10]};
        }
        break;
    case cmd::DpiLevels:
        copyPayload(state_.dpi, f);
        break;
    case cmd::DpiColours:
        copyPayload(state_.dpiColours, f);
        break;
    case cmd::ReportRate:
        if (n >= 1) {
            state_.rateCode = f[7];
        }
        break;
    case cmd::Lighting:
        state_.lighting.assign(f.begin() + 7, f.begin() + 7 + n);
        break;
    case cmd::LiftHeight:
        copyPayload(state_.liftHeight, f);
        break;
    case cmd::Debounce:
        if (n >= 1) {
            state_.debounce = f[7];
        }
        break;
    case cmd::PowerSaving:
        copyPayload(state_.power, f);
        break;
    case cmd::MotionWakeup:
        if (n >= 1) {
            state_.motionWakeup = f[7];
        }
        break;
    case cmd::MacroChunk:
        applyMacroChunk(f);
        break;
    case cmd::FactoryReset:
        if (n >= 1 && f[7] == 0xFF) {
            state_.resetSettings();
            ++state_.factoryResets;
        }
        break;
    case cmd::StatusQuery:
        answer_ = statusAnswer(f[4]);
        answerReady_ = true;
        break;
    default:
        break;
    }
}

// Chunk 1 (index 0) of an upload starts the slot afresh; later chunks append in order. The
// 4-bit index and count in byte 5 wrap after 15 chunks, so index 0 continues an upload only
// when it is the chunk the upload still expects (its count says more than 16 are coming).
// A chunk out of order is ignored.
void VirtualMouseFirmware::applyMacroChunk(const Frame& f) {
    const uint8_t n = f[6];
    if (n < 1) {
        return;
    }
    const int slot = f[7] & 0x0F;
    const int index = f[5] >> 4;
    const bool expected = slot == upload_.slot && index == (upload_.received & 0x0F);
    const bool complete = upload_.received > 0 && (upload_.received & 0x0F) == upload_.count;
    std::vector<uint8_t>& data = state_.macros[slot];
    if (!expected || (index == 0 && complete)) {
        if (index != 0) {
            return;
        }
        data.clear();
        upload_ = {slot, 0, f[5] & 0x0F};
    }
    data.insert(data.end(), f.begin() + 8, f.begin() + 7 + n);
    ++upload_.received;
}

Frame VirtualMouseFirmware::statusAnswer(uint8_t sequence) {
    std::array<uint8_t, 15> payload{}; // frame bytes 7..21
    if (emptyAnswers_ > 0) {
        --emptyAnswers_;
        Frame empty = BuildFrame(cmd::StatusQuery, {});
        empty[4] = sequence;
        return empty;
    }
    std::copy(state_.signature.begin(), state_.signature.end(), payload.begin() + 1);
    payload[8] = state_.sensorCode;
    payload[11] = state_.battery;
    payload[12] = state_.chargeState;
    payload[14] = state_.accessFlag;
    Frame answer = BuildFrame(cmd::StatusQuery, payload);
    answer[4] = sequence;
    return answer;
}

void VirtualMouseFirmware::sendInput(std::vector<uint8_t> report) {
    InputSink sink;
    {
        std::lock_guard lock(mutex_);
        if (unplugged_) {
            return;
        }
        sink = sink_;
    }
    if (sink) {
        sink(std::move(report));
    }
}

void VirtualMouseFirmware::pressDpiButton() {
    uint8_t rate = 0;
    uint8_t level = 0;
    {
        std::lock_guard lock(mutex_);
        const uint8_t mask = state_.dpiEnableMask();
        if (mask == 0) {
            return;
        }
        // The level travels as its position among the enabled levels, counted from 1.
        const int enabled = std::popcount(mask);
        const int position = (std::clamp(state_.dpiLevel() - 1, 0, 7) + 1) % enabled;
        state_.dpi[0] = static_cast<uint8_t>((state_.dpi[0] & 0x0F) | ((position + 1) << 4));
        rate = state_.rateCode;
        level = static_cast<uint8_t>(position + 1);
    }
    sendInput(noticeReport(rate, level));
}

void VirtualMouseFirmware::changeReportRate(uint8_t rateCode) {
    uint8_t level = 0;
    {
        std::lock_guard lock(mutex_);
        state_.rateCode = rateCode;
        level = state_.dpiLevel();
    }
    sendInput(noticeReport(rateCode, level));
}

void VirtualMouseFirmware::sendGarbageInput() {
    std::vector<uint8_t> report(kInputReportSize, 0xA5);
    report[0] = 0x05;
    report[1] = 0x07;
    sendInput(report);
    report[0] = 0x06;
    report[1] = 0x05;
    sendInput(report);
    sendInput({0x05}); // shorter than a notice
}

std::vector<Frame> VirtualMouseFirmware::frames() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

void VirtualMouseFirmware::clearFrames() {
    std::lock_guard lock(mutex_);
    frames_.clear();
}

VirtualMouseState VirtualMouseFirmware::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void VirtualMouseFirmware::setState(const VirtualMouseState& state) {
    std::lock_guard lock(mutex_);
    state_ = state;
}

void VirtualMouseFirmware::unplugAfter(int frames, std::function<void()> onUnplug) {
    std::lock_guard lock(mutex_);
    framesUntilUnplug_ = frames;
    onUnplug_ = std::move(onUnplug);
}

void VirtualMouseFirmware::replug() {
    std::lock_guard lock(mutex_);
    unplugged_ = false;
    framesUntilUnplug_ = -1;
}

void VirtualMouseFirmware::setFailWrites(bool fail) {
    std::lock_guard lock(mutex_);
    failWrites_ = fail;
}

void VirtualMouseFirmware::setEmptyAnswers(int count) {
    std::lock_guard lock(mutex_);
    emptyAnswers_ = count;
}

void VirtualMouseFirmware::spoilAnswers(SpoiledAnswer kind, int count) {
    std::lock_guard lock(mutex_);
    spoiler_.arm(kind, count);
}

void VirtualMouseFirmware::setSensorCode(uint8_t code) {
    std::lock_guard lock(mutex_);
    state_.sensorCode = code;
}

void VirtualMouseFirmware::setBattery(uint8_t level, uint8_t chargeState) {
    std::lock_guard lock(mutex_);
    state_.battery = level;
    state_.chargeState = chargeState;
}

void VirtualMouseFirmware::setAccessFlag(uint8_t flag) {
    std::lock_guard lock(mutex_);
    state_.accessFlag = flag;
}

bool VirtualMouseFirmware::saveState(const std::filesystem::path& file,
                                     FileProblem& problem) const {
    return ReplaceFileBytes(file, state().serialize(), problem);
}

VirtualMouseFirmware::StateLoad VirtualMouseFirmware::loadState(const std::filesystem::path& file,
                                                                FileProblem& problem) {
    // A state file is a few kilobytes of text.
    constexpr std::uintmax_t kMaxStateBytes = 1u << 20;
    const std::optional<std::string> text = ReadWholeFile(file, kMaxStateBytes, problem);
    if (!text) {
        return IsMissingFile(problem) ? StateLoad::Missing : StateLoad::Unreadable;
    }
    VirtualMouseState s = state();
    if (!s.parse(*text)) {
        return StateLoad::NotAState;
    }
    setState(s);
    return StateLoad::Loaded;
}

std::string StateFileFault(const std::filesystem::path& file, VirtualMouseFirmware::StateLoad load,
                           const FileProblem& problem) {
    switch (load) {
    case VirtualMouseFirmware::StateLoad::Unreadable:
        return DescribeFileProblem(problem);
    case VirtualMouseFirmware::StateLoad::NotAState:
        return file.string() + " is not a virtual mouse state file";
    default:
        return {};
    }
}

} // namespace ferrox
