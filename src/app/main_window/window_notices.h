// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window tells the user outside its controls: the parts' attention notices, the
// notice that no mouse was found, the progress animation after an apply, the start-up notice
// about files that could not be used, the support notice, and the on-screen display and
// battery warnings the mouse's answers bring. Each notice window is kept while it is open, so
// that a test (or a second notice) can find it.

#include "app/dialogs/progress_bar_dlg.h"
#include "app/main_window/window_part.h"
#include "device/protocol/low_battery_watch.h"

#include <QPointer>

#include <cstdint>
#include <functional>

namespace ferrox {

class DesktopPresence;
class SyncSession;
struct UserDataLoad;

class WindowNotices : public WindowPart {
public:
    // presence: the tray's on-screen display and notifications, null while there are none.
    WindowNotices(CDlgBase& window, const WindowCalls& calls, SyncSession& session,
                  CProgressBarDlg::Clock progressClock, std::function<DesktopPresence*()> presence);

    // The no-device timer (80).
    void Bind() override;

    // A text of the language file, or the English text when the file has none (or for index -1).
    void ShowAttention(int textIndex, const char* english);
    void ShowProgress();
    void ShowSupport();
    // Nothing when every file of the data folder could be used.
    void ShowUnusableFiles(const UserDataLoad& load);
    // The mouse changed its DPI level or report rate.
    void ShowOnScreenDisplay();
    void ShowBatteryWarning(BatteryWarning warning, std::uint8_t level);

    // The notice timer 80 put up, while it is open.
    WindowBase* NoDeviceNoticeWindow() const { return noDevice_; }
    WindowBase* SupportNoticeWindow() const { return support_; }
    // The last attention notice a part showed, while it is open.
    WindowBase* AttentionWindow() const { return attention_; }
    // The progress animation after an apply or a reset, while it runs.
    CProgressBarDlg* ProgressWindow() const { return progress_; }
    // The start-up notice about files of the data folder that could not be used.
    WindowBase* HeldFilesNoticeWindow() const { return heldFiles_; }

private:
    void onNoDeviceTimer();

    SyncSession& session_;
    CProgressBarDlg::Clock progressClock_;
    std::function<DesktopPresence*()> presence_;
    QPointer<CProgressBarDlg> progress_;
    QPointer<WindowBase> noDevice_;
    QPointer<WindowBase> support_;
    QPointer<WindowBase> attention_;
    QPointer<WindowBase> heldFiles_;
};

} // namespace ferrox
