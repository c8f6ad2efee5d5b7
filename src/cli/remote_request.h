// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A ferroxctl command carried out by the running window, as bytes on the window's socket (the
// payload of a Command message and of its Reply). The first byte of either is the format's
// version, so a window and a ferroxctl of different versions tell each other so instead of
// misreading. Strings are a little-endian 32-bit length and UTF-8 bytes.
//
//   request  version, flags (1 = --json, 2 = --trace), command, word count, words
//   answer   version, exit status, standard output, standard error

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ferrox {

inline constexpr uint8_t kRemoteFormatVersion = 1;

struct RemoteRequest {
    std::string command;
    std::vector<std::string> args; // file arguments already absolute
    bool json = false;
    bool trace = false;
    bool operator==(const RemoteRequest&) const = default;
};

struct RemoteAnswer {
    int exitStatus = 1;
    std::string out; // --trace lines included, in the order they were printed
    std::string err;
    bool operator==(const RemoteAnswer&) const = default;
};

enum class RemoteDecode { Ok, Malformed, OtherVersion };

std::vector<uint8_t> EncodeRemoteRequest(const RemoteRequest& request);
RemoteDecode DecodeRemoteRequest(std::span<const uint8_t> bytes, RemoteRequest& request);

// At most maxBytes long: what does not fit of the output is cut with a line saying so.
std::vector<uint8_t> EncodeRemoteAnswer(const RemoteAnswer& answer, size_t maxBytes);
RemoteDecode DecodeRemoteAnswer(std::span<const uint8_t> bytes, RemoteAnswer& answer);

} // namespace ferrox
