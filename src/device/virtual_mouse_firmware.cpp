#include "device/virtual_mouse_firmware.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace ferrox {

namespace {

// Device codes of the six DPI levels the mouse starts with (its own sensor's defaults).
constexpr std::array<uint8_t, 6> kDefaultDpiCodes{11, 23, 31, 47, 53, 59};
constexpr std::array<uint32_t, 8> kDefaultDpiColours{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                                                     0xFF00FF, 0x00FFFF, 0xFFFFFF, 0xFFFFFF};
// Key functions by device position (positions 3 and 4 hold buttons 4 and 5).
constexpr std::array<std::array<uint8_t, 3>, 7> kDefaultKeys{{{0x10, 0x01, 0x00},
                                                              {0x10, 0x02, 0x00},
                                                              {0x10, 0x04, 0x00},
                                                              {0x10, 0x08, 0x00},
                                                              {0x10, 0x10, 0x00},
                                                              {0x40, 0x02, 0x00},
                                                              {0x40, 0x03, 0x00}}};
constexpr std::size_t kInputReportSize = 33;

template <std::size_t N> void copyPayload(std::array<uint8_t, N>& to, const Frame& f) {
    to.fill(0);
    std::copy_n(f.begin() + 7, std::min<std::size_t>(f[6], N), to.begin());
}

std::string hexBytes(std::span<const uint8_t> bytes) {
    std::string out;
    char buf[4];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, " %02X", b);
        out += buf;
    }
    return out;
}

bool parseHexBytes(std::istringstream& in, std::vector<uint8_t>& out) {
    std::string token;
    while (in >> token) {
        if (token.size() != 2 || !std::isxdigit(static_cast<unsigned char>(token[0])) ||
            !std::isxdigit(static_cast<unsigned char>(token[1]))) {
            return false;
        }
        out.push_back(static_cast<uint8_t>(std::stoul(token, nullptr, 16)));
    }
    return true;
}

template <std::size_t N>
bool assign(std::array<uint8_t, N>& to, const std::vector<uint8_t>& bytes) {
    if (bytes.size() != N) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), to.begin());
    return true;
}

bool assign(uint8_t& to, const std::vector<uint8_t>& bytes) {
    if (bytes.size() != 1) {
        return false;
    }
    to = bytes[0];
    return true;
}

} // namespace

void VirtualMouseState::resetSettings() {
    dpi.fill(0);
    dpi[0] = static_cast<uint8_t>(kDefaultDpiCodes.size() | (2 << 4));
    dpi[1] = 0x3F;
    for (std::size_t k = 0; k < kDefaultDpiCodes.size(); ++k) {
        dpi[2 + 2 * k] = kDefaultDpiCodes[k];
    }
    for (std::size_t k = 0; k < kDefaultDpiColours.size(); ++k) {
        dpiColours[3 * k] = static_cast<uint8_t>(kDefaultDpiColours[k] >> 16);
        dpiColours[3 * k + 1] = static_cast<uint8_t>(kDefaultDpiColours[k] >> 8);
        dpiColours[3 * k + 2] = static_cast<uint8_t>(kDefaultDpiColours[k]);
    }
    rateCode = 0x02;
    liftHeight = {2, 0};
    debounce = 12;
    lighting = {0x01, 0x22, 0x01};
    power = {6, 0};
    motionWakeup = 1;
    keys = kDefaultKeys;
    for (auto& m : macros) {
        m.clear();
    }
}

VirtualMouseState VirtualMouseState::Defaults() {
    VirtualMouseState s;
    s.resetSettings();
    return s;
}

std::string VirtualMouseState::serialize() const {
    std::ostringstream out;
    out << "ferrox-virtual-mouse 1\n";
    out << "dpi" << hexBytes(dpi) << "\n";
    out << "dpi-colours" << hexBytes(dpiColours) << "\n";
    out << "rate" << hexBytes(std::span(&rateCode, 1)) << "\n";
    out << "lift" << hexBytes(liftHeight) << "\n";
    out << "debounce" << hexBytes(std::span(&debounce, 1)) << "\n";
    out << "lighting" << hexBytes(lighting) << "\n";
    out << "power" << hexBytes(power) << "\n";
    out << "wakeup" << hexBytes(std::span(&motionWakeup, 1)) << "\n";
    for (std::size_t p = 0; p < keys.size(); ++p) {
        out << "key" << p << hexBytes(keys[p]) << "\n";
    }
    for (std::size_t s = 0; s < macros.size(); ++s) {
        if (!macros[s].empty()) {
            out << "macro" << s << hexBytes(macros[s]) << "\n";
        }
    }
    out << "signature" << hexBytes(signature) << "\n";
    out << "sensor" << hexBytes(std::span(&sensorCode, 1)) << "\n";
    out << "battery" << hexBytes(std::span(&battery, 1)) << "\n";
    out << "charge" << hexBytes(std::span(&chargeState, 1)) << "\n";
    out << "access" << hexBytes(std::span(&accessFlag, 1)) << "\n";
    out << "resets " << factoryResets << "\n";
    return out.str();
}

bool VirtualMouseState::parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != "ferrox-virtual-mouse 1") {
        return false;
    }
    VirtualMouseState s = Defaults();
    s.signature = signature;
    while (std::getline(lines, line)) {
        std::istringstream in(line);
        std::string name;
        if (!(in >> name)) {
            continue;
        }
        if (name == "resets") {
            if (!(in >> s.factoryResets)) {
                return false;
            }
            continue;
        }
        std::vector<uint8_t> b;
        if (!parseHexBytes(in, b)) {
            return false;
        }
        bool ok = true;
        if (name == "dpi") {
            ok = assign(s.dpi, b);
        } else if (name == "dpi-colours") {
            ok = assign(s.dpiColours, b);
        } else if (name == "rate") {
            ok = assign(s.rateCode, b);
        } else if (name == "lift") {
            ok = assign(s.liftHeight, b);
        } else if (name == "debounce") {
            ok = assign(s.debounce, b);
        } else if (name == "lighting") {
            ok = b.size() <= kMaxPayload;
            s.lighting = b;
        } else if (name == "power") {
            ok = assign(s.power, b);
        } else if (name == "wakeup") {
            ok = assign(s.motionWakeup, b);
        } else if (name.size() == 4 && name.starts_with("key") && name[3] >= '0' &&
                   name[3] <= '6') {
            ok = assign(s.keys[name[3] - '0'], b);
        } else if (name.starts_with("macro")) {
            const std::string digits = name.substr(5);
            ok = !digits.empty() && digits.size() <= 2 &&
                 std::all_of(digits.begin(), digits.end(), ::isdigit) &&
                 std::stoul(digits) < s.macros.size();
            if (ok) {
                s.macros[std::stoul(digits)] = b;
            }
        } else if (name == "signature") {
            ok = assign(s.signature, b);
        } else if (name == "sensor") {
            ok = assign(s.sensorCode, b);
        } else if (name == "battery") {
            ok = assign(s.battery, b);
        } else if (name == "charge") {
            ok = assign(s.chargeState, b);
        } else if (name == "access") {
            ok = assign(s.accessFlag, b);
        }
        if (!ok) {
            return false;
        }
    }
    *this = std::move(s);
    return true;
}

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
    std::copy(answer_.begin(), answer_.end(), report.begin());
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
    if (command != cmd::MacroChunk) {
        uploadSlot_ = -1;
    }
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

// The 4-bit index and count in byte 5 repeat after 15 chunks, so an upload is recognised as
// the run of consecutive chunks for one slot, concatenated in arrival order.
void VirtualMouseFirmware::applyMacroChunk(const Frame& f) {
    const uint8_t n = f[6];
    if (n < 1) {
        uploadSlot_ = -1;
        return;
    }
    const int slot = f[7] & 0x0F;
    std::vector<uint8_t>& data = state_.macros[slot];
    if (slot != uploadSlot_) {
        data.clear();
        uploadSlot_ = slot;
    }
    data.insert(data.end(), f.begin() + 8, f.begin() + 7 + n);
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
        int index = std::clamp(state_.dpiLevel() - 1, 0, 7);
        do {
            index = (index + 1) % 8;
        } while (!(mask & (1u << index)));
        state_.dpi[0] = static_cast<uint8_t>((state_.dpi[0] & 0x0F) | ((index + 1) << 4));
        rate = state_.rateCode;
        level = static_cast<uint8_t>(index + 1);
    }
    std::vector<uint8_t> report(kInputReportSize, 0);
    report[0] = 0x05;
    report[1] = 0x06;
    report[3] = rate;
    report[4] = level;
    sendInput(std::move(report));
}

void VirtualMouseFirmware::changeReportRate(uint8_t rateCode) {
    uint8_t level = 0;
    {
        std::lock_guard lock(mutex_);
        state_.rateCode = rateCode;
        level = state_.dpiLevel();
    }
    std::vector<uint8_t> report(kInputReportSize, 0);
    report[0] = 0x05;
    report[1] = 0x06;
    report[3] = rateCode;
    report[4] = level;
    sendInput(std::move(report));
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

bool VirtualMouseFirmware::saveState(const std::filesystem::path& file) const {
    const std::string text = state().serialize();
    std::filesystem::path temp = file;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out || !(out << text) || !out.flush()) {
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, file, ec);
    return !ec;
}

bool VirtualMouseFirmware::loadState(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    VirtualMouseState s = state();
    if (!s.parse(text.str())) {
        return false;
    }
    setState(s);
    return true;
}

} // namespace ferrox
