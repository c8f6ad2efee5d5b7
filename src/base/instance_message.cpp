// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/instance_message.h"

namespace ferrox {

namespace {

uint32_t WordAt(std::span<const uint8_t> bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[at + size_t(i)];
    return value;
}

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

struct Header {
    uint32_t number;
    bool framed;
    uint16_t version;
    uint32_t length;
};

Header ReadHeader(std::span<const uint8_t> bytes) {
    const uint32_t second = WordAt(bytes, 4);
    return {WordAt(bytes, 0), (second & kFrameMarkMask) == kFrameMark, uint16_t(second),
            WordAt(bytes, 8)};
}

InstanceParse Failure(InstanceStatus error) {
    InstanceParse parse;
    parse.state = InstanceParse::State::Error;
    parse.error = error;
    return parse;
}

} // namespace

InstanceParse ParseInstanceMessage(std::span<const uint8_t> bytes) {
    if (bytes.size() < kInstanceHeaderBytes)
        return {};
    const Header header = ReadHeader(bytes);
    InstanceParse parse;
    parse.message.type = InstanceMessageType(header.number);
    if (!header.framed) {
        // The older form: wParam and lParam stand in for the payload.
        parse.state = InstanceParse::State::Complete;
        parse.message.framed = false;
        parse.message.payload.assign(bytes.begin() + 4, bytes.begin() + kInstanceHeaderBytes);
        return parse;
    }
    if (header.version != kInstanceProtocolVersion)
        return Failure(InstanceStatus::VersionMismatch);
    if (header.length > kMaxInstancePayload)
        return Failure(InstanceStatus::TooLarge);
    if (bytes.size() < kInstanceHeaderBytes + size_t(header.length))
        return {};
    parse.state = InstanceParse::State::Complete;
    parse.message.payload.assign(bytes.begin() + kInstanceHeaderBytes,
                                 bytes.begin() + kInstanceHeaderBytes + header.length);
    return parse;
}

std::vector<uint8_t> EncodeInstanceMessage(InstanceMessageType type,
                                           std::span<const uint8_t> payload) {
    std::vector<uint8_t> out;
    out.reserve(kInstanceHeaderBytes + payload.size());
    PutWord(out, uint32_t(type));
    PutWord(out, kFrameMark | kInstanceProtocolVersion);
    PutWord(out, uint32_t(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

std::vector<uint8_t> EncodeInstanceReply(InstanceStatus status, const std::string& text) {
    std::vector<uint8_t> payload{uint8_t(status)};
    payload.insert(payload.end(), text.begin(), text.end());
    return EncodeInstanceMessage(InstanceMessageType::Reply, payload);
}

std::optional<InstanceReplyText> ParseInstanceReply(std::span<const uint8_t> bytes) {
    if (bytes.size() < kInstanceHeaderBytes)
        return std::nullopt;
    const Header header = ReadHeader(bytes);
    if (header.number != uint32_t(InstanceMessageType::Reply) || !header.framed)
        return std::nullopt;
    if (header.version != kInstanceProtocolVersion)
        return InstanceReplyText{InstanceStatus::VersionMismatch, {}};
    if (header.length == 0 || header.length > kMaxInstancePayload ||
        bytes.size() < kInstanceHeaderBytes + size_t(header.length))
        return std::nullopt;
    const auto payload = bytes.subspan(kInstanceHeaderBytes, header.length);
    return InstanceReplyText{InstanceStatus(payload[0]),
                             std::string(payload.begin() + 1, payload.end())};
}

std::optional<std::string> WakeToken(const InstanceMessage& message) {
    if (message.type != InstanceMessageType::Wake)
        return std::nullopt;
    if (!message.framed)
        return std::string();
    if (message.payload.size() > kMaxActivationToken)
        return std::nullopt;
    for (uint8_t byte : message.payload)
        if (byte <= ' ' || byte > '~')
            return std::nullopt;
    return std::string(message.payload.begin(), message.payload.end());
}

std::vector<uint8_t> VirtualMousePayload(uint32_t kind, uint32_t value) {
    std::vector<uint8_t> out;
    PutWord(out, kind);
    PutWord(out, value);
    return out;
}

std::optional<std::pair<uint32_t, uint32_t>> VirtualMouseWords(const InstanceMessage& message) {
    if (message.type != InstanceMessageType::VirtualMouse || message.payload.size() != 8)
        return std::nullopt;
    return std::pair{WordAt(message.payload, 0), WordAt(message.payload, 4)};
}

} // namespace ferrox
