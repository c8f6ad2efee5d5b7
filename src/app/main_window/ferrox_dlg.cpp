// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/ferrox_dlg.h"

#include "app/app_messages.h"
#include "app/main_window/main_layout.h"
#include "app/main_window/main_window_parts.h"
#include "app/device_notice_bridge.h"
#include "app/dialogs/attention_dlg.h"
#include "app/file_notice_text.h"
#include "app/profile_bar_window.h"
#include "app/osd/osd_texts.h"
#include "app/tray/desktop_presence.h"
#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/path_text.h"
#include "base/text_file.h"
#include "lang/language_table.h"
#include "macros/macro_user_library.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "startup/startup_load.h"
#include "ui/battery.h"
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

constexpr int kNoDeviceText = 155;
constexpr int kReceiverOnlyText = 156;
constexpr int kProgressText = 146;

// No language file has this text: it names files, and only this program can tell of them.
std::wstring DataFolderText(const std::vector<DataProblem>& problems) {
    std::wstring text = L"Some of your settings could not be used:";
    for (const DataProblem& problem : problems)
        text += L"\n\n" + PathText(problem.path) + L" " + FromUtf8(problem.text);
    return text;
}

// Held files are among the data folder's problems, with the reason they are held.
std::wstring UnusableFilesText(const UserDataLoad& load) {
    std::vector<FileProblem> others;
    for (const FileProblem& problem : load.fileProblems)
        if (!IsHeldFile(problem.path))
            others.push_back(problem);
    const std::wstring data = load.problems.empty() ? L"" : DataFolderText(load.problems);
    return JoinParagraphs(data, FileProblemsText(others));
}

constexpr int kSupportText = 158;

} // namespace

CFerroxDlg::CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride,
                       WindowSessionOptions options)
    : hid_(hid), dataDirOverride_(std::move(dataDirOverride)),
      deviceMessages_(
          [this](PostingMessageSink::Task task) { PostTask(std::move(task)); },
          [this](const DeviceMessage& message) { session_.Handle(message); }),
      session_(*hid.backend, deviceMessages_, *this, syncTimers_, UserMacroLibrary(),
               std::move(options.pause), std::move(options.storage)),
      discovery_(session_.discovery()) {
    session_.SetReportTrace(options.trace);
    forcedScale_ = options.uiScale;
    progressClock_ = std::move(options.progressClock);
    forcedProgramFolder_ = std::move(options.programFolder);
    trayAvailable_ = std::move(options.trayAvailable);
    sync().setApplyDelay(options.applyDelayMilliseconds);
    setWindowTitle(QStringLiteral("Ferrox"));
    // Neither key confirms nor closes the main window; both reach the key filter.
    SetDefaultKeys(DefaultKey::Capture, DefaultKey::Capture);
    SetEnterPressesFocus(false);
    bindMessages();
    parts_ = std::make_unique<MainWindowParts>(
        *this, session_, WindowCalls{.showProfileAgain = [this] { RefreshView(); },
                           .collectView = [this] { CollectView(); },
                           .scheduleApply = [this](unsigned groups) { scheduleApply(groups); },
                           .noteDrag = [this](unsigned groups) { noteDrag(groups); },
                           .showNotice = [this](int text, const char* english) {
                               showAttention(text, english);
                           },
                           .screenHeight = [this] { return screenHeight_; }});
    bindControlHandlers();
}

// Destruction order: a pending deferred save is written, the device handles are closed, the
// tray icon goes.
CFerroxDlg::~CFerroxDlg() {
    delete notices_; // no device notice may arrive while the window comes apart
    notices_ = nullptr;
    KillTimer(kVisibilityTimer);
    sync().FlushPendingSave();
    session_.StopReaders();
    discovery_.closeCommandHandles();
    // Frames still queued are sent when the session goes, after the window has hidden.
    presence_.reset(); // the tray icon and the on-screen display go
}

void CFerroxDlg::bindMessages() {
    bindMessage(kWakeInstanceMessage, [this](WParam, LParam) { return onWakeInstance(); });
    bindMessage(MainTrayIcon::ShowCommand, [this](WParam, LParam) {
        onTrayShow();
        return 0;
    });
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
            minimise();
        return 0;
    });
    // Closed by the desktop (a window-list close, Alt+F4): end as the exit button does.
    bindMessage(WM_CLOSE, [this](WParam, LParam) {
        endProgram(IDCANCEL);
        return 0;
    });
    bindTimer(kVisibilityTimer, [this] { onVisibilityTimer(); });
    bindTimer(kNoDeviceTimer, [this] { onNoDeviceTimer(); });
}

void CFerroxDlg::showProfileAgain() {
    RefreshView();
}

void CFerroxDlg::showWindowFromDevice() {
    showNormal();
    raise();
    activateWindow();
}

void CFerroxDlg::showProgressNotice() {
    ShowProgress(progress_, this, LanguageText(kProgressText), progressClock_);
}

void CFerroxDlg::minimiseWindow() {
    showMinimized();
}

void CFerroxDlg::updateBatteryDisplay(uint8_t level, ChargeState charge, int) {
    parts_->power.ShowBattery(level, charge);
}

void CFerroxDlg::showDeviceNotice() {
    if (presence_)
        presence_->Osd().Show(MakeOsdTexts(CurrentProfile(), DpiSteps));
}

void CFerroxDlg::batteryWarning(BatteryWarning warning, uint8_t level) {
    if (presence_)
        presence_->ShowBatteryWarning(warning, level);
}

void CFerroxDlg::determineFolders() {
    ProgramFolder = forcedProgramFolder_.empty()
                        ? ChooseProgramFolder(ExecutableFolder(), FERROX_SHARE_DIR)
                        : forcedProgramFolder_;
    DataFolder = ChooseDataFolder(dataDirOverride_);
    CreateDataFolder(DataFolder);
}

void CFerroxDlg::determineScale() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect work = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
    screenWidth_ = work.width();
    screenHeight_ = work.height();
    UiScale = forcedScale_ > 0 ? forcedScale_ : ChooseUiScale(screenWidth_, screenHeight_);
    DpiRatio = float(logicalDpiX()) / 96.0f;
}

bool CFerroxDlg::OnInitDialog() {
    // The background is the largest picture the window decodes: another core prepares it while
    // this thread loads the user data and builds the controls.
    std::future<FrameBitmap> background = LoadFrameResourceAside(kBackgroundBitmap);
    determineFolders();
    determineScale();
    // Language, macro library, configuration and profiles, DPI step table.
    const UserDataLoad load = LoadUserData();
    SetDesignSize(DesignWidth, DesignHeight);
    CDlgBase::OnInitDialog(); // builds the controls and shows the window
    if (const std::wstring files = UnusableFilesText(load); !files.empty())
        heldFilesNotice_ = CAttentionDlg::ShowNotice(this, files,
                                               CAttentionDlg::Mode::ModelessTopMost);
    if (const QScreen* s = screen())
        PlaceOnWorkArea(s->availableGeometry());

    ClearOpenDialogTable();
    keys_.reset();
    for (DeviceKind kind : kAllDeviceKinds) {
        discovery_.link().of(kind).commandPath.clear();
        discovery_.link().of(kind).eventPath.clear();
    }
    presence_ = std::make_unique<DesktopPresence>(*this, trayAvailable_);
    presence_->SetTrayAddedListener([this] { requestVisibilityCheck(); });

    // With NeedPassword at 1 only the mouse's own show request (a status answer) reveals the
    // window. Minimised first: without a tray icon it stays on the taskbar, never out of reach.
    startHidden_ = int(ConfigNumber(ConfigKey::NeedPassword));
    if (startHidden_ == 1)
        showMinimized();
    sync().windowShown = sync().deviceShow = startHidden_ == 0;
    visibilityDecided_ = true;
    if (startHiddenOption_ && startHidden_ != 1)
        minimise();
    if (startHiddenOption_)
        sync().HoldStandingShow();
    requestVisibilityCheck();
    RefreshView();

    notices_ = new DeviceNoticeBridge(hid_, *this);
    // Notices registered, shadow images from the profile, first scan, status query on
    // connection.
    session_.Start();
    hasBackground_ = SetFrameBitmap(background.get());
    SetTimer(kNoDeviceTimer, 2000, TimerMode::SingleShot);
    return true;
}

const OpenSections& CFerroxDlg::Sections() const {
    return parts_->column.Open();
}

KeyFunctionMenus& CFerroxDlg::KeyMenus() {
    return parts_->keys.Menus();
}

void CFerroxDlg::PlaceOnWorkArea(const QRect& workArea) {
    move(CentredOrigin(workArea, QSize(WindowWidth(), WindowHeight())));
}

void CFerroxDlg::CreateControls(int, int, int, int) {
    BuildMainWindowControls(*this, int(DpiSteps.count));
    parts_->column.Create();
    parts_->tabs.Place();
}

void CFerroxDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    if (hasBackground_) {
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
        showSupportNotice();
        return false;
    case KeyVerdict::PassOn:
        break;
    }
    return false;
}

void CFerroxDlg::showSupportNotice() {
    supportNotice_ =
        CAttentionDlg::ShowNotice(this, LanguageText(kSupportText), // never blank: an added text
                            CAttentionDlg::Mode::Modal);
}

// The tray icon's activation and its first menu item: shown when allowed, otherwise the
// mouse is asked whether it may be.
void CFerroxDlg::onTrayShow() {
    if (sync().windowShown && sync().deviceShow) {
        showNormal();
        raise();
        activateWindow();
    } else {
        sync().ReleaseStandingShow(); // the user asks: the mouse's indication counts as it is
        sync().QueryStatus();         // its answer may show the window
    }
}

// A second start of the program is the user asking for the window, tray or not: it always
// comes up, so a hidden window can always be brought back.
LResult CFerroxDlg::onWakeInstance() {
    const bool askDevice = !sync().deviceShow;
    allowWindow();
    showNormal();
    raise();
    activateWindow();
    if (askDevice)
        sync().QueryStatus();
    return 0;
}

// The user brought the window up: it may be shown, and changes held back meanwhile go out.
void CFerroxDlg::allowWindow() {
    if (sync().windowShown)
        return;
    sync().windowShown = true;
    if (sync().pendingChanges())
        sync().RequestApply(0);
}

bool CFerroxDlg::trayIconShown() const {
    return presence_ && presence_->TrayShown();
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

// Only the window-shown flag, the tray and the window's own state decide what the check does,
// so it runs when one of them changes rather than for the window's whole life: an idle program
// should not wake ten times a second. It waits a moment, as it always did, so that a window
// minimised at start is seen minimised before it goes out of sight.
void CFerroxDlg::requestVisibilityCheck() {
    if (visibilityDecided_ && !sync().windowShown && !IsTimerActive(kVisibilityTimer))
        SetTimer(kVisibilityTimer, kVisibilityCheckMilliseconds, TimerMode::SingleShot);
}

void CFerroxDlg::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        requestVisibilityCheck(); // restored from the taskbar, maybe
    CDlgBase::changeEvent(event);
}

void CFerroxDlg::showEvent(QShowEvent* event) {
    requestVisibilityCheck();
    CDlgBase::showEvent(event);
}

// Without a tray icon a hidden window could not be brought back: it stays minimised on the
// taskbar instead, and once the user restores it from there it counts as allowed.
void CFerroxDlg::onVisibilityTimer() {
    KillTimer(kVisibilityTimer);
    if (sync().windowShown || !isVisible())
        return;
    if (trayIconShown() || IsEnded())
        hide();
    else if (!isMinimized())
        allowWindow();
}

void CFerroxDlg::onNoDeviceTimer() {
    KillTimer(kNoDeviceTimer);
    const DeviceLink& link = discovery_.link();
    switch (DecideNoDeviceNotice(link.wired.commandHandle != nullptr,
                                 link.receiver.commandHandle != nullptr, sync().deviceShow)) {
    case NoDeviceNotice::None:
        return;
    case NoDeviceNotice::ReceiverOnly:
        noDeviceNotice_ = CAttentionDlg::ShowNotice(this, LanguageText(kReceiverOnlyText),
            CAttentionDlg::Mode::ModelessTopMost);
        return;
    case NoDeviceNotice::NoDevice:
        noDeviceNotice_ = CAttentionDlg::ShowNotice(this, LanguageText(kNoDeviceText),
                                              CAttentionDlg::Mode::ModelessTopMost);
        return;
    }
}

// The window-shown flag stays 1, so the tray icon (or a second start) brings the window back.
// Without a tray icon to do that, the window goes to the taskbar instead of out of sight.
void CFerroxDlg::minimise() {
    if (trayIconShown())
        hide();
    else
        showMinimized();
}

void CFerroxDlg::endProgram(int result) {
    CloseOpenDialogs();
    EndDialog(result);
}

} // namespace ferrox
