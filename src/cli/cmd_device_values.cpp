// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cmd_device_values.h"

#include <cctype>
#include <charconv>

namespace ferrox {

namespace {

std::optional<unsigned long> ParseDigits(std::string_view text, int base) {
    unsigned long value = 0;
    const char* end = text.data() + text.size();
    if (text.empty()) {
        return std::nullopt;
    }
    auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned long> ParseSixHex(const std::string& text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    return ParseDigits(text, 16);
}

} // namespace

std::optional<long> ParseCliNumber(const std::string& text, long min, long max) {
    std::string_view digits = text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    const std::optional<unsigned long> value = ParseDigits(digits, base);
    if (!value || *value > static_cast<unsigned long>(max) || static_cast<long>(*value) < min) {
        return std::nullopt;
    }
    return static_cast<long>(*value);
}

std::optional<bool> ParseOnOff(const std::string& text) {
    if (text == "on") {
        return true;
    }
    if (text == "off") {
        return false;
    }
    return std::nullopt;
}

std::optional<Colour> ParseColour(const std::string& text) {
    const auto value = ParseSixHex(text);
    return value ? std::optional(ColourFromHex(static_cast<uint32_t>(*value))) : std::nullopt;
}

std::optional<ButtonFunction> ParseFunctionCode(const std::string& text) {
    const auto value = ParseSixHex(text);
    if (!value) {
        return std::nullopt;
    }
    return ButtonFunction{static_cast<uint8_t>(*value >> 16), static_cast<uint8_t>(*value >> 8),
                          static_cast<uint8_t>(*value)};
}

} // namespace ferrox
