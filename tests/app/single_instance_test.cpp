// One running instance: the lock, the wake-up channel, and two real ferrox processes.

#include "app/app_messages.h"
#include "app/instance_server.h"
#include "base/instance_lock.h"

#include "app/ferrox_process.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <atomic>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

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
    std::vector<unsigned> received;
    InstanceServer server([&](unsigned message) { received.push_back(message); });
    ASSERT_TRUE(server.listen(socket));

    for (unsigned message : {0x1234u, kWakeInstanceMessage}) {
        std::atomic<bool> done = false;
        std::thread sender([&] {
            EXPECT_TRUE(SendToRunningInstance(socket, message));
            done = true;
        });
        // The sender waits for the server to take the message, which needs this event loop.
        EXPECT_TRUE(WaitFor([&] { return done.load(); }, 3000));
        sender.join();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(received, std::vector<unsigned>{kWakeInstanceMessage});
    EXPECT_FALSE(SendToRunningInstance(socket.parent_path() / "nobody.socket", 1));
}

// The test holds the instance lock, so the real ferrox started now is the second instance.
TEST(SingleInstance, SecondFerroxWakesTheFirstAndEndsAtOnce) {
    const fs::path runtime = FreshRuntime("second");
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    auto lock = InstanceLock::acquire(InstanceLockPath());
    ASSERT_TRUE(lock);
    std::vector<unsigned> received;
    InstanceServer server([&](unsigned message) { received.push_back(message); });
    ASSERT_TRUE(server.listen(InstanceSocketPath()));

    QProcess second;
    second.setProcessEnvironment(ProcessEnv(runtime));
    second.start(kFerrox, {"--simulate"});
    ASSERT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }, 5000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(WaitFor([&] { return !received.empty(); }, 3000));
    EXPECT_EQ(received, std::vector<unsigned>{kWakeInstanceMessage});
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
