// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/virtual/virtual_mouse_action.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace ferrox {

const char* const kVirtualActionUsage =
    "dpi-button | rate 125|250|500|1000 | unplug wired|receiver | plug wired|receiver | "
    "battery 0-255 | charging on|off|full | show-button on|off";

namespace {

using K = VirtualActionKind;

struct Word {
    std::string_view text;
    uint32_t value;
};
constexpr std::array kKinds = {Word{"wired", uint32_t(DeviceKind::Wired)},
                               Word{"receiver", uint32_t(DeviceKind::Receiver)}};
constexpr std::array kCharge = {Word{"off", 0}, Word{"on", 1}, Word{"full", 2}};
constexpr std::array kOnOff = {Word{"off", 0}, Word{"on", 1}};
constexpr std::array kRates = {125u, 250u, 500u, 1000u};
constexpr uint32_t kMaxBattery = 255;

struct Verb {
    std::string_view name;
    K kind;
    bool takesValue;
};
constexpr std::array kVerbs = {
    Verb{"dpi-button", K::DpiButton, false}, Verb{"rate", K::Rate, true},
    Verb{"unplug", K::Unplug, true},         Verb{"plug", K::Plug, true},
    Verb{"battery", K::Battery, true},       Verb{"charging", K::Charging, true},
    Verb{"show-button", K::ShowButton, true},
};

template <std::size_t N>
std::optional<uint32_t> Lookup(const std::array<Word, N>& words, std::string_view text) {
    for (const Word& word : words)
        if (word.text == text)
            return word.value;
    return std::nullopt;
}

std::optional<uint32_t> Number(std::string_view text) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool ValidValue(K kind, uint32_t value) {
    switch (kind) {
    case K::DpiButton:
        return true;
    case K::Rate:
        return std::ranges::find(kRates, value) != kRates.end();
    case K::Unplug:
    case K::Plug:
        return value <= uint32_t(DeviceKind::Receiver);
    case K::Battery:
        return value <= kMaxBattery;
    case K::Charging:
        return value <= 2;
    case K::ShowButton:
        return value <= 1;
    }
    return false;
}

std::optional<uint32_t> ParseValue(K kind, std::string_view text) {
    switch (kind) {
    case K::Unplug:
    case K::Plug:
        return Lookup(kKinds, text);
    case K::Charging:
        return Lookup(kCharge, text);
    case K::ShowButton:
        return Lookup(kOnOff, text);
    default:
        return Number(text);
    }
}

} // namespace

std::optional<VirtualAction> ParseVirtualAction(std::span<const std::string> words,
                                                std::string& error) {
    if (words.empty()) {
        error = "say what to do: " + std::string(kVirtualActionUsage);
        return std::nullopt;
    }
    const auto verb = std::ranges::find(kVerbs, words[0], &Verb::name);
    if (verb == kVerbs.end()) {
        error = "unknown action '" + words[0] + "'; use " + kVirtualActionUsage;
        return std::nullopt;
    }
    if (words.size() != (verb->takesValue ? 2u : 1u)) {
        error = std::string(verb->name) +
                (verb->takesValue ? " takes one value" : " takes no value") + "; use " +
                kVirtualActionUsage;
        return std::nullopt;
    }
    VirtualAction action{verb->kind, 0};
    if (verb->takesValue) {
        const std::optional<uint32_t> value = ParseValue(verb->kind, words[1]);
        if (!value || !ValidValue(verb->kind, *value)) {
            error = "'" + words[1] + "' is not a value for " + std::string(verb->name) +
                    "; use " + kVirtualActionUsage;
            return std::nullopt;
        }
        action.value = *value;
    }
    return action;
}

std::optional<VirtualAction> VirtualActionOfMessage(uint32_t wParam, uint32_t lParam) {
    const auto verb = std::ranges::find(kVerbs, K(wParam), &Verb::kind);
    if (verb == kVerbs.end() || !ValidValue(verb->kind, lParam))
        return std::nullopt;
    return VirtualAction{verb->kind, verb->takesValue ? lParam : 0};
}

} // namespace ferrox
