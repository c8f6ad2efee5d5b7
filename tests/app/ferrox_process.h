// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting the real ferrox program from a test: its own runtime folder, its environment, and
// waiting for something to happen without blocking the test's event loop.

#include "scratch_folder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <filesystem>
#include <thread>

namespace ferrox::test {

inline const QString kFerrox = QStringLiteral(FERROX_OUTPUT_DIR "/ferrox");

// A runtime folder of the test's own, so nothing collides with another run.
inline std::filesystem::path FreshRuntime(const char* name) {
    const std::filesystem::path folder = Scratch() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    return folder;
}

// Runs the event loop until done() holds; false after the time limit.
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

inline QProcessEnvironment ProcessEnv(const std::filesystem::path& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("FERROX_DATA_DIR", QString::fromStdString((runtime / "data").string()));
    return env;
}

} // namespace ferrox::test
