// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 33-byte frame every command and answer uses, and the codes of the commands.

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace ferrox {

inline constexpr std::size_t kFrameSize = 33;
inline constexpr std::size_t kMaxPayload = 26;
using Frame = std::array<uint8_t, kFrameSize>;

// Byte 0 of every command frame and answer: the feature report's ID.
inline constexpr uint8_t kCommandReportId = 0x0C;

namespace cmd {
inline constexpr uint8_t KeyFunction = 0x04;
inline constexpr uint8_t DpiLevels = 0x05;
inline constexpr uint8_t DpiColours = 0x06;
inline constexpr uint8_t ReportRate = 0x07;
inline constexpr uint8_t Lighting = 0x08;
inline constexpr uint8_t LiftHeight = 0x09;
inline constexpr uint8_t Debounce = 0x0A;
inline constexpr uint8_t PowerSaving = 0x0B;
inline constexpr uint8_t MotionWakeup = 0x0C;
inline constexpr uint8_t MacroChunk = 0x0E;
inline constexpr uint8_t FactoryReset = 0x0F;
inline constexpr uint8_t StatusQuery = 0x20;
} // namespace cmd

// Builds a command frame. Byte 4 (sequence number) is left 0: the device worker stamps it
// as it writes, so numbers follow wire order. byte5 is 0x01 except in macro chunks.
// A payload longer than 26 bytes is cut to 26 (the device rejects longer ones).
Frame BuildFrame(uint8_t command, std::span<const uint8_t> payload, uint8_t byte5 = 0x01);

// An answer buffer ready for reading: report ID, then 0xFF everywhere.
Frame PreparedAnswerBuffer();

inline uint8_t FramePayloadLength(const Frame& f) {
    return f[6];
}

// One line of a --trace log: the direction ('>' written, '<' read), then every byte as two
// upper-case hex digits after a space, then a newline.
std::string TraceLine(char direction, std::span<const uint8_t> report);

} // namespace ferrox
