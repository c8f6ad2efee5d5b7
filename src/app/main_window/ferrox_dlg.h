// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window. It stays open for the whole run: the program ends when it closes. Its parts
// live beside it in this folder, the notices and whether the window is in sight among them;
// the class itself finds the device, filters the keyboard and ends in the three ways the
// program can end.

#include "app/device_notice_bridge.h"
#include "app/key_sequence.h"
#include "app/main_window/window_notices.h"
#include "app/main_window/window_sync_host.h"
#include "app/main_window/window_visibility.h"
#include "app/window_session_options.h"
#include "app/window_sync_timers.h"
#include "device/hid/device_discovery.h"
#include "device/hid/hid_system.h"
#include "device/protocol/sync_session.h"
#include "ui/dlg_base.h"

#include <filesystem>
#include <memory>

namespace ferrox {

struct MainWindowParts;

// Where the window's files are and how large it is drawn: given at the start, or measured then.
struct MainWindowSetup {
    // --data-dir, empty when not given.
    std::filesystem::path dataDirOverride;
    // Empty to choose the folder beside the program.
    std::filesystem::path programFolder;
    // 0 to choose the scale from the screen's work area.
    float forcedScale = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    bool hasBackground = false;
};

// What the device session talks to the window through, made before the session.
struct MainWindowLinks {
    MainWindowLinks(HidSystem& system, WindowBase& window, PostingMessageSink::Post post,
                    PostingMessageSink::Handle handle)
        : hid(system), messages(std::move(post), std::move(handle)), timers(window) {}

    HidSystem& hid;
    // Answers, failed writes and device events come back to this thread as posted tasks.
    PostingMessageSink messages;
    WindowSyncTimers timers;
    WindowSyncHost host;
    // Device arrivals and removals, as WM_DEVICECHANGE; from the start of the session on.
    std::unique_ptr<DeviceNoticeBridge> deviceNotices;
};

class CFerroxDlg : public CDlgBase {
public:
    static constexpr int DesignWidth = 1127;
    static constexpr int DesignHeight = 740;

    // dataDirOverride: --data-dir, empty when not given.
    explicit CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride = {},
                        WindowSessionOptions options = {});
    ~CFerroxDlg() override;

    // --start-hidden; set before Create().
    void StartHidden(bool hidden);

    DeviceDiscovery& Discovery() { return session_.discovery(); }
    SyncSession& Session() { return session_; }

    // The current profile shown in every control, and the controls' state written back.
    void RefreshView();
    void CollectView();
    MainWindowParts& Parts() { return *parts_; }
    WindowNotices& Notices();
    WindowVisibility& Visibility();

protected:
    bool OnInitDialog() override;
    void CreateControls(int left, int top, int right, int bottom) override;
    void DrawDialog(Canvas& canvas, const QRect& clientRect) override;
    // The keyboard filter sees every key first.
    bool OnKeyDown(int virtualKey, bool autoRepeat) override;
    void OnMouseMove(int x, int y) override;
    void OnLButtonUp(int x, int y) override;
    void OnLButtonDblClk(int x, int y) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void bindMessages();
    LResult handleDeviceChange(WParam change);
    void endProgram(int result);

    MainWindowSetup setup_;
    MainWindowLinks links_;
    SyncSession session_;
    KeySequenceFilter keys_;
    std::unique_ptr<MainWindowParts> parts_;
};

} // namespace ferrox
