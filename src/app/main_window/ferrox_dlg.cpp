// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/ferrox_dlg.h"

#include "app/app_messages.h"
#include "app/main_window/main_layout.h"
#include "app/main_window/main_window_parts.h"
#include "app/device_notice_bridge.h"
#include "app/profile_bar_window.h"
#include "app/tray/main_tray_icon.h"
#include "base/app_globals.h"
#include "macros/macro_user_library.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "startup/startup_load.h"
#include "ui/skin_images.h"
#include "ui/look_colours.h"
#include "ui/open_dialog_table.h"
#include "ui/ui_scale.h"

#include <QGuiApplication>
#include <QScreen>

#ifndef FERROX_SHARE_DIR
#define FERROX_SHARE_DIR "/usr/local/share/ferrox"
#endif

namespace ferrox {
namespace {

constexpr int kBackgroundBitmap = 364;

void DetermineFolders(const MainWindowSetup& setup) {
    ProgramFolder = setup.programFolder.empty()
                        ? ChooseProgramFolder(ExecutableFolder(), FERROX_SHARE_DIR)
                        : setup.programFolder;
    DataFolder = ChooseDataFolder(setup.dataDirOverride);
    CreateDataFolder(DataFolder);
}

void DetermineScale(const QWidget& window, MainWindowSetup& setup) {
    const QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect work = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    setup.screenWidth = work.width();
    setup.screenHeight = work.height();
    UiScale = setup.forcedScale > 0 ? setup.forcedScale
                                    : ChooseUiScale(setup.screenWidth, setup.screenHeight);
    DpiRatio = float(window.logicalDpiX()) / 96.0f;
}

} // namespace

CFerroxDlg::CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride,
                       WindowSessionOptions options)
    : setup_{.dataDirOverride = std::move(dataDirOverride),
             .programFolder = std::move(options.programFolder),
             .forcedScale = options.uiScale},
      links_(
          hid, *this, [this](PostingMessageSink::Task task) { PostTask(std::move(task)); },
          [this](const DeviceMessage& message) { session_.Handle(message); }),
      session_(*hid.backend, links_.messages, links_.host, links_.timers, UserMacroLibrary(),
               std::move(options.pause), std::move(options.storage)) {
    session_.SetReportTrace(options.trace);
    session_.sync().setApplyDelay(options.applyDelayMilliseconds);
    setWindowTitle(QStringLiteral("Ferrox"));
    // Neither key confirms nor closes the main window; both reach the key filter.
    SetDefaultKeys(DefaultKey::Capture, DefaultKey::Capture);
    SetEnterPressesFocus(false);
    bindMessages();
    parts_ = std::make_unique<MainWindowParts>(
        *this, session_,
        // Applies and notices are the parts' own; MainWindowParts fills them in.
        WindowCalls{.showProfileAgain = [this] { RefreshView(); },
                    .collectView = [this] { CollectView(); },
                    .scheduleApply = {},
                    .noteDrag = {},
                    .showNotice = {},
                    .screenHeight = [this] { return setup_.screenHeight; }},
        std::move(options.progressClock), std::move(options.trayAvailable));
    links_.host.Attach(parts_.get());
    for (WindowPart* part : parts_->All())
        part->Bind();
}

// Destruction order: a pending deferred save is written, the device handles are closed, the
// tray icon goes.
CFerroxDlg::~CFerroxDlg() {
    links_.deviceNotices.reset(); // no device notice may arrive while the window comes apart
    KillTimer(kVisibilityTimer);
    session_.sync().FlushPendingSave();
    session_.StopReaders();
    session_.discovery().closeCommandHandles();
    // Frames still queued are sent when the session goes, after the window has hidden.
    parts_->visibility.LeaveDesktop(); // the tray icon and the on-screen display go
    links_.host.Detach();
}

void CFerroxDlg::StartHidden(bool hidden) {
    parts_->visibility.StartHidden(hidden);
}

WindowNotices& CFerroxDlg::Notices() {
    return parts_->notices;
}

WindowVisibility& CFerroxDlg::Visibility() {
    return parts_->visibility;
}

void CFerroxDlg::RefreshView() {
    ++parts_->viewRefreshes;
    const ProfileSettings& profile = CurrentProfile();
    for (WindowPart* part : parts_->All())
        part->Refresh(profile);
    parts_->shown.Changed();
    Invalidate();
}

void CFerroxDlg::CollectView() {
    ProfileSettings& profile = CurrentProfile();
    for (WindowPart* part : parts_->All())
        part->Collect(profile);
}

void CFerroxDlg::bindMessages() {
    bindMessage(MainTrayIcon::ExitCommand, [this](WParam, LParam) {
        endProgram(IDOK);
        return 0;
    });
    bindMessage(WM_DEVICECHANGE, [this](WParam w, LParam) { return handleDeviceChange(w); });
    bindMessage(WM_QUIT, [this](WParam, LParam) {
        EndDialog(IDCANCEL);
        return 0;
    });
    bindMessage(kExitButtonId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            endProgram(IDOK);
        return 0;
    });
    bindMessage(kMinimiseButtonId, [this](WParam, LParam code) {
        if (code == NotifyClicked)
            parts_->visibility.Minimise();
        return 0;
    });
    // Closed by the desktop (a window-list close, Alt+F4): end as the exit button does.
    bindMessage(WM_CLOSE, [this](WParam, LParam) {
        endProgram(IDCANCEL);
        return 0;
    });
}

bool CFerroxDlg::OnInitDialog() {
    // The background is the largest picture the window decodes: another core prepares it while
    // this thread loads the user data and builds the controls.
    std::future<FrameBitmap> background = LoadFrameResourceAside(kBackgroundBitmap);
    DetermineFolders(setup_);
    DetermineScale(*this, setup_);
    // Language, configuration and profiles, DPI step table; the macro library is read on a
    // thread of its own meanwhile, and while the controls are built.
    UserDataLoading loading;
    SetDesignSize(DesignWidth, DesignHeight);
    CDlgBase::OnInitDialog(); // builds the controls and shows the window
    const UserDataLoad load = loading.Finish();
    parts_->notices.ShowUnusableFiles(load);
    if (const QScreen* s = screen())
        parts_->visibility.PlaceOnWorkArea(s->availableGeometry());

    ClearOpenDialogTable();
    keys_.reset();
    for (DeviceKind kind : kAllDeviceKinds) {
        Discovery().link().of(kind).commandPath.clear();
        Discovery().link().of(kind).eventPath.clear();
    }
    parts_->visibility.StartOnDesktop();
    RefreshView();

    links_.deviceNotices = std::make_unique<DeviceNoticeBridge>(links_.hid, *this);
    // Notices registered, shadow images from the profile, first scan, status query on
    // connection.
    session_.Start();
    setup_.hasBackground = SetFrameBitmap(background.get());
    SetTimer(kNoDeviceTimer, 2000, TimerMode::SingleShot);
    return true;
}

void CFerroxDlg::CreateControls(int, int, int, int) {
    BuildMainWindowControls(*this, int(DpiSteps.count));
    parts_->column.Create();
    parts_->tabs.Place();
}

void CFerroxDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    if (setup_.hasBackground) {
        DrawBackground(canvas, clientRect); // it carries the product name
    } else {
        canvas.FillRect(clientRect, look::Graphite);
        canvas.FrameRect(clientRect, look::Hairline);
    }
    parts_->column.DrawFrames(canvas);
    DrawControls(canvas, clientRect);
    parts_->keys.DrawMarker(canvas);
}

bool CFerroxDlg::OnKeyDown(int virtualKey, bool) {
    switch (keys_.keyDown(virtualKey)) {
    case KeyVerdict::Swallow:
        return true;
    case KeyVerdict::ShowSupport:
        parts_->notices.ShowSupport();
        return false;
    case KeyVerdict::PassOn:
        break;
    }
    return false;
}

LResult CFerroxDlg::handleDeviceChange(WParam change) {
    if (change != DBT_DEVICEARRIVAL && change != DBT_DEVICEREMOVECOMPLETE)
        return 0;
    // The session sets the poll counter to 19, queries at once on a first connection and
    // clears the window-shown flag when the last device went.
    const DeviceChangeOutcome outcome = session_.OnDeviceChange(
        change == DBT_DEVICEARRIVAL ? HidChange::Arrival : HidChange::Removal);
    if (outcome.lastDeviceGone) {
        hide();
        CloseOpenDialogs();
        PostMessage(WM_QUIT);
        return 0;
    }
    if (outcome.rescanned)
        RefreshView();
    return 0;
}

void CFerroxDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        parts_->visibility.CheckSoon(); // restored from the taskbar, maybe
    CDlgBase::changeEvent(event);
}

void CFerroxDlg::showEvent(QShowEvent* event) {
    parts_->visibility.CheckSoon();
    CDlgBase::showEvent(event);
}

void CFerroxDlg::endProgram(int result) {
    CloseOpenDialogs();
    EndDialog(result);
}

} // namespace ferrox
