// One running instance: the lock, the wake-up channel, and two real ferrox processes.

#include "app/app_messages.h"
#include "app/instance_server.h"
#include "base/instance_lock.h"

#include "scratch_folder.h"

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

using test::Scratch;

const QString kFerrox = QStringLiteral(FERROX_OUTPUT_DIR "/ferrox");

// A runtime folder of the test's own, so nothing collides with another run.
fs::path FreshRuntime(const char* name) {
    const fs::path folder = Scratch() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_all);
    return folder;
}

template <typename Done> bool WaitFor(Done done, int milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

QProcessEnvironment ProcessEnv(const fs::path& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FERROX_DATA_DIR", QString::fromStdString((runtime / "data").string()));
    return env;
}

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

} // namespace
} // namespace ferrox
