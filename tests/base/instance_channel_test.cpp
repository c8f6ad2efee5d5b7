// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The running instance's socket under abuse: senders that never finish, too many of them, a
// full descriptor table, garbage, a 64 MiB length, another user, a removed socket file. The
// channel is driven as an event loop would drive it, with the time passed in by the test.

#include "base/instance_channel.h"
#include "base/instance_client.h"
#include "run_as_nobody.h"
#include "scratch_folder.h"
#include "socket_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <cstring>
#include <sys/resource.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = InstanceChannel::Clock;

using test::ClosedByPeer;
using test::ConnectTo;

std::vector<uint8_t> Words(std::initializer_list<uint32_t> words) {
    return test::LittleEndianWords(words);
}

void Send(int fd, const std::vector<uint8_t>& bytes) {
    ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
}

bool WaitForFile(const fs::path& file) {
    for (int i = 0; i < 500 && !fs::exists(file); ++i)
        ::usleep(10000);
    return fs::exists(file);
}

// Serves whatever is waiting on the channel's descriptors, as the event loop would.
void Pump(InstanceChannel& channel, Clock::time_point now, int waitMs = 0) {
    for (int round = 0; round < 50; ++round) {
        std::vector<pollfd> fds{{channel.listenFd(), POLLIN, 0}};
        for (int fd : channel.connectionFds())
            fds.push_back({fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), round == 0 ? waitMs : 0) <= 0)
            return;
        if (fds[0].revents)
            channel.acceptPending(now);
        for (size_t i = 1; i < fds.size(); ++i)
            if (fds[i].revents)
                channel.readFrom(fds[i].fd);
    }
}

class Channel : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = test::Scratch() / "channel";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        socket_ = folder_ / "test.socket";
    }
    void Listen(InstanceChannel::Limits limits = {}) {
        channel_ = std::make_unique<InstanceChannel>(
            [this](const InstanceMessage& message) -> std::optional<InstanceReplyText> {
                taken_.push_back(message);
                if (message.type == InstanceMessageType::Wake)
                    return std::nullopt;
                if (message.type == InstanceMessageType::VirtualMouse)
                    return InstanceReplyText{InstanceStatus::Done, {}};
                return InstanceReplyText{InstanceStatus::Unsupported, {}};
            },
            limits);
        ASSERT_TRUE(channel_->listen(socket_));
    }
    void Pump(int waitMs = 0) { ferrox::Pump(*channel_, now_, waitMs); }
    size_t Wakes() const {
        return size_t(std::count_if(taken_.begin(), taken_.end(), [](const InstanceMessage& m) {
            return m.type == InstanceMessageType::Wake;
        }));
    }
    template <typename Call> auto Served(Call call) {
        return test::ServedBy(call, [this] { Pump(10); });
    }

    fs::path folder_, socket_;
    Clock::time_point now_ = Clock::now();
    std::vector<InstanceMessage> taken_;
    std::unique_ptr<InstanceChannel> channel_;
};

TEST_F(Channel, HalfMessagesAreDroppedAtTheirDeadline) {
    Listen();
    const int halfHeader = ConnectTo(socket_);
    const int halfPayload = ConnectTo(socket_);
    Send(halfHeader, {0xB7, 0x0B, 0, 0, 0});
    Send(halfPayload, Words({0x0BB9, kFrameMark | 1, 100, 0, 0}));
    Pump();
    EXPECT_EQ(channel_->connectionFds().size(), 2u);
    EXPECT_EQ(channel_->nextDeadline(), now_ + 2s);
    channel_->expire(now_ + 2s - 1ms);
    EXPECT_FALSE(ClosedByPeer(halfHeader));
    channel_->expire(now_ + 2s);
    EXPECT_TRUE(channel_->connectionFds().empty());
    EXPECT_FALSE(channel_->nextDeadline());
    EXPECT_EQ(ClosedByPeer(halfHeader, 1000), std::vector<uint8_t>{});
    EXPECT_EQ(ClosedByPeer(halfPayload, 1000), std::vector<uint8_t>{});
    EXPECT_TRUE(taken_.empty());
    ::close(halfHeader);
    ::close(halfPayload);
}

TEST_F(Channel, OpenConnectionsAreCappedAndTheRestClosedAtOnce) {
    Listen();
    std::vector<int> idle;
    for (int i = 0; i < 40; ++i)
        idle.push_back(ConnectTo(socket_));
    Pump();
    EXPECT_EQ(channel_->connectionFds().size(), 32u);
    const auto turnedAway = std::count_if(idle.begin(), idle.end(), [](int fd) {
        return ClosedByPeer(fd).has_value();
    });
    EXPECT_EQ(turnedAway, 8);
    // Once the idle ones have had their time, a wake-up is taken again.
    channel_->expire(now_ + 2s);
    const int wake = ConnectTo(socket_);
    Send(wake, Words({0x0BB7, 0, 0}));
    Pump();
    EXPECT_EQ(Wakes(), 1u);
    for (int fd : idle)
        ::close(fd);
    ::close(wake);
}

// Each is refused or dropped without reaching the handler, and the channel goes on serving.
TEST_F(Channel, GarbageAndOversizedMessagesAreRefused) {
    Listen();
    std::vector<uint8_t> noise(4096);
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = uint8_t(i * 131 + 7);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        std::optional<InstanceStatus> reply; // nullopt: closed without one
    };
    const Case cases[] = {
        {"64 MiB length", Words({0x0BB9, kFrameMark | 1, 64u << 20}), InstanceStatus::TooLarge},
        {"another version", Words({0x0BB7, kFrameMark | 7, 3}), InstanceStatus::VersionMismatch},
        {"noise", noise, std::nullopt},
        {"an unknown older message", Words({0xDEADBEEF, 1, 2}), std::nullopt},
    };
    for (const Case& c : cases) {
        const int fd = ConnectTo(socket_);
        Send(fd, c.bytes);
        Pump();
        const auto got = ClosedByPeer(fd, 1000);
        ASSERT_TRUE(got) << c.name << ": still open";
        if (c.reply) {
            const auto reply = ParseInstanceReply(*got);
            ASSERT_TRUE(reply) << c.name;
            EXPECT_EQ(reply->status, *c.reply) << c.name;
            EXPECT_FALSE(reply->text.empty()) << c.name;
        } else {
            EXPECT_TRUE(got->empty()) << c.name;
        }
        ::close(fd);
    }
    EXPECT_EQ(Wakes(), 0u);
    const int wake = ConnectTo(socket_);
    Send(wake, EncodeInstanceMessage(InstanceMessageType::Wake, {}));
    Pump();
    EXPECT_EQ(Wakes(), 1u);
    ::close(wake);
}

// A second start or a ferroxctl from before the framed messages is still understood and gets
// the answer it knows; a newer one learns that an older window speaks another version.
TEST_F(Channel, OlderSendersAndOlderWindowsUnderstandEachOther) {
    Listen();
    const int wake = ConnectTo(socket_);
    Send(wake, Words({0x0BB7, 0, 0}));
    const int request = ConnectTo(socket_);
    Send(request, Words({0x0BB8, 2, 500}));
    Pump();
    ASSERT_EQ(taken_.size(), 2u);
    EXPECT_EQ(taken_[0].type, InstanceMessageType::Wake);
    EXPECT_FALSE(taken_[0].framed);
    EXPECT_EQ(ClosedByPeer(wake, 1000), std::vector<uint8_t>{});
    EXPECT_EQ(ClosedByPeer(request, 1000), std::vector<uint8_t>{1}) << "the older reply byte";
    ::close(wake);
    ::close(request);

    EXPECT_EQ(Served([&] {
                  return AskRunningInstance(socket_, InstanceMessageType::VirtualMouse,
                                            VirtualMousePayload(2, 500));
              }),
              InstanceReply::Done);
    EXPECT_EQ(Served([&] {
                  return AskRunningInstance(socket_, InstanceMessageType::Command, {});
              }),
              InstanceReply::VersionMismatch);
    EXPECT_TRUE(Served([&] { return SendWakeUp(socket_, "launcher-token"); }));
    ASSERT_EQ(taken_.back().type, InstanceMessageType::Wake);
    EXPECT_EQ(WakeToken(taken_.back()), "launcher-token");

    // An older window reads a framed request as its own 12 bytes and answers with one byte.
    channel_.reset();
    const int older = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, socket_.c_str());
    ASSERT_EQ(::bind(older, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(older, 1), 0);
    std::thread window([older] {
        const int fd = ::accept(older, nullptr, nullptr);
        uint8_t words[12];
        (void)::recv(fd, words, sizeof words, MSG_WAITALL);
        const uint8_t failed = 2;
        (void)::send(fd, &failed, 1, MSG_NOSIGNAL);
        ::close(fd);
    });
    EXPECT_EQ(AskRunningInstance(socket_, InstanceMessageType::VirtualMouse,
                                 VirtualMousePayload(2, 500)),
              InstanceReply::VersionMismatch);
    window.join();
    ::close(older);
}

TEST_F(Channel, ItsSocketFileIsPutBackAndRemovedOnlyByItsOwner) {
    Listen();
    ASSERT_TRUE(fs::remove(socket_));
    EXPECT_TRUE(channel_->restoreSocket());
    EXPECT_FALSE(channel_->restoreSocket()) << "already there";
    const int fd = ConnectTo(socket_);
    ASSERT_GE(fd, 0);
    Send(fd, Words({0x0BB7, 0, 0}));
    Pump();
    EXPECT_EQ(Wakes(), 1u);
    ::close(fd);
    channel_.reset();
    EXPECT_FALSE(fs::exists(socket_));

    // A stale socket is replaced; anything else at the path is left alone.
    Listen();
    channel_.reset();
    std::ofstream(socket_) << "not a socket";
    InstanceChannel other([](const InstanceMessage&) { return std::nullopt; });
    EXPECT_FALSE(other.listen(socket_));
    EXPECT_TRUE(fs::is_regular_file(socket_));
}

// The channel in a child process whose descriptor table holds 100: 150 senders that never
// finish. With the usual cap most are closed at once; with a cap above the table, accept runs
// out of descriptors. Either way the socket file stays, and once the idle senders have had
// their time a wake-up is taken.
TEST_F(Channel, SurvivesIdleSendersAtADescriptorLimit) {
    for (size_t cap : {size_t(32), size_t(1000)}) {
        fs::remove(socket_); // the last child ended without its channel's clean-up
        int control[2];
        ASSERT_EQ(::pipe(control), 0);
        std::fflush(nullptr);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(control[1]);
            const rlimit limit{100, 100};
            if (::setrlimit(RLIMIT_NOFILE, &limit) != 0)
                ::_exit(10);
            bool woken = false;
            InstanceChannel channel(
                [&woken](const InstanceMessage& m) -> std::optional<InstanceReplyText> {
                    woken = woken || m.type == InstanceMessageType::Wake;
                    return std::nullopt;
                },
                {2s, cap});
            if (!channel.listen(socket_))
                ::_exit(11);
            Clock::time_point now = Clock::now();
            while (!woken) {
                ferrox::Pump(channel, now, 20);
                if (channel.acceptStalled())
                    ::usleep(10000);
                if (!fs::exists(socket_))
                    ::_exit(12);
                pollfd pfd{control[0], POLLIN, 0};
                if (::poll(&pfd, 1, 0) > 0) {
                    char go = 0;
                    if (::read(control[0], &go, 1) != 1)
                        ::_exit(13);
                    now += 2s;
                    channel.expire(now);
                }
            }
            ::_exit(0);
        }
        ::close(control[0]);
        ASSERT_TRUE(WaitForFile(socket_));
        std::vector<int> idle;
        for (int i = 0; i < 150; ++i)
            idle.push_back(ConnectTo(socket_));
        EXPECT_EQ(std::count(idle.begin(), idle.end(), -1), 0) << "cap " << cap;
        EXPECT_TRUE(fs::exists(socket_)) << "cap " << cap;
        ASSERT_EQ(::write(control[1], "x", 1), 1);
        // The wake-up is sent until one gets through: the child drops the idle senders when it
        // reads the control pipe, which is not in step with this loop.
        int status = -1;
        for (int tries = 0; tries < 200 && ::waitpid(child, &status, WNOHANG) == 0; ++tries) {
            const int wake = ConnectTo(socket_);
            if (wake >= 0) {
                // An earlier wake-up may have got through and the child be ending between
                // this connect and the send: then the send fails and the loop sees it gone.
                const std::vector<uint8_t> bytes = Words({0x0BB7, 0, 0});
                if (::send(wake, bytes.data(), bytes.size(), MSG_NOSIGNAL) == ssize_t(bytes.size()))
                    ClosedByPeer(wake, 50);
                ::close(wake);
            }
        }
        if (status == -1) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "cap " << cap << ": status " << status;
        for (int fd : idle)
            ::close(fd);
        ::close(control[1]);
    }
}

// Another user reaches the socket only where its folder lets them (the window's own is
// private); even then it may wake the window but not ask it for anything.
TEST_F(Channel, AnotherUserMayOnlyWakeIt) {
    if (!test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to act as another user";
    char shared[] = "/tmp/ferrox-channel-XXXXXX";
    ASSERT_TRUE(::mkdtemp(shared));
    ::chmod(shared, 0755);
    socket_ = fs::path(shared) / "test.socket";
    Listen();
    ::chmod(socket_.c_str(), 0666);
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(test::kNobody) != 0 || ::setuid(test::kNobody) != 0)
            ::_exit(10);
        const InstanceReply reply = AskRunningInstance(socket_, InstanceMessageType::VirtualMouse,
                                                       VirtualMousePayload(2, 500));
        if (reply != InstanceReply::Refused)
            ::_exit(20 + int(reply));
        ::_exit(SendWakeUp(socket_, "") ? 0 : 11);
    }
    int status = -1;
    for (int i = 0; i < 500 && ::waitpid(child, &status, WNOHANG) == 0; ++i)
        Pump(10);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    ASSERT_EQ(taken_.size(), 1u) << "only the wake-up reached the handler";
    EXPECT_EQ(taken_[0].type, InstanceMessageType::Wake);
    channel_.reset();
    fs::remove_all(shared);
}

// A request the handler answers later keeps its connection open (and counted against the
// cap) while the channel serves others; the answer then goes to the right sender, and one
// that never comes is given up at the answer deadline.
TEST(ChannelLater, AnAnswerGivenLaterReachesItsSenderOrIsGivenUp) {
    const fs::path folder = test::Scratch() / "channel-later";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::vector<InstanceChannel::Ticket> tickets;
    std::unique_ptr<InstanceChannel> channel;
    channel = std::make_unique<InstanceChannel>(
        [&](const InstanceMessage&) -> std::optional<InstanceReplyText> {
            tickets.push_back(channel->deferAnswer());
            return InstanceReplyText{InstanceStatus::Failed, "not sent"};
        },
        InstanceChannelLimits{std::chrono::seconds(2), 2, std::chrono::seconds(40)});
    ASSERT_TRUE(channel->listen(folder / "test.socket"));
    const Clock::time_point now = Clock::now();
    const std::vector<uint8_t> command =
        EncodeInstanceMessage(InstanceMessageType::Command, std::vector<uint8_t>{1, 2});
    const int first = ConnectTo(folder / "test.socket");
    const int second = ConnectTo(folder / "test.socket");
    Send(first, command);
    Send(second, command);
    Pump(*channel, now, 10);
    Pump(*channel, now, 10);
    ASSERT_EQ(tickets.size(), 2u);
    EXPECT_TRUE(channel->connectionFds().empty()) << "nothing more is read from them";
    EXPECT_FALSE(ClosedByPeer(first)) << "waits for its answer";
    const int third = ConnectTo(folder / "test.socket");
    Pump(*channel, now, 10);
    EXPECT_TRUE(ClosedByPeer(third, 1000)) << "the two waiting fill the cap";

    channel->answerLater(tickets[1], {InstanceStatus::Done, "second"});
    const auto answered = ClosedByPeer(second, 1000);
    ASSERT_TRUE(answered);
    const auto reply = ParseInstanceReply(*answered);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, InstanceStatus::Done);
    EXPECT_EQ(reply->text, "second");

    channel->expire(now + std::chrono::seconds(39));
    EXPECT_FALSE(ClosedByPeer(first));
    channel->expire(now + std::chrono::seconds(41));
    EXPECT_EQ(ClosedByPeer(first, 1000), std::vector<uint8_t>{});
    channel->answerLater(tickets[0], {InstanceStatus::Done, "too late"}); // nothing to send to
    EXPECT_FALSE(channel->nextDeadline());
    ::close(first);
    ::close(second);
    ::close(third);
}

} // namespace
} // namespace ferrox
