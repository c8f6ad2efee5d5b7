// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages on the window's local socket, as bytes. Every message starts with three
// little-endian 32-bit words; the first is the message number. Older binaries send exactly
// these 12 bytes (number, wParam, lParam) and nothing else. A framed message marks its second
// word with kFrameMark and its version, carries its payload length in the third and the
// payload after it, so an older window reading only the first word still wakes up on a newer
// second start's framed wake-up.
//
//   word 0   message number (InstanceMessageType)
//   word 1   kFrameMark | version
//   word 2   payload length, at most kMaxInstancePayload
//   payload  as the type says
//
// A framed request is answered with a framed Reply (a status byte, then UTF-8 text); a request
// in the older form with the older single status byte.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ferrox {

enum class InstanceMessageType : uint32_t {
    Wake = 0x0BB7,         // payload: the launcher's xdg-activation token, or nothing
    VirtualMouse = 0x0BB8, // payload: action kind and value, two words
    Command = 0x0BB9,      // payload: a whole ferroxctl command (taken by no window yet)
    Reply = 0x0BBA,        // payload: InstanceStatus byte, then text
};

enum class InstanceStatus : uint8_t {
    Done = 1,   // the older form's reply byte 1
    Failed = 2, // the older form's reply byte 2: taken, but it could not be done
    Refused = 3,         // not taken from this sender, or this window takes no such request
    Unsupported = 4,     // a message number this window does not know
    Malformed = 5,       // the payload is not in its type's form
    TooLarge = 6,        // the length word is above kMaxInstancePayload
    VersionMismatch = 7, // a framed message of another version
};

inline constexpr int kInstanceHeaderBytes = 12;
inline constexpr uint32_t kFrameMark = 0xF3A00000;
inline constexpr uint32_t kFrameMarkMask = 0xFFFF0000;
inline constexpr uint16_t kInstanceProtocolVersion = 1;
inline constexpr uint32_t kMaxInstancePayload = 64 * 1024;
// Tokens are short opaque strings; anything longer is not one.
inline constexpr size_t kMaxActivationToken = 512;

struct InstanceMessage {
    InstanceMessageType type = InstanceMessageType::Wake;
    bool framed = true; // false: the older 12-byte form
    std::vector<uint8_t> payload;
};

// What the bytes read so far hold.
struct InstanceParse {
    enum class State { NeedMore, Complete, Error };
    State state = State::NeedMore;
    InstanceMessage message;                           // when Complete
    InstanceStatus error = InstanceStatus::Malformed; // when Error
};
InstanceParse ParseInstanceMessage(std::span<const uint8_t> bytes);

std::vector<uint8_t> EncodeInstanceMessage(InstanceMessageType type,
                                           std::span<const uint8_t> payload);
std::vector<uint8_t> EncodeInstanceReply(InstanceStatus status, const std::string& text);

// A framed reply's status and text; nullopt when the bytes are not a complete reply of this
// version (VersionMismatch when they are one of another).
struct InstanceReplyText {
    InstanceStatus status = InstanceStatus::Failed;
    std::string text;
};
std::optional<InstanceReplyText> ParseInstanceReply(std::span<const uint8_t> bytes);

// Wake: the token's bytes; nullopt when the payload is not a token (printable ASCII, no space).
std::optional<std::string> WakeToken(const InstanceMessage& message);
// VirtualMouse: the two words.
std::vector<uint8_t> VirtualMousePayload(uint32_t kind, uint32_t value);
std::optional<std::pair<uint32_t, uint32_t>> VirtualMouseWords(const InstanceMessage& message);

} // namespace ferrox
