// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window/window_notices.h"

#include "app/app_messages.h"
#include "app/dialogs/attention_dlg.h"
#include "app/file_notice_text.h"
#include "app/osd/osd_texts.h"
#include "app/tray/desktop_presence.h"
#include "app/window_rules.h"
#include "base/app_globals.h"
#include "base/damaged_file.h"
#include "base/path_text.h"
#include "base/text_file.h"
#include "device/protocol/sync_session.h"
#include "lang/language_table.h"
#include "settings/config_table.h"
#include "startup/startup_load.h"

namespace ferrox {
namespace {

constexpr int kNoDeviceText = 155;
constexpr int kReceiverOnlyText = 156;
constexpr int kProgressText = 146;
constexpr int kSupportText = 158;

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

} // namespace

WindowNotices::WindowNotices(CDlgBase& window, const WindowCalls& calls, SyncSession& session,
                             CProgressBarDlg::Clock progressClock,
                             std::function<DesktopPresence*()> presence)
    : WindowPart(window, calls), session_(session), progressClock_(std::move(progressClock)),
      presence_(std::move(presence)) {}

void WindowNotices::Bind() {
    window_.bindTimer(kNoDeviceTimer, [this] { onNoDeviceTimer(); });
}

void WindowNotices::ShowAttention(int textIndex, const char* english) {
    const std::wstring text = textIndex >= 0 ? LanguageText(textIndex) : std::wstring();
    const std::wstring message = text.empty() ? QString::fromUtf8(english).toStdWString() : text;
    attention_ = CAttentionDlg::ShowNotice(&window_, message, CAttentionDlg::Mode::Modal);
}

void WindowNotices::ShowProgress() {
    ferrox::ShowProgress(progress_, &window_, LanguageText(kProgressText), progressClock_);
}

void WindowNotices::ShowSupport() {
    // Never blank: the language loader adds the English text a file lacks.
    support_ = CAttentionDlg::ShowNotice(&window_, LanguageText(kSupportText),
                                         CAttentionDlg::Mode::Modal);
}

void WindowNotices::ShowUnusableFiles(const UserDataLoad& load) {
    if (const std::wstring files = UnusableFilesText(load); !files.empty())
        heldFiles_ = CAttentionDlg::ShowNotice(&window_, files,
                                               CAttentionDlg::Mode::ModelessTopMost);
}

void WindowNotices::ShowOnScreenDisplay() {
    if (DesktopPresence* presence = presence_())
        presence->Osd().Show(MakeOsdTexts(CurrentProfile(), DpiSteps));
}

void WindowNotices::ShowBatteryWarning(BatteryWarning warning, std::uint8_t level) {
    if (DesktopPresence* presence = presence_())
        presence->ShowBatteryWarning(warning, level);
}

void WindowNotices::onNoDeviceTimer() {
    window_.KillTimer(kNoDeviceTimer);
    const DeviceLink& link = session_.discovery().link();
    switch (DecideNoDeviceNotice(link.wired.commandHandle != nullptr,
                                 link.receiver.commandHandle != nullptr,
                                 session_.sync().deviceShow)) {
    case NoDeviceNotice::None:
        return;
    case NoDeviceNotice::ReceiverOnly:
        noDevice_ = CAttentionDlg::ShowNotice(&window_, LanguageText(kReceiverOnlyText),
                                              CAttentionDlg::Mode::ModelessTopMost);
        return;
    case NoDeviceNotice::NoDevice:
        noDevice_ = CAttentionDlg::ShowNotice(&window_, LanguageText(kNoDeviceText),
                                              CAttentionDlg::Mode::ModelessTopMost);
        return;
    }
}

} // namespace ferrox
