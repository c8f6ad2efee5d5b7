// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window. It stays open for the whole run: the program ends when it closes. Its parts
// live beside it in this folder; the class itself finds the device, keeps itself visible or hidden, filters the keyboard, tells the
// user when no device is there, and ends in the three ways the program can end.

#include "app/dialogs/progress_bar_dlg.h"
#include "app/key_sequence.h"
#include "app/main_window/key_menus.h"
#include "app/main_window/section_column.h"
#include "app/window_session_options.h"
#include "app/window_rules.h"
#include "app/window_sync_timers.h"
#include "device/hid/device_discovery.h"
#include "device/hid/hid_system.h"
#include "device/protocol/sync_session.h"
#include "ui/dlg_base.h"

#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>

namespace ferrox {

class MenuPopup;
class DesktopPresence;
class DeviceNoticeBridge;
class MainProfileBar;
struct MainWindowParts;

class CFerroxDlg : public CDlgBase, private SyncHost {
public:
    static constexpr int DesignWidth = 1127;
    static constexpr int DesignHeight = 740;

    // dataDirOverride: --data-dir, empty when not given.
    explicit CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride = {},
                        WindowSessionOptions options = {});
    ~CFerroxDlg() override;

    // --start-hidden: out of the way at start, yet still allowed to show (a second start, the
    // tray). Set before Create().
    void StartHidden(bool hidden) { startHiddenOption_ = hidden; }

    DeviceDiscovery& Discovery() { return discovery_; }
    SyncSession& Session() { return session_; }
    int WindowShownFlag() const { return session_.sync().windowShown; }
    int DeviceShowFlag() const { return session_.sync().deviceShow; }
    int ShownByDeviceFlag() const { return session_.sync().shownByDevice; }
    // The notice timer 80 put up, while it is open.
    WindowBase* NoDeviceNoticeWindow() const { return noDeviceNotice_; }
    WindowBase* SupportNoticeWindow() const { return supportNotice_; }
    // The last attention notice a handler showed, while it is open.
    WindowBase* AttentionWindow() const { return attention_; }
    // The progress animation after an apply or a reset, while it runs.
    CProgressBarDlg* ProgressWindow() const { return progress_; }
    // The start-up notice about files of the data folder that could not be used.
    WindowBase* HeldFilesNoticeWindow() const { return heldFilesNotice_; }
    // Tray icon, on-screen display and notifications; null before Create().
    DesktopPresence* Presence() const { return presence_.get(); }

    // Places the window on a work area: centred, or at the edge where it does not fit.
    void PlaceOnWorkArea(const QRect& workArea);

    // The current profile shown in every control, and the controls' state written back.
    void RefreshView();
    // The same, with no repaint of the whole window when the settings it shows are unchanged.
    void RefreshViewIfChanged();
    void CollectView();
    MainWindowParts& Parts() { return *parts_; }
    const OpenSections& Sections() const;
    // The key buttons' function menus and the dialogs they open.
    KeyFunctionMenus& KeyMenus();

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
    void determineFolders();
    void determineScale();
    void bindMessages();
    SyncController& sync() { return session_.sync(); }

    // What the synchronisation asks of the window.
    void showProfileAgain() override;
    void showWindowFromDevice() override;
    void minimiseWindow() override;
    void updateBatteryDisplay(uint8_t level, ChargeState charge, int animationStep) override;
    void showProgressNotice() override;
    void showDeviceNotice() override;
    void batteryWarning(BatteryWarning warning, uint8_t level) override;

    LResult onWakeInstance();
    void onTrayShow();
    bool trayIconShown() const;
    void allowWindow();
    LResult handleDeviceChange(WParam change);
    void requestVisibilityCheck();
    void onVisibilityTimer();
    void onNoDeviceTimer();
    void minimise();
    void endProgram(int result);
    void showSupportNotice();

    // --- controls (app/main/) ---
    void bindControlHandlers();
    // One handler for a control's notifications, with the code and wParam.
    void onControl(int id, std::function<void(LParam code, WParam wParam)> handler);
    void scheduleApply(unsigned groups);
    // A slider moved while held: groups are applied when the button comes up.
    void noteDrag(unsigned groups);
    // The attention notice with a text of the language file, or the English text when the
    // file has none (or for index -1).
    void showAttention(int textIndex, const char* english = "");




    HidSystem& hid_;
    std::filesystem::path dataDirOverride_;
    // Answers, failed writes and device events come back to this thread as posted tasks.
    PostingMessageSink deviceMessages_;
    WindowSyncTimers syncTimers_{*this};
    SyncSession session_;
    DeviceDiscovery& discovery_;
    DeviceNoticeBridge* notices_ = nullptr;
    KeySequenceFilter keys_;

    CProgressBarDlg::Clock progressClock_;
    float forcedScale_ = 0;
    std::filesystem::path forcedProgramFolder_;
    int startHidden_ = 0;
    bool startHiddenOption_ = false;
    bool visibilityDecided_ = false; // the window-shown flag holds its start value
    int screenWidth_ = 0;
    int screenHeight_ = 0;
    bool hasBackground_ = false;
    std::function<bool()> trayAvailable_;
    std::unique_ptr<DesktopPresence> presence_;

    bool sliderDragged_ = false;
    unsigned dragGroups_ = 0;

    std::unique_ptr<MainWindowParts> parts_;
    QPointer<CProgressBarDlg> progress_;
    QPointer<WindowBase> noDeviceNotice_;
    QPointer<WindowBase> supportNotice_;
    QPointer<WindowBase> attention_;
    QPointer<WindowBase> heldFilesNotice_;
};

} // namespace ferrox
