// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes on the window's socket: the framed form, the older 12-byte form, and what is
// refused before any of it reaches a handler.

#include "base/instance_message.h"
#include "socket_client.h"

#include <gtest/gtest.h>

namespace ferrox {
namespace {

using State = InstanceParse::State;

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
    return test::LittleEndianWords(words);
}

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(InstanceMessage, FramedAndOlderFormsAndWhatIsRefused) {
    const std::vector<uint8_t> wake = EncodeInstanceMessage(InstanceMessageType::Wake,
                                                            Bytes("token-1"));
    std::vector<uint8_t> halfPayload = wake;
    halfPayload.resize(wake.size() - 1);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        State state;
        InstanceStatus error = InstanceStatus::Malformed;
    };
    const Case cases[] = {
        {"nothing yet", {}, State::NeedMore},
        {"half a header", {0xB7, 0x0B, 0, 0, 0}, State::NeedMore},
        {"half a payload", halfPayload, State::NeedMore},
        {"whole framed wake-up", wake, State::Complete},
        {"older wake-up", Words({0x0BB7, 0, 0}), State::Complete},
        {"older virtual mouse action", Words({0x0BB8, 2, 500}), State::Complete},
        {"64 MiB length", Words({0x0BB9, kFrameMark | 1, 64u << 20}), State::Error,
         InstanceStatus::TooLarge},
        {"one byte over the limit", Words({0x0BB9, kFrameMark | 1, kMaxInstancePayload + 1}),
         State::Error, InstanceStatus::TooLarge},
        {"another version", Words({0x0BB7, kFrameMark | 2, 0}), State::Error,
         InstanceStatus::VersionMismatch},
    };
    for (const Case& c : cases) {
        const InstanceParse parse = ParseInstanceMessage(c.bytes);
        EXPECT_EQ(parse.state, c.state) << c.name;
        if (c.state == State::Error) {
            EXPECT_EQ(parse.error, c.error) << c.name;
        }
    }

    const InstanceParse framed = ParseInstanceMessage(wake);
    EXPECT_TRUE(framed.message.framed);
    EXPECT_EQ(WakeToken(framed.message), "token-1");
    const InstanceParse older = ParseInstanceMessage(Words({0x0BB7, 0, 0}));
    EXPECT_FALSE(older.message.framed);
    EXPECT_EQ(WakeToken(older.message), "");
    const InstanceParse action = ParseInstanceMessage(Words({0x0BB8, 2, 500}));
    EXPECT_EQ(VirtualMouseWords(action.message), (std::pair<uint32_t, uint32_t>{2, 500}));
    EXPECT_EQ(VirtualMouseWords(ParseInstanceMessage(EncodeInstanceMessage(
                                    InstanceMessageType::VirtualMouse, VirtualMousePayload(2, 500)))
                                    .message),
              (std::pair<uint32_t, uint32_t>{2, 500}));
}

// An older window reads only the first word of a framed wake-up: it must be the wake-up's.
TEST(InstanceMessage, AFramedWakeUpStartsAsTheOlderOne) {
    const std::vector<uint8_t> wake = EncodeInstanceMessage(InstanceMessageType::Wake, {});
    ASSERT_EQ(wake.size(), size_t(kInstanceHeaderBytes));
    EXPECT_EQ(std::vector<uint8_t>(wake.begin(), wake.begin() + 4), Words({0x0BB7}));
}

TEST(InstanceMessage, ATokenIsPrintableAndShort) {
    const std::pair<std::string, bool> cases[] = {
        {"", true},
        {"abc_DEF-123:+/=", true},
        {"with space", false},
        {"line\nbreak", false},
        {std::string("nul\0x", 5), false},
        {"\xC3\xA9", false},
        {std::string(kMaxActivationToken, 'a'), true},
        {std::string(kMaxActivationToken + 1, 'a'), false},
    };
    for (const auto& [token, valid] : cases) {
        InstanceMessage message;
        message.payload = Bytes(token);
        EXPECT_EQ(WakeToken(message).has_value(), valid) << token;
    }
}

TEST(InstanceMessage, RepliesRoundTripAndOtherVersionsAreNamed) {
    const std::vector<uint8_t> bytes = EncodeInstanceReply(InstanceStatus::Failed, "no cable");
    const std::optional<InstanceReplyText> reply = ParseInstanceReply(bytes);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, InstanceStatus::Failed);
    EXPECT_EQ(reply->text, "no cable");
    EXPECT_FALSE(ParseInstanceReply(std::span(bytes).first(bytes.size() - 1)));
    EXPECT_FALSE(ParseInstanceReply(std::vector<uint8_t>{1})) << "an older window's byte";
    const std::optional<InstanceReplyText> newer =
        ParseInstanceReply(Words({0x0BBA, kFrameMark | 9, 1}));
    ASSERT_TRUE(newer);
    EXPECT_EQ(newer->status, InstanceStatus::VersionMismatch);
}

} // namespace
} // namespace ferrox
