// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Messages on the window's local socket, from any process of the user. Property: whatever
// arrives, a message that parses as framed encodes back to the bytes it was read from, and a
// wake-up's token is printable.

#include "base/instance_message.h"
#include "fuzz/fuzz_support.h"

#include <algorithm>

using namespace ferrox;
using namespace ferrox::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    ParseInstanceReply(bytes);
    const InstanceParse parse = ParseInstanceMessage(bytes);
    if (parse.state != InstanceParse::State::Complete)
        return 0;
    const InstanceMessage& message = parse.message;
    if (message.framed) {
        const std::vector<uint8_t> again = EncodeInstanceMessage(message.type, message.payload);
        Check(again.size() <= size && std::equal(again.begin(), again.end(), data),
              "a framed message encodes back to its bytes");
    }
    if (const std::optional<std::string> token = WakeToken(message))
        for (char c : *token)
            Check(c > ' ' && c <= '~', "a token is printable");
    VirtualMouseWords(message);
    return 0;
}
