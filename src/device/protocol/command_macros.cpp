// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/protocol/command_macros.h"

#include <algorithm>

#include "keys/key_codes.h"

namespace ferrox {

namespace {

// Type (high nibble of command byte 0) and code byte for an action's device code d.
struct CommandCode {
    uint8_t type;
    uint8_t code;
};

CommandCode commandCodeOf(const MacroAction& a) {
    const uint8_t d = KeyUsage(a.b0);
    if (d <= 0x91) { // 0x91 (LANG2) is a keyboard key, not a modifier
        return {3, d};
    }
    if (d >= 0xE0 && d <= 0xE7) {
        return {2, static_cast<uint8_t>(1u << (d & 7))};
    }
    if (d >= 0xF0 && d <= 0xF4) {
        return {1, static_cast<uint8_t>(1u << (d & 7))};
    }
    if (d >= 0xF5 && d <= 0xF7) {
        return {static_cast<uint8_t>(4 + (d - 0xF5)), a.b3};
    }
    return {0, d};
}

} // namespace

MacroImage BuildMacroImage(const MacroKey& macro, uint8_t slot) {
    MacroImage image{};
    image[0] = 0x09;
    image[1] = 0x90;
    image[2] = slot;
    image[3] = macro.MacroCommandActionNum;
    const uint32_t count = std::min(macro.MacroActionNum, MacroActionCapacity);
    std::size_t at = MacroImageHeader;
    for (uint32_t i = 0; i < count; ++i) {
        const MacroAction& a = macro.actions[i];
        if (a.IsDelay()) {
            continue; // folded into the command before it; a delay after a delay is dropped
        }
        uint32_t delay = 0;
        if (i + 1 < count && macro.actions[i + 1].IsDelay()) {
            delay = std::min(macro.actions[i + 1].DelayMs(), MacroDelayDeviceMax);
        }
        if (at + 3 > image.size()) {
            break; // the mouse keeps no more than fits the image
        }
        const CommandCode c = commandCodeOf(a);
        image[at] = static_cast<uint8_t>((a.b1 & 0x80) | ((delay >> 8) & 0x0F) | (c.type << 4));
        image[at + 1] = static_cast<uint8_t>(delay & 0xFF);
        image[at + 2] = c.code;
        at += 3;
    }
    return image;
}

std::vector<Frame> BuildMacroChunks(const MacroImage& image, uint8_t slot) {
    // The length comes from the macro's command count; a damaged count cannot reach past
    // the image.
    const std::size_t length =
        std::min<std::size_t>(3u * image[3], image.size() - MacroImageHeader);
    const std::size_t count =
        std::max<std::size_t>(1, (length + MacroChunkData - 1) / MacroChunkData);
    std::vector<Frame> chunks;
    chunks.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t offset = MacroChunkData * i;
        const std::size_t take = std::min(MacroChunkData, length - offset);
        std::array<uint8_t, kMaxPayload> payload{};
        payload[0] = slot;
        std::copy_n(image.begin() + MacroImageHeader + offset, take, payload.begin() + 1);
        // Index and count share one byte, 4 bits each; past 15 chunks both wrap, as the
        // mouse's firmware expects.
        const uint8_t byte5 = static_cast<uint8_t>((i << 4) | (count & 0x0F));
        chunks.push_back(BuildFrame(cmd::MacroChunk, std::span(payload.data(), take + 1), byte5));
    }
    return chunks;
}

} // namespace ferrox
