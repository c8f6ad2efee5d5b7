// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real ferroxctl beside the real ferrox --simulate: each command the window carries out
// answers, sends and saves as ferroxctl does on the files alone, and the window's socket
// stays up whatever comes in on it.

#include "app/ferrox_process.h"
#include "base/app_globals.h"
#include "base/instance_client.h"
#include "base/instance_lock.h"
#include "base/instance_message.h"
#include "cli/remote_forward.h"
#include "socket_client.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <fstream>
#include <sstream>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
    bool operator==(const Result&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Result& r) {
    return os << "exit " << r.status << "\n--- out\n" << r.out << "--- err\n" << r.err;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

// The frame number (the fifth byte of a frame written) counts the frames of a session: the
// window's has sent others before.
std::string WithoutFrameNumbers(std::string text) {
    for (size_t at = 0; (at = text.find("> 0C ", at)) != std::string::npos; at += 5)
        if (text.size() >= at + 16)
            text.replace(at + 14, 2, "##");
    return text;
}

// A file as UTF-16LE text of ASCII characters, narrowed.
std::string Narrow(const std::string& bytes) {
    std::string text;
    for (char c : bytes)
        if (c != '\0')
            text += c;
    return text;
}

std::string FileText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class WindowCommands : public ::testing::Test {
protected:
    void SetUp() override {
        runtime_ = test::FreshRuntime("remote-program");
        setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        work_ = runtime_ / "work";
        fs::create_directories(work_);
    }
    void TearDown() override { StopWindow(); }

    void StartWindow() {
        ferrox_.setProcessEnvironment(Env(Data()));
        ferrox_.start(test::kFerrox, {"--simulate"});
        ASSERT_TRUE(ferrox_.waitForStarted());
        ASSERT_TRUE(test::WaitFor([&] { return fs::exists(InstanceSocketPath()); }));
        // Its first status answer is in once status answers.
        ASSERT_TRUE(test::WaitFor([&] { return Ctl(Data(), {"status"}).status == 0; }));
    }
    void StopWindow() {
        if (ferrox_.state() == QProcess::NotRunning)
            return;
        ferrox_.terminate();
        EXPECT_TRUE(ferrox_.waitForFinished(10000));
    }
    bool WindowRuns() const { return ferrox_.state() == QProcess::Running; }

    fs::path Data() const { return runtime_ / "data"; }
    QProcessEnvironment Env(const fs::path& data) const {
        QProcessEnvironment env = test::ProcessEnv(runtime_);
        env.insert("FERROX_DATA_DIR", QString::fromStdString(data.string()));
        return env;
    }
    Result Ctl(const fs::path& data, const QStringList& args) {
        QProcess ctl;
        ctl.setProcessEnvironment(Env(data));
        ctl.setWorkingDirectory(QString::fromStdString(work_.string()));
        ctl.start(QStringLiteral(FERROX_OUTPUT_DIR "/ferroxctl"), args);
        EXPECT_TRUE(ctl.waitForFinished(40000)) << args.join(' ').toStdString();
        return {ctl.exitCode(), ctl.readAllStandardOutput().toStdString(),
                ctl.readAllStandardError().toStdString()};
    }

    fs::path runtime_, work_;
    QProcess ferrox_;
};

// One session of commands, run once on the files alone and once through the window: every
// answer, every --trace and every saved file the same.
TEST_F(WindowCommands, EachCommandAnswersTheSameThroughTheWindowAsOnTheFiles) {
    // The window names a file by the absolute path ferroxctl made of it; given so, the same.
    const QString exported = QString::fromStdString((work_ / "exported.psf").string());
    const std::vector<QStringList> session = {
        {"show"},
        {"--trace", "set", "dpi", "0", "800"},
        {"set", "rate", "500"},
        {"set", "dpi", "9", "800"},
        {"profile", "add", "Extra"},
        {"profile", "rename", "1", "Work"},
        {"--trace", "profile", "use", "1"},
        {"show", "--json"},
        {"show", "0"},
        {"config"},
        {"config", "--json"},
        {"language"},
        {"macro", "list"},
        {"profile", "export", "1", exported},
        {"profile", "import", "2", exported},
        {"status"},
        {"status", "--json"},
        {"--trace", "apply"},
        {"profile", "delete", "2"},
    };
    // The files alone: ferroxctl's own virtual mouse, kept between the runs.
    const fs::path alone = runtime_ / "alone";
    const QStringList simulate{"--simulate", "--simulate-state",
                               QString::fromStdString((runtime_ / "mouse.state").string())};
    ASSERT_EQ(Ctl(alone, simulate + QStringList{"apply"}).status, 0);
    std::vector<Result> onFiles;
    for (const QStringList& words : session) {
        onFiles.push_back(Ctl(alone, simulate + words));
        onFiles.back().out = WithoutFrameNumbers(onFiles.back().out);
    }
    const std::string exportedAlone = FileText(work_ / "exported.psf");

    StartWindow();
    for (size_t i = 0; i < session.size(); ++i) {
        Result r = Ctl(Data(), session[i]);
        r.out = WithoutFrameNumbers(Replaced(r.out, Data().string(), alone.string()));
        r.err = Replaced(r.err, Data().string(), alone.string());
        EXPECT_EQ(r, onFiles[i]) << session[i].join(' ').toStdString();
    }
    EXPECT_TRUE(WindowRuns());
    // A relative file name is ferroxctl's, not the window's.
    const Result relative = Ctl(Data(), {"profile", "export", "1", "relative.psf"});
    EXPECT_EQ(relative.status, 0) << relative;
    EXPECT_EQ(FileText(work_ / "relative.psf"), exportedAlone);
    StopWindow();
    EXPECT_EQ(
        Replaced(Narrow(FileText(Data() / "config/config.ini")), Data().string(), alone.string()),
        Narrow(FileText(alone / "config/config.ini")));
    for (const char* file : {"config/default0.psf", "config/default1.psf", "config/default2.psf"})
        EXPECT_EQ(FileText(Data() / file), FileText(alone / file)) << file;
}

TEST_F(WindowCommands, GarbageAndAHugeRequestLeaveTheWindowRunning) {
    StartWindow();
    const fs::path socket = InstanceSocketPath();
    {
        const int fd = test::ConnectTo(socket);
        ASSERT_GE(fd, 0);
        const std::string garbage(5000, '\x5A');
        (void)::send(fd, garbage.data(), garbage.size(), MSG_NOSIGNAL);
        ::close(fd);
    }
    {
        // A framed command that says 64 MiB, and sends them.
        const int fd = test::ConnectTo(socket);
        ASSERT_GE(fd, 0);
        std::vector<uint8_t> header =
            test::LittleEndianWords({uint32_t(InstanceMessageType::Command),
                                     kFrameMark | kInstanceProtocolVersion, 64u << 20});
        (void)::send(fd, header.data(), header.size(), MSG_NOSIGNAL);
        const std::vector<uint8_t> chunk(1 << 20, 0x01);
        for (int i = 0; i < 64; ++i)
            if (::send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL) < 0)
                break; // the window closed it, as it should
        ::close(fd);
    }
    {
        // A well-framed command whose payload is not one.
        const std::vector<uint8_t> junk{1, 0, 0xFF, 0xFF, 0xFF, 0x7F, 'x'};
        const InstanceAnswer answer = AskRunningInstanceFor(socket, InstanceMessageType::Command,
                                                            junk, std::chrono::seconds(5));
        EXPECT_EQ(answer.reply, InstanceReply::Failed);
        EXPECT_NE(answer.text.find("not a ferroxctl command"), std::string::npos) << answer.text;
    }
    EXPECT_TRUE(WindowRuns());
    const Result shown = Ctl(Data(), {"show"});
    EXPECT_EQ(shown.status, 0) << shown;
}

TEST_F(WindowCommands, AWindowThatDoesNotAnswerIsToldAndNothingIsWritten) {
    // Something holds the lock for this data folder and takes connections but never answers.
    auto lock = InstanceLock::acquire(InstanceLockPath());
    ASSERT_TRUE(lock);
    ASSERT_TRUE(lock->publish(InstanceInfoPath(), {InstanceInfo::Holder::Window, Data(), false}));
    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, InstanceSocketPath().c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(listening, 4), 0);

    std::ostringstream out, err;
    CliContext context(out, err);
    context.args = {"rate", "500"};
    DataFolder = Data();
    EXPECT_EQ(RunInWindow(context, "set", std::chrono::milliseconds(300)), 1);
    EXPECT_NE(err.str().find("did not answer within"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(Data())) << "ferroxctl wrote nothing of its own";
    ::close(listening);
}

} // namespace
} // namespace ferrox
