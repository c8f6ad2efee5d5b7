// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/remote_request.h"

#include <algorithm>

namespace ferrox {
namespace {

constexpr uint8_t kJsonFlag = 1;
constexpr uint8_t kTraceFlag = 2;
constexpr size_t kWordBytes = 4;
// A command line has a handful of words; a count far above that is not one.
constexpr uint32_t kMaxWords = 64;
constexpr std::string_view kCut = "\n[the rest of the output did not fit in the answer]\n";

void PutWord(std::vector<uint8_t>& out, uint32_t value) {
    for (size_t i = 0; i < kWordBytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

void PutText(std::vector<uint8_t>& out, std::string_view text) {
    PutWord(out, uint32_t(text.size()));
    out.insert(out.end(), text.begin(), text.end());
}

// Reads from the front of the bytes it was given; every read checks what is left first.
class Reader {
public:
    explicit Reader(std::span<const uint8_t> bytes) : rest_(bytes) {}

    std::optional<uint8_t> byte() {
        if (rest_.empty())
            return std::nullopt;
        const uint8_t value = rest_[0];
        rest_ = rest_.subspan(1);
        return value;
    }
    std::optional<uint32_t> word() {
        if (rest_.size() < kWordBytes)
            return std::nullopt;
        uint32_t value = 0;
        for (size_t i = kWordBytes; i-- > 0;)
            value = (value << 8) | rest_[i];
        rest_ = rest_.subspan(kWordBytes);
        return value;
    }
    std::optional<std::string> text() {
        const std::optional<uint32_t> size = word();
        if (!size || *size > rest_.size())
            return std::nullopt;
        std::string value(rest_.begin(), rest_.begin() + *size);
        rest_ = rest_.subspan(*size);
        return value;
    }
    bool atEnd() const { return rest_.empty(); }

private:
    std::span<const uint8_t> rest_;
};

RemoteDecode VersionOf(Reader& reader) {
    const std::optional<uint8_t> version = reader.byte();
    if (!version)
        return RemoteDecode::Malformed;
    return *version == kRemoteFormatVersion ? RemoteDecode::Ok : RemoteDecode::OtherVersion;
}

// Cuts text to at most room bytes, the cut said at its end.
std::string Fit(const std::string& text, size_t room) {
    if (text.size() <= room)
        return text;
    if (room < kCut.size())
        return {};
    return text.substr(0, room - kCut.size()) + std::string(kCut);
}

} // namespace

std::vector<uint8_t> EncodeRemoteRequest(const RemoteRequest& request) {
    std::vector<uint8_t> out{kRemoteFormatVersion, uint8_t((request.json ? kJsonFlag : 0) |
                                                           (request.trace ? kTraceFlag : 0))};
    PutText(out, request.command);
    PutWord(out, uint32_t(request.args.size()));
    for (const std::string& arg : request.args)
        PutText(out, arg);
    return out;
}

RemoteDecode DecodeRemoteRequest(std::span<const uint8_t> bytes, RemoteRequest& request) {
    Reader reader(bytes);
    if (const RemoteDecode version = VersionOf(reader); version != RemoteDecode::Ok)
        return version;
    const std::optional<uint8_t> flags = reader.byte();
    std::optional<std::string> command = reader.text();
    const std::optional<uint32_t> count = reader.word();
    if (!flags || (*flags & ~(kJsonFlag | kTraceFlag)) || !command || command->empty() || !count ||
        *count > kMaxWords)
        return RemoteDecode::Malformed;
    RemoteRequest decoded{
        std::move(*command), {}, bool(*flags & kJsonFlag), bool(*flags & kTraceFlag)};
    for (uint32_t i = 0; i < *count; ++i) {
        std::optional<std::string> arg = reader.text();
        if (!arg)
            return RemoteDecode::Malformed;
        decoded.args.push_back(std::move(*arg));
    }
    if (!reader.atEnd())
        return RemoteDecode::Malformed;
    request = std::move(decoded);
    return RemoteDecode::Ok;
}

std::vector<uint8_t> EncodeRemoteAnswer(const RemoteAnswer& answer, size_t maxBytes) {
    constexpr size_t fixed = 2 + 2 * kWordBytes;
    const size_t room = maxBytes > fixed ? maxBytes - fixed : 0;
    // Errors are short and say what went wrong: they keep their room first.
    const std::string err = Fit(answer.err, room);
    const std::string out = Fit(answer.out, room - err.size());
    std::vector<uint8_t> bytes{kRemoteFormatVersion,
                               uint8_t(std::clamp(answer.exitStatus, 0, 255))};
    PutText(bytes, out);
    PutText(bytes, err);
    return bytes;
}

RemoteDecode DecodeRemoteAnswer(std::span<const uint8_t> bytes, RemoteAnswer& answer) {
    Reader reader(bytes);
    if (const RemoteDecode version = VersionOf(reader); version != RemoteDecode::Ok)
        return version;
    const std::optional<uint8_t> status = reader.byte();
    std::optional<std::string> out = reader.text();
    std::optional<std::string> err = reader.text();
    if (!status || !out || !err || !reader.atEnd())
        return RemoteDecode::Malformed;
    answer = {*status, std::move(*out), std::move(*err)};
    return RemoteDecode::Ok;
}

} // namespace ferrox
