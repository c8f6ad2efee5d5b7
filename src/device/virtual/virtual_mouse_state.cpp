// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/virtual/virtual_mouse_state.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <sstream>
#include <string_view>

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
constexpr std::string_view kFileHeader = "ferrox-virtual-mouse 1";
constexpr std::size_t kMaxLightingPayload = 26;

// The fields of fixed length, by their name in the state file.
struct FixedField {
    std::string_view name;
    std::span<uint8_t> (*bytes)(VirtualMouseState&);
};

constexpr FixedField kFixedFields[] = {
    {"dpi", [](VirtualMouseState& s) { return std::span<uint8_t>(s.dpi); }},
    {"dpi-colours", [](VirtualMouseState& s) { return std::span<uint8_t>(s.dpiColours); }},
    {"rate", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.rateCode, 1); }},
    {"lift", [](VirtualMouseState& s) { return std::span<uint8_t>(s.liftHeight); }},
    {"debounce", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.debounce, 1); }},
    {"power", [](VirtualMouseState& s) { return std::span<uint8_t>(s.power); }},
    {"wakeup", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.motionWakeup, 1); }},
    {"key0", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[0]); }},
    {"key1", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[1]); }},
    {"key2", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[2]); }},
    {"key3", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[3]); }},
    {"key4", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[4]); }},
    {"key5", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[5]); }},
    {"key6", [](VirtualMouseState& s) { return std::span<uint8_t>(s.keys[6]); }},
    {"signature", [](VirtualMouseState& s) { return std::span<uint8_t>(s.signature); }},
    {"sensor", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.sensorCode, 1); }},
    {"battery", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.battery, 1); }},
    {"charge", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.chargeState, 1); }},
    {"access", [](VirtualMouseState& s) { return std::span<uint8_t>(&s.accessFlag, 1); }},
};

std::string hexLine(std::string_view name, std::span<const uint8_t> bytes) {
    std::string line(name);
    char hex[4];
    for (uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line + "\n";
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

// The macro slot a "macroN" name stands for, or -1.
int macroSlotOf(std::string_view name, std::size_t slots) {
    if (!name.starts_with("macro") || name.size() < 6 || name.size() > 7) {
        return -1;
    }
    int slot = 0;
    for (char c : name.substr(5)) {
        if (c < '0' || c > '9') {
            return -1;
        }
        slot = slot * 10 + (c - '0');
    }
    return static_cast<std::size_t>(slot) < slots ? slot : -1;
}

// Takes one line's bytes into s; false when the line does not fit its field.
bool takeLine(VirtualMouseState& s, std::string_view name, const std::vector<uint8_t>& bytes) {
    for (const FixedField& field : kFixedFields) {
        if (field.name == name) {
            const std::span<uint8_t> to = field.bytes(s);
            if (bytes.size() != to.size()) {
                return false;
            }
            std::copy(bytes.begin(), bytes.end(), to.begin());
            return true;
        }
    }
    if (name == "lighting") {
        s.lighting = bytes;
        return bytes.size() <= kMaxLightingPayload;
    }
    if (name.starts_with("macro")) {
        const int slot = macroSlotOf(name, s.macros.size());
        if (slot < 0) {
            return false;
        }
        s.macros[static_cast<std::size_t>(slot)] = bytes;
    }
    return true; // other names: fields of a later version
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
    VirtualMouseState copy = *this; // the field table hands out writable views
    std::string text = std::string(kFileHeader) + "\n";
    for (const FixedField& field : kFixedFields) {
        text += hexLine(field.name, field.bytes(copy));
    }
    text += hexLine("lighting", lighting);
    for (std::size_t slot = 0; slot < macros.size(); ++slot) {
        if (!macros[slot].empty()) {
            text += hexLine("macro" + std::to_string(slot), macros[slot]);
        }
    }
    return text + "resets " + std::to_string(factoryResets) + "\n";
}

bool VirtualMouseState::parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    if (!std::getline(lines, line) || line != kFileHeader) {
        return false;
    }
    VirtualMouseState s = Defaults();
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
        std::vector<uint8_t> bytes;
        if (!parseHexBytes(in, bytes) || !takeLine(s, name, bytes)) {
            return false;
        }
    }
    *this = std::move(s);
    return true;
}

} // namespace ferrox
