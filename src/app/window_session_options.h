// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window's device session is made with. The program uses the defaults (real
// pauses between frames, the user's files); tests hand in pauses that do not sleep and storage
// they can watch, and --trace hands in its log.

#include "app/dialogs/progress_bar_dlg.h"
#include "device/protocol/device_worker.h"
#include "device/protocol/sync_session.h"
#include "device/protocol/sync_controller.h"

#include <filesystem>
#include <functional>

namespace ferrox {

struct WindowSessionOptions {
    DeviceWorker::Pause pause = DeviceWorker::RealPause;
    SyncStorage storage = SyncStorage::Files();
    // Sees every report written and read, on the device threads; empty for none.
    SyncSession::ReportTrace trace;
    // UiScale to use instead of the one the screen's work area gives; 0 to choose as usual.
    float uiScale = 0;
    // The folder of the shipped skins and language files instead of the one beside the
    // program; empty to choose as usual.
    std::filesystem::path programFolder;
    // The clock the progress animation measures its half second on; empty for the steady
    // clock.
    CProgressBarDlg::Clock progressClock;
    // Whether the desktop shows tray icons; empty to ask the desktop.
    std::function<bool()> trayAvailable;
    // How long a change waits before it is sent, so that changes made together go out
    // together. Tests that send by firing the timer themselves make it long, so that a slow
    // run never sends on its own in the middle of a test.
    int applyDelayMilliseconds = 20;
};

} // namespace ferrox
