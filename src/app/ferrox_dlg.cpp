#include "app/ferrox_dlg.h"

#include "app/app_messages.h"
#include "app/caption_button.h"
#include "app/device_notice_bridge.h"
#include "app/dialogs/attention_dlg.h"
#include "base/app_globals.h"
#include "lang/language_table.h"
#include "macros/macro_user_library.h"
#include "platform/canvas.h"
#include "settings/config_table.h"
#include "startup/startup_load.h"
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

constexpr int kAttentionTitleText = 150;
constexpr int kNoDeviceText = 155;
constexpr int kReceiverOnlyText = 156;

// The language file's text; a file without it falls back to the English wording.
std::wstring Text(int index, const wchar_t* english) {
    const std::wstring text = LanguageText(index);
    return text.empty() ? std::wstring(english) : text;
}

// No language file has this text: it names files, and only this program can tell of them.
std::wstring HeldFilesText(const std::vector<std::filesystem::path>& files) {
    std::wstring text =
        L"These files could not be read and no copy of them could be kept, so they are left as "
        L"they are and defaults are used in their place:";
    for (const std::filesystem::path& file : files)
        text += L"\n" + file.wstring();
    return text;
}

std::wstring AttentionTitle() {
    return Text(kAttentionTitleText, L"Attention");
}
constexpr const wchar_t* kSupportText =
    L"Technical support: if the mouse or the receiver stops responding, unplug it, plug it in "
    L"again and restart this program. If that does not help, contact the seller of your mouse.";

QString StatusLine(const DeviceLink& link) {
    if (link.wired.commandHandle && link.receiver.commandHandle)
        return QStringLiteral("Mouse connected by cable and through the receiver");
    if (link.wired.commandHandle)
        return QStringLiteral("Mouse connected by cable");
    if (link.receiver.commandHandle)
        return QStringLiteral("Receiver connected");
    return QStringLiteral("Waiting for the mouse or its receiver");
}

} // namespace

CFerroxDlg::CFerroxDlg(HidSystem& hid, std::filesystem::path dataDirOverride,
                       WindowSessionOptions options)
    : hid_(hid), dataDirOverride_(std::move(dataDirOverride)),
      deviceMessages_(
          [this](PostingMessageSink::Task task) { PostTask(std::move(task)); },
          [this](const DeviceMessage& message) { session_.Handle(message); }),
      session_(*hid.backend, deviceMessages_, *this, UserMacroLibrary(), std::move(options.pause),
               std::move(options.storage)),
      discovery_(session_.discovery()) {
    session_.SetReportTrace(options.trace);
    forcedScale_ = options.uiScale;
    setWindowTitle(QStringLiteral("Ferrox"));
    // Neither key confirms nor closes the main window; both reach the key filter.
    SetDefaultKeys(DefaultKey::Capture, DefaultKey::Capture);
    bindMessages();
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
    // Call site: remove the tray icon.
}

void CFerroxDlg::bindMessages() {
    bindMessage(kWakeInstanceMessage, [this](WParam, LParam) { return onWakeInstance(); });
    bindMessage(WM_DEVICECHANGE, [this](WParam w, LParam) { return onDeviceChange(w); });
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
    bindTimer(kApplyTimer, [this] {
        KillTimer(kApplyTimer);
        sync().ApplyAll();
    });
    bindTimer(kSaveTimer, [this] { sync().DeferredSave(); });
    bindTimer(kStatusTimer, [this] { sync().PollStatus(); });
}

void CFerroxDlg::startApplyTimer() {
    SetTimer(kApplyTimer, 20, TimerMode::SingleShot);
}

void CFerroxDlg::startSaveTimer() {
    SetTimer(kSaveTimer, 10000, TimerMode::SingleShot);
}

void CFerroxDlg::stopSaveTimer() {
    KillTimer(kSaveTimer);
}

void CFerroxDlg::startStatusTimer() {
    SetTimer(kStatusTimer, 1000, TimerMode::Repeating);
}

void CFerroxDlg::refreshView() {
    Invalidate(); // call site: RefreshView
}

void CFerroxDlg::showWindowFromDevice() {
    showNormal();
    raise();
    activateWindow();
}

void CFerroxDlg::minimiseWindow() {
    showMinimized();
}

void CFerroxDlg::updateBatteryDisplay(uint8_t level, ChargeState, int) {
    batteryShown_ = level; // call site: battery gauge 3406 and percentage 3405
    Invalidate();
}

void CFerroxDlg::determineFolders() {
    ProgramFolder = ChooseProgramFolder(ExecutableFolder(), FERROX_SHARE_DIR);
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
    determineFolders();
    determineScale();
    // Language, macro library, configuration and profiles, DPI step table.
    const UserDataLoad load = LoadUserData();
    SetDesignSize(DesignWidth, DesignHeight);
    CDlgBase::OnInitDialog(); // builds the controls and shows the window
    if (!load.heldFiles.empty())
        heldFilesNotice_ = CAttentionDlg::Show(this, AttentionTitle(), HeldFilesText(load.heldFiles),
                                               CAttentionDlg::Mode::ModelessTopMost);
    if (const QScreen* s = screen())
        PlaceOnWorkArea(s->availableGeometry());

    ClearOpenDialogTable();
    keys_.reset();
    batteryShown_ = StartBatteryLevel;
    for (DeviceKind kind : kAllDeviceKinds) {
        discovery_.link().of(kind).commandPath.clear();
        discovery_.link().of(kind).eventPath.clear();
    }
    // Call site: the tray icon.

    // With NeedPassword at 1 only the mouse's own show request (a status answer) reveals the
    // window.
    startHidden_ = int(ConfigNumber(ConfigKey::NeedPassword));
    if (startHidden_ == 1)
        showMinimized();
    sync().windowShown = sync().deviceShow = startHidden_ == 0;
    if (startHiddenOption_ && startHidden_ != 1)
        minimise();
    // Call site: RefreshView.

    notices_ = new DeviceNoticeBridge(hid_, *this);
    // Notices registered, shadow images from the profile, first scan, status query on
    // connection.
    session_.Start();
    hasBackground_ = LoadFrameBitmap(kBackgroundBitmap);
    SetTimer(kVisibilityTimer, 100, TimerMode::Repeating);
    SetTimer(kNoDeviceTimer, 2000, TimerMode::SingleShot);
    return true;
}

void CFerroxDlg::PlaceOnWorkArea(const QRect& workArea) {
    move(CentredOrigin(workArea, QSize(WindowWidth(), WindowHeight())));
}

void CFerroxDlg::CreateControls(int, int, int right, int) {
    const int size = Scaled(28);
    const int top = Scaled(6);
    AddControl(1, std::make_unique<CCaptionButton>(this, kExitButtonId,
                                                   QRect(right - Scaled(6) - size, top, size, size),
                                                   L"\u2715"));
    AddControl(1, std::make_unique<CCaptionButton>(
                      this, kMinimiseButtonId,
                      QRect(right - Scaled(6) - 2 * size - Scaled(4), top, size, size), L"\u2013"));
    for (const auto& control : Layer(1))
        control->SetFont(Scaled(18), L"Sans");
}

void CFerroxDlg::DrawDialog(Canvas& canvas, const QRect& clientRect) {
    QFont font = DialogTextFont();
    font.setPixelSize(Scaled(14));
    if (hasBackground_) {
        DrawBackground(canvas, clientRect); // it carries the product name
    } else {                                // a quiet graphite surface with the name
        canvas.FillRect(clientRect, look::Graphite);
        canvas.FrameRect(clientRect, look::Hairline);
        canvas.DrawText(QStringLiteral("FERROX"),
                        QRect(Scaled(20), Scaled(6), Scaled(300), Scaled(28)),
                        DT_VCENTER | DT_SINGLELINE, look::Text, font);
    }
    const QRect status(0, clientRect.height() / 2 - Scaled(20), clientRect.width(), Scaled(40));
    canvas.DrawText(StatusLine(discovery_.link()), status, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                    discovery_.link().anyPresent ? look::Accent : look::Text, font);
    DrawControls(canvas, clientRect);
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
        CAttentionDlg::Show(this, AttentionTitle(), kSupportText, CAttentionDlg::Mode::Modal);
}

LResult CFerroxDlg::onWakeInstance() {
    if (sync().windowShown && sync().deviceShow) {
        showNormal();
        raise();
        activateWindow();
    } else {
        sync().QueryStatus(); // its answer may show the window
    }
    return 0;
}

LResult CFerroxDlg::onDeviceChange(WParam change) {
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
        Invalidate(); // call site: RefreshView
    return 0;
}

void CFerroxDlg::onVisibilityTimer() {
    if (!sync().windowShown && isVisible())
        hide();
}

void CFerroxDlg::onNoDeviceTimer() {
    KillTimer(kNoDeviceTimer);
    const DeviceLink& link = discovery_.link();
    switch (DecideNoDeviceNotice(link.wired.commandHandle != nullptr,
                                 link.receiver.commandHandle != nullptr, sync().deviceShow)) {
    case NoDeviceNotice::None:
        return;
    case NoDeviceNotice::ReceiverOnly:
        noDeviceNotice_ = CAttentionDlg::Show(
            this, AttentionTitle(),
            Text(kReceiverOnlyText, L"The receiver is connected, but the mouse does not answer."),
            CAttentionDlg::Mode::ModelessTopMost);
        return;
    case NoDeviceNotice::NoDevice:
        noDeviceNotice_ = CAttentionDlg::Show(this, AttentionTitle(),
                                              Text(kNoDeviceText, L"No mouse or receiver was found."),
                                              CAttentionDlg::Mode::ModelessTopMost);
        return;
    }
}

// The window-shown flag stays 1, so the tray icon (or a second start) brings the window back.
// Without a tray icon to do that, the window goes to the taskbar instead of out of sight.
void CFerroxDlg::minimise() {
    if (trayIconShown_)
        hide();
    else
        showMinimized();
}

void CFerroxDlg::endProgram(int result) {
    CloseOpenDialogs();
    EndDialog(result);
}

} // namespace ferrox
