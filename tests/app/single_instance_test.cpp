// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One running instance: the lock, the wake-up channel, and two real ferrox processes.

#include "app/instance_server.h"
#include "base/instance_client.h"
#include "base/instance_lock.h"

#include "app/ferrox_process.h"
#include "socket_client.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

using test::ConnectTo;
using test::FreshRuntime;
using test::ProcessEnv;
using test::WaitFor;
using test::kFerrox;

TEST(InstanceLock, HeldOnceAndFreedWithItsHolder) {
    const fs::path lock = FreshRuntime("lock") / "test.lock";
    auto first = InstanceLock::acquire(lock);
    ASSERT_TRUE(first);
    EXPECT_FALSE(InstanceLock::acquire(lock));
    first.reset();
    EXPECT_TRUE(InstanceLock::acquire(lock));
    // An unusable lock place does not stop the program.
    EXPECT_TRUE(InstanceLock::acquire("/nonexistent-folder/x.lock"));
}

// The call on another thread, answered by this thread's event loop.
template <typename Call> auto Served(Call call) {
    return test::ServedBy(call, [] { QCoreApplication::processEvents(QEventLoop::AllEvents, 20); });
}

bool ClosedByPeer(int fd) {
    return test::ClosedByPeer(fd).has_value();
}

TEST(InstanceServer, DeliversOnlyTheWakeUpAndReplacesAStaleSocket) {
    const fs::path socket = FreshRuntime("server") / "test.socket";
    { // a socket file left behind by a crashed run
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, socket.c_str());
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
    }
    std::vector<std::string> wakes;
    InstanceServer server([&](const std::string& token) { wakes.push_back(token); });
    ASSERT_TRUE(server.listen(socket));

    EXPECT_EQ(Served([&] {
                  return AskRunningInstance(socket, InstanceMessageType::VirtualMouse,
                                            VirtualMousePayload(1, 0));
              }),
              InstanceReply::Refused);
    EXPECT_TRUE(Served([&] { return SendWakeUp(socket, "token-of-the-launcher"); }));
    EXPECT_TRUE(Served([&] { return SendWakeUp(socket, "not a token"); }));
    // An older second start's 12 bytes.
    const int older = ConnectTo(socket);
    const std::vector<uint8_t> wake = test::LittleEndianWords({0x0BB7, 0, 0});
    ASSERT_EQ(::send(older, wake.data(), wake.size(), MSG_NOSIGNAL), 12);
    EXPECT_TRUE(WaitFor([&] { return ClosedByPeer(older); }, 3000));
    ::close(older);
    EXPECT_EQ(wakes, (std::vector<std::string>{"token-of-the-launcher", ""}));
    EXPECT_FALSE(SendWakeUp(socket.parent_path() / "nobody.socket", ""));
}

// A removed socket file is put back without anyone asking; a sender that never finishes is
// dropped at its deadline (shortened here).
TEST(InstanceServer, PutsBackItsSocketAndDropsSendersThatNeverFinish) {
    const fs::path socket = FreshRuntime("server-back") / "test.socket";
    std::vector<std::string> wakes;
    InstanceServer server([&](const std::string& token) { wakes.push_back(token); }, nullptr,
                          {std::chrono::milliseconds(100), 32});
    ASSERT_TRUE(server.listen(socket));
    ASSERT_TRUE(fs::remove(socket));
    EXPECT_TRUE(WaitFor([&] { return fs::exists(socket); }, 3000));
    EXPECT_TRUE(Served([&] { return SendWakeUp(socket, ""); }));
    EXPECT_EQ(wakes.size(), 1u);

    const int idle = ConnectTo(socket);
    ASSERT_GE(idle, 0);
    const uint8_t half[] = {0xB7, 0x0B, 0};
    ASSERT_EQ(::send(idle, half, sizeof half, MSG_NOSIGNAL), 3);
    EXPECT_TRUE(WaitFor([&] { return ClosedByPeer(idle); }, 3000));
    ::close(idle);
    EXPECT_EQ(wakes.size(), 1u);
}

// The test holds the instance lock, so the real ferrox started now is the second instance.
TEST(SingleInstance, SecondFerroxWakesTheFirstAndEndsAtOnce) {
    const fs::path runtime = FreshRuntime("second");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    auto lock = InstanceLock::acquire(InstanceLockPath());
    ASSERT_TRUE(lock);
    std::vector<std::string> received;
    InstanceServer server([&](const std::string& token) { received.push_back(token); });
    ASSERT_TRUE(server.listen(InstanceSocketPath()));

    QProcess second;
    QProcessEnvironment env = ProcessEnv(runtime);
    env.insert("XDG_ACTIVATION_TOKEN", "from-the-launcher");
    second.setProcessEnvironment(env);
    second.start(kFerrox, {"--simulate"});
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(WaitFor([&] { return !received.empty(); }, 3000));
    EXPECT_EQ(received, std::vector<std::string>{"from-the-launcher"});
}

TEST(SingleInstance, RunningFerroxKeepsTheLockAndASecondOneLeavesIt) {
    const fs::path runtime = FreshRuntime("first");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QProcess first;
    first.setProcessEnvironment(ProcessEnv(runtime));
    first.start(kFerrox, {"--simulate"});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return fs::exists(InstanceSocketPath()); }));

    QProcess second;
    second.setProcessEnvironment(ProcessEnv(runtime));
    second.start(kFerrox, {"--simulate"});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(InstanceLock::acquire(InstanceLockPath()));

    // Killed as if it crashed: the lock goes with it, the socket file stays behind.
    first.kill();
    first.waitForFinished();
    EXPECT_TRUE(fs::exists(InstanceSocketPath()));
    EXPECT_TRUE(InstanceLock::acquire(InstanceLockPath()));
}

// The real window with room for 100 descriptors, 150 senders that never finish, then garbage
// and a 64 MiB length: its socket stays, and ferroxctl gets through again.
TEST(SingleInstance, SocketSurvivesIdleSendersAtADescriptorLimit) {
    const fs::path runtime = FreshRuntime("descriptor-limit");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    QProcess ferrox;
    ferrox.setProcessEnvironment(ProcessEnv(runtime));
    ferrox.setChildProcessModifier([] {
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_NOFILE, &limit);
    });
    ferrox.start(kFerrox, {"--simulate"});
    ASSERT_TRUE(ferrox.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return fs::exists(InstanceSocketPath()); }));
    std::vector<int> idle;
    for (int i = 0; i < 150; ++i)
        idle.push_back(ConnectTo(InstanceSocketPath()));
    EXPECT_EQ(std::count(idle.begin(), idle.end(), -1), 0);
    EXPECT_TRUE(WaitFor([&] { return std::all_of(idle.begin(), idle.end(), ClosedByPeer); }, 8000));
    EXPECT_TRUE(fs::exists(InstanceSocketPath()));
    for (int fd : idle)
        ::close(fd);
    const std::vector<uint8_t> abuse[] = {
        test::LittleEndianWords({0x0BB9, 0xF3A00001, 64u << 20}),
        test::LittleEndianWords({0x12345678, 0x9ABCDEF0, 0x0FEDCBA9, 0x87654321}),
    };
    for (const std::vector<uint8_t>& bytes : abuse) {
        const int fd = ConnectTo(InstanceSocketPath());
        ASSERT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL), ssize_t(bytes.size()));
        EXPECT_TRUE(WaitFor([&] { return ClosedByPeer(fd); }, 3000));
        ::close(fd);
    }

    QProcess ctl;
    ctl.setProcessEnvironment(ProcessEnv(runtime));
    ctl.start(QStringLiteral(FERROX_OUTPUT_DIR "/ferroxctl"), {"virtual", "battery", "40"});
    EXPECT_TRUE(WaitFor([&] { return ctl.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(ctl.exitCode(), 0) << ctl.readAllStandardError().toStdString();
    ASSERT_EQ(ferrox.state(), QProcess::Running) << ferrox.readAllStandardError().toStdString();
    ::kill(pid_t(ferrox.processId()), SIGTERM);
    ASSERT_TRUE(ferrox.waitForFinished(5000));
    EXPECT_EQ(ferrox.exitCode(), 0);
}

// A logout or a kill sends SIGTERM; Ctrl+C in a terminal SIGINT. Either ends the program like its
// exit button, through the window's destruction and its final save, not by dying on the signal.
TEST(SingleInstance, TerminationSignalsEndTheProgramNormally) {
    for (const auto& [name, sig] : {std::pair{"term", SIGTERM}, std::pair{"int", SIGINT}}) {
        const fs::path runtime = FreshRuntime(name);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        QProcess ferrox;
        ferrox.setProcessEnvironment(ProcessEnv(runtime));
        ferrox.start(kFerrox, {"--simulate"});
        ASSERT_TRUE(ferrox.waitForStarted());
        ASSERT_TRUE(WaitFor([&] { return fs::exists(InstanceSocketPath()); }));
        ::kill(pid_t(ferrox.processId()), sig);
        ASSERT_TRUE(ferrox.waitForFinished(5000)) << name;
        EXPECT_EQ(ferrox.exitStatus(), QProcess::NormalExit) << name;
        EXPECT_EQ(ferrox.exitCode(), 0) << name;
    }
}

// A home folder such as /home/jörg, in the C locale as in a UTF-8 one; and ferroxctl learns
// which folder the window works on.
TEST(SingleInstance, StartsOnADataFolderInAnyScriptAndPublishesIt) {
    for (const char* locale : {"C", "C.UTF-8"}) {
        const fs::path runtime = FreshRuntime(locale);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const fs::path data = runtime / "J\xC3\xB6rg \xD0\xB0\xD0\xBD\xD1\x8F \xE7\x94\xA8\xE6\x88\xB7";
        QProcessEnvironment env = ProcessEnv(runtime);
        env.insert("LC_ALL", locale);
        QProcess ferrox;
        ferrox.setProcessEnvironment(env);
        ferrox.start(kFerrox, {"--simulate", "--data-dir", QString::fromStdString(data.string())});
        ASSERT_TRUE(ferrox.waitForStarted());
        ASSERT_TRUE(WaitFor([&] { return fs::exists(data / "config" / "default4.psf"); }))
            << locale << ": " << ferrox.readAllStandardError().toStdString();
        const std::optional<InstanceInfo> info = ReadInstanceInfo(InstanceInfoPath());
        ASSERT_TRUE(info) << locale;
        EXPECT_EQ(info->holder, InstanceInfo::Holder::Window);
        EXPECT_EQ(info->dataFolder, data);
        EXPECT_FALSE(info->realDevices);
        ::kill(pid_t(ferrox.processId()), SIGTERM);
        ASSERT_TRUE(ferrox.waitForFinished(5000)) << locale;
        EXPECT_EQ(ferrox.exitCode(), 0) << locale;
        EXPECT_FALSE(fs::exists(InstanceInfoPath())) << "gone with the lock";
    }
}

} // namespace
} // namespace ferrox
