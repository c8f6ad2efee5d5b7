// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's own options, on the real ferrox: the report trace and the virtual
// mouse's state file.

#include "app/ferrox_process.h"
#include "base/instance_lock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <csignal>

namespace ferrox {
namespace {
namespace fs = std::filesystem;

QStringList ReadLines(const fs::path& file) {
    QFile f(QString::fromStdString(file.string()));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

// The start-up status query (command 20) and the mouse's answer to it.
bool HasStatusExchange(const QStringList& lines) {
    const auto query = [](const QString& l) { return l.startsWith("> 0C ") && l.mid(8, 2) == "20"; };
    const auto answer = [](const QString& l) { return l.startsWith("< 0C ") && l.mid(8, 2) == "20"; };
    return std::any_of(lines.begin(), lines.end(), query) &&
           std::any_of(lines.begin(), lines.end(), answer);
}

class WindowProgram : public ::testing::Test {
protected:
    void SetUp() override {
        runtime = test::FreshRuntime("options");
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ferrox.setProcessEnvironment(test::ProcessEnv(runtime));
    }
    // SIGTERM, as a logout sends it; the program must end normally.
    void terminate() {
        ::kill(pid_t(ferrox.processId()), SIGTERM);
        ASSERT_TRUE(ferrox.waitForFinished(5000));
        EXPECT_EQ(ferrox.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(ferrox.exitCode(), 0);
    }

    fs::path runtime;
    QProcess ferrox;
};

TEST_F(WindowProgram, TraceAppendsEveryReportFlushedAsItGoes) {
    const fs::path trace = runtime / "wire.log";
    {
        QFile earlier(QString::fromStdString(trace.string()));
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier run\n");
    }
    ferrox.start(test::kFerrox, {"--simulate", "--trace", QString::fromStdString(trace.string())});
    ASSERT_TRUE(ferrox.waitForStarted());
    // Readable while the program still runs: each line is flushed on its own.
    ASSERT_TRUE(test::WaitFor([&] { return HasStatusExchange(ReadLines(trace)); }));
    terminate();
    const QStringList lines = ReadLines(trace);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.front(), "an earlier run");
    for (qsizetype i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].size(), 1 + 33 * 3) << lines[i].toStdString();
        EXPECT_TRUE(lines[i].startsWith("> ") || lines[i].startsWith("< "));
    }
}

TEST_F(WindowProgram, SimulatedMouseStateSurvivesTheRun) {
    const fs::path state = runtime / "mouse.state";
    ferrox.start(test::kFerrox, {"--simulate-state", QString::fromStdString(state.string())});
    ASSERT_TRUE(ferrox.waitForStarted());
    ASSERT_TRUE(test::WaitFor([&] { return fs::exists(InstanceSocketPath()); }));
    terminate();
    EXPECT_TRUE(fs::exists(state)) << "written when the program ended";
}

TEST_F(WindowProgram, UnusableFilesAreRefusedWithAMessage) {
    const fs::path garbage = runtime / "garbage.state";
    {
        QFile f(QString::fromStdString(garbage.string()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("not a state file\n");
    }
    const std::pair<QStringList, const char*> cases[] = {
        {{"--simulate", "--trace", "/nonexistent-folder/wire.log"}, "/nonexistent-folder/wire.log"},
        {{"--simulate-state", QString::fromStdString(garbage.string())}, "garbage.state"},
    };
    for (const auto& [args, named] : cases) {
        ferrox.start(test::kFerrox, args);
        ASSERT_TRUE(ferrox.waitForFinished(5000));
        EXPECT_EQ(ferrox.exitCode(), 1);
        EXPECT_TRUE(ferrox.readAllStandardError().contains(named)) << named;
    }
}

} // namespace
} // namespace ferrox
