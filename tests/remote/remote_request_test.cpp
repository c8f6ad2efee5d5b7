// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A ferroxctl command as bytes for the window, and the window's answer: exact round trips,
// and whatever else comes in refused without reading past its end.

#include "cli/remote_forward.h"
#include "cli/remote_request.h"

#include <gtest/gtest.h>

#include <sstream>

namespace ferrox {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values)
        out.push_back(uint8_t(v));
    return out;
}

TEST(RemoteRequest, RoundTripsExactly) {
    const RemoteRequest request{"set", {"dpi", "0", "800", "", "Ütf-8 ✓"}, true, true};
    RemoteRequest back;
    ASSERT_EQ(DecodeRemoteRequest(EncodeRemoteRequest(request), back), RemoteDecode::Ok);
    EXPECT_EQ(back, request);

    const RemoteAnswer answer{3, "line one\n> 0C 01\n", "ferroxctl set: busy\n"};
    RemoteAnswer backAnswer;
    ASSERT_EQ(DecodeRemoteAnswer(EncodeRemoteAnswer(answer, 65535), backAnswer), RemoteDecode::Ok);
    EXPECT_EQ(backAnswer, answer);
}

TEST(RemoteRequest, RefusesWhatIsNotOne) {
    const std::vector<uint8_t> good = EncodeRemoteRequest({"show", {"1"}, false, false});
    std::vector<uint8_t> trailing = good;
    trailing.push_back(0);
    std::vector<uint8_t> newer = good;
    newer[0] = kRemoteFormatVersion + 1;
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        RemoteDecode expected;
    };
    const Case cases[] = {
        {"nothing", {}, RemoteDecode::Malformed},
        {"cut short", {good.begin(), good.end() - 1}, RemoteDecode::Malformed},
        {"bytes after the end", trailing, RemoteDecode::Malformed},
        {"a newer format", newer, RemoteDecode::OtherVersion},
        {"unknown flags", Bytes({1, 4, 4, 0, 0, 0, 's', 'h', 'o', 'w', 0, 0, 0, 0}),
         RemoteDecode::Malformed},
        {"no command", Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), RemoteDecode::Malformed},
        {"a length past the end", Bytes({1, 0, 0xFF, 0xFF, 0xFF, 0xFF, 's'}),
         RemoteDecode::Malformed},
        {"a huge word count", Bytes({1, 0, 1, 0, 0, 0, 's', 0xFF, 0xFF, 0xFF, 0xFF}),
         RemoteDecode::Malformed},
    };
    for (const Case& c : cases) {
        RemoteRequest request{"kept", {}, false, false};
        EXPECT_EQ(DecodeRemoteRequest(c.bytes, request), c.expected) << c.what;
        EXPECT_EQ(request.command, "kept") << c.what << ": nothing is taken from a bad request";
    }
    RemoteAnswer answer;
    EXPECT_EQ(DecodeRemoteAnswer(Bytes({1, 0, 5, 0, 0, 0}), answer), RemoteDecode::Malformed);
    EXPECT_EQ(DecodeRemoteAnswer(Bytes({2, 0}), answer), RemoteDecode::OtherVersion);
}

TEST(RemoteRequest, AnAnswerTooLongIsCutAndSaysSoKeepingTheErrors) {
    const RemoteAnswer answer{0, std::string(5000, 'x'), "ferroxctl apply: warning\n"};
    const std::vector<uint8_t> bytes = EncodeRemoteAnswer(answer, 1000);
    EXPECT_LE(bytes.size(), 1000u);
    RemoteAnswer back;
    ASSERT_EQ(DecodeRemoteAnswer(bytes, back), RemoteDecode::Ok);
    EXPECT_EQ(back.err, answer.err);
    EXPECT_TRUE(back.out.starts_with("xxx"));
    EXPECT_NE(back.out.find("did not fit"), std::string::npos) << back.out;
}

TEST(RemoteRequest, FileWordsTravelAbsoluteAndOthersAsGiven) {
    std::ostringstream out, err;
    CliContext context(out, err);
    struct Case {
        const char* command;
        std::vector<std::string> args;
        std::vector<std::string> sent;
    };
    const Case cases[] = {
        {"profile", {"export", "1", "p.psf"}, {"export", "1", "/home/u/p.psf"}},
        {"profile", {"import", "1", "../x/p.psf"}, {"import", "1", "/home/x/p.psf"}},
        {"profile", {"rename", "1", "p.psf"}, {"rename", "1", "p.psf"}},
        {"macro", {"export", "Folder/Macro", "m.mlf"}, {"export", "Folder/Macro", "/home/u/m.mlf"}},
        {"macro", {"import", "m.mlf", "Folder"}, {"import", "/home/u/m.mlf", "Folder"}},
        {"macro", {"export-set", "set.mlf"}, {"export-set", "/home/u/set.mlf"}},
        {"macro",
         {"export-set", "Folder", "/tmp/set.mlf"},
         {"export-set", "Folder", "/tmp/set.mlf"}},
        {"macro", {"import-set", "set.mlf"}, {"import-set", "/home/u/set.mlf"}},
        {"set", {"button", "3", "macro", "Folder/Macro"}, {"button", "3", "macro", "Folder/Macro"}},
    };
    for (const Case& c : cases) {
        context.args = c.args;
        context.json = true;
        const RemoteRequest request = MakeRemoteRequest(context, c.command, "/home/u");
        EXPECT_EQ(request.args, c.sent) << c.command << " " << c.args[0];
        EXPECT_TRUE(request.json);
    }
}

} // namespace
} // namespace ferrox
