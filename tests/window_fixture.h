// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixture every main-window test is written on: the real main window, offscreen, on the
// virtual mouse, driven by real mouse and key events through the window system. The device
// worker's pauses are recorded instead of slept through, saves go to a fresh data folder and
// are counted, and timers are fired by hand: nothing in a window test waits on a clock.
//
//   class ColourSlots : public test::WindowTest {};
//   TEST_F(ColourSlots, ...) {
//       StartWindow();                       // wired mouse plugged in, window shown
//       ClickAt(712, 418);                   // design coordinates; × UiScale for you
//       FireTimer(30);                       // the apply timer
//       EXPECT_EQ(ReceivedFrames().back()[2], 0x08); // what the mouse received
//       EXPECT_EQ(Profile().lighting.mode, 3);
//   }

#include "app/app_messages.h"
#include "app/ferrox_app.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/window_data_folder.h"
#include "desktop_events.h"
#include "device/hid/virtual_hid_backend.h"
#include "device/virtual/virtual_mouse_firmware.h"
#include "lang/language_setting.h"
#include "settings/config_table.h"
#include "settings/profile_settings.h"
#include "ui/wnd_popup.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace ferrox::test {

// The main window with its timer handlers in reach.
class TestWindow : public CFerroxDlg {
public:
    using CFerroxDlg::CFerroxDlg;
    using CFerroxDlg::OnTimer;
};

class WindowTest : public ::testing::Test {
protected:
    struct Start {
        std::vector<DeviceKind> plugged{DeviceKind::Wired};
        bool shown = true; // NeedPassword 0: the window shows itself at once
        float uiScale = 1; // 0: chosen from the offscreen screen, as the program does
        bool answering = true; // false: the devices take frames but never answer
        bool startHidden = false; // the --start-hidden option
        // Runs on each answering device's firmware before it is plugged in (its battery, its
        // sensor, a fault to inject).
        std::function<void(VirtualMouseFirmware&)> prepare = {};
        // Whether the desktop shows tray icons (asked again while the window retries).
        std::function<bool()> trayAvailable = [] { return false; };
        std::wstring language = {}; // the LanSetting.ini code; empty: the default, English
        // A data folder made by the test to start on, as it is; empty: a fresh one.
        std::filesystem::path folder = {};
    };

    void TearDown() override {
        EXPECT_EQ(*unanswered_, 0) << "a dialog the test answers never came up";
        unanswered_ = std::make_shared<int>(0); // answers still waiting give up
        CloseWindow();
    }

    // A fresh main window on a fresh data folder, with these devices plugged in, each running
    // the virtual mouse's firmware. A window already open is closed first.
    void StartWindow(const Start& start) {
        CloseWindow();
        const auto folder =
            start.folder.empty() ? FreshWindowDataFolder(start.shown) : start.folder;
        if (!start.language.empty()) {
            ASSERT_TRUE(WriteLanguageSetting(LanguageSettingPath(), start.language));
        }
        hid_ = {};
        auto mouse = std::make_unique<VirtualHidBackend>();
        hid_.virtualMouse = mouse.get();
        hid_.backend = std::move(mouse);
        firmware_.clear();
        for (DeviceKind kind : start.plugged) {
            if (!start.answering) {
                hid_.virtualMouse->plug(kind);
                continue;
            }
            firmware_.push_back({kind, std::make_shared<VirtualMouseFirmware>()});
            if (start.prepare)
                start.prepare(*firmware_.back().second);
            hid_.virtualMouse->plug(kind, firmware_.back().second);
        }
        folder_ = folder;
        uiScale_ = start.uiScale;
        trayAvailable_ = start.trayAvailable;
        WindowSessionOptions options = sessionOptions(start.uiScale);
        options.trayAvailable = start.trayAvailable;
        window_ = std::make_unique<TestWindow>(hid_, folder, std::move(options));
        progressShows_.clear();
        window_->StartHidden(start.startHidden);
        ASSERT_TRUE(window_->Create());
        // The start-up status query and its answer.
        window_->Session().worker().waitIdle();
        Settle();
    }
    void StartWindow() { StartWindow(Start{}); }
    // Ends the window as the program ends and starts it again on the same data folder, the
    // same devices still plugged in: what survives a restart.
    void RestartWindow() {
        CloseWindow();
        WindowSessionOptions options = sessionOptions(uiScale_);
        options.trayAvailable = trayAvailable_;
        window_ = std::make_unique<TestWindow>(hid_, folder_, std::move(options));
        ASSERT_TRUE(window_->Create());
        window_->Session().worker().waitIdle();
        Settle();
    }
    // Ends the window as the program does: a pending save is written, queued frames go out.
    void CloseWindow() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->hide();
        EndMainWindow(std::move(window_));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TestWindow& Window() { return *window_; }
    HidSystem& Hid() { return hid_; }
    VirtualMouseFirmware& Mouse(DeviceKind kind = DeviceKind::Wired) {
        for (auto& [k, firmware] : firmware_)
            if (k == kind)
                return *firmware;
        static VirtualMouseFirmware unplugged;
        ADD_FAILURE() << "no answering device of that kind is plugged in";
        return unplugged;
    }

    // --- input, at design coordinates (× UiScale, truncated, like every control rectangle) ---
    static QPoint Design(int x, int y) {
        return QPoint(int(x * UiScale), int(y * UiScale));
    }
    void MoveTo(int x, int y) { DesktopMove(window_.get(), Design(x, y)); }
    void ClickAt(int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        DesktopClick(window_.get(), Design(x, y), button);
        Settle();
        FinishProgress();
    }
    void PressAt(int x, int y) { DesktopPress(window_.get(), Design(x, y)); }
    void ReleaseAt(int x, int y) { DesktopRelease(window_.get(), Design(x, y)); }
    void DoubleClickAt(int x, int y) {
        QTest::mouseDClick(WindowOf(window_.get()), Qt::LeftButton, {}, Design(x, y));
        Settle();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        DesktopKey(window_.get(), key, modifiers);
        Settle();
    }

    // --- popups ---
    // The popup that holds the pointer and the keyboard now, if any.
    static CWndPopup* ActivePopup() {
        return dynamic_cast<CWndPopup*>(QApplication::activePopupWidget());
    }
    // Moves onto the popup's row (0 = first) and clicks it, as a user chooses an entry.
    void ChooseRow(CWndPopup* popup, int row) {
        ASSERT_NE(popup, nullptr);
        ASSERT_LT(row, int(popup->items.size()));
        DesktopClick(popup, popup->items[std::size_t(row)].rect.center());
        Settle();
    }

    // --- modal dialogs ---
    // Answers the next modal dialog the window runs, from inside that dialog's own run, as a
    // user at the screen would: answer gets the dialog once it is up. A dialog the answer
    // leaves open is cancelled and the test fails; so does a dialog that never comes up.
    void AnswerDialog(std::function<void(CDlgBase&)> answer) {
        ++*unanswered_;
        AnswerWhenUp(std::move(answer), unanswered_, 500);
    }
    // A click in a dialog, through the window system. The pointer arrives first: what the
    // desktop says about it entering the dialog comes before the click, as for a user.
    static void ClickDialogAt(CDlgBase& dialog, QPoint at) {
        DesktopMove(&dialog, at);
        Settle();
        DesktopClick(&dialog, at);
        Settle();
    }
    // A click in the middle of a dialog's control.
    static void ClickDialogControl(CDlgBase& dialog, int id) {
        CControlBase* control = dialog.FindControl(id);
        ASSERT_NE(control, nullptr) << id;
        ClickDialogAt(dialog, control->GetBounds().center());
    }
    // How long each progress animation the window showed lasted, in milliseconds on its
    // clock; the fixture lets each run to its end as time passes in steps of its tick.
    const std::vector<std::int64_t>& ProgressShows() const { return progressShows_; }

    // --- time ---
    // Runs the timer's handler now, as if its period had passed.
    void FireTimer(unsigned id) {
        window_->OnTimer(id);
        Settle();
        FinishProgress();
    }
    // The start-up scan asks for an apply of its own, and the mouse's first answers may ask for
    // more: all of it goes out and is answered before a test starts counting frames.
    void LetStartUpGo() {
        for (int round = 0; round < 5; ++round) {
            window_->Session().worker().waitIdle();
            Settle();
            if (!window_->IsTimerActive(kApplyTimer))
                return;
            FireTimer(kApplyTimer);
        }
    }
    // Delivers what other threads and earlier handlers posted to the window.
    static void Settle() { QApplication::processEvents(); }
    // For what only the mouse's own threads bring (an input report read by a reader): runs
    // the event loop until done() holds, waking on each event rather than on a clock. False
    // after the time limit.
    static bool WaitFor(const std::function<bool()>& done, int milliseconds = 2000) {
        QElapsedTimer clock;
        clock.start();
        QTimer wake; // so a wait with nothing arriving still ends
        wake.start(10);
        while (!done()) {
            if (clock.elapsed() > milliseconds)
                return false;
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        return true;
    }

    // --- what came out ---
    // Every frame the device received so far, once the worker has sent what is queued.
    std::vector<Frame> ReceivedFrames(DeviceKind kind = DeviceKind::Wired) {
        window_->Session().worker().waitIdle();
        Settle();
        return Mouse(kind).frames();
    }
    void ClearReceivedFrames(DeviceKind kind = DeviceKind::Wired) {
        window_->Session().worker().waitIdle();
        Mouse(kind).clearFrames();
    }
    // The pauses the worker took between frames, in order.
    std::vector<std::chrono::milliseconds> Pauses() {
        window_->Session().worker().waitIdle();
        std::lock_guard lock(record_->mutex);
        return record_->pauses;
    }
    int ProfileSaves() const { return record_->profileSaves; }
    int ConfigSaves() const { return record_->configSaves; }
    ProfileSettings& Profile() { return CurrentProfile(); }

private:
    static void AnswerWhenUp(std::function<void(CDlgBase&)> answer,
                             const std::shared_ptr<int>& unanswered, int tries) {
        std::weak_ptr<int> owner = unanswered;
        QTimer::singleShot(0, [answer = std::move(answer), owner, tries]() mutable {
            const std::shared_ptr<int> count = owner.lock();
            if (!count)
                return; // its test is over
            QPointer<CDlgBase> dialog = dynamic_cast<CDlgBase*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->InModalLoop() || dialog->IsEnded()) {
                if (tries > 0)
                    AnswerWhenUp(std::move(answer), count, tries - 1);
                return;
            }
            --*count;
            // The user reads the dialog before answering: no click of theirs joins the one
            // that opened it into a double click.
            QTest::lastMouseTimestamp += 1000;
            answer(*dialog);
            if (dialog && !dialog->IsEnded()) {
                ADD_FAILURE() << "the answer left the dialog open";
                dialog->EndDialog(IDCANCEL);
            }
        });
    }
    // Lets a running progress animation end as its time passes.
    void FinishProgress() {
        CProgressBarDlg* progress = window_ ? window_->Notices().ProgressWindow() : nullptr;
        if (!progress || progress->IsEnded())
            return;
        const std::int64_t start = *progressClock_;
        while (!progress->IsEnded() && *progressClock_ - start < 5000) {
            *progressClock_ += CProgressBarDlg::TickMilliseconds;
            progress->FireTimer(CProgressBarDlg::TickTimer);
        }
        progressShows_.push_back(*progressClock_ - start);
        Settle();
    }

    struct Record {
        std::mutex mutex; // pauses come from the worker thread
        std::vector<std::chrono::milliseconds> pauses;
        int configSaves = 0;
        int profileSaves = 0;
    };

    // Real files, counted; pauses recorded, never slept.
    WindowSessionOptions sessionOptions(float uiScale) {
        record_ = std::make_shared<Record>();
        WindowSessionOptions options;
        options.uiScale = uiScale;
        // Changes go out when a test fires the apply timer, never on their own in between
        // (a slow run, under the sanitizers, would otherwise send and show the progress
        // notice in the middle of a test).
        options.applyDelayMilliseconds = 60 * 60 * 1000;
        options.progressClock = [clock = progressClock_] { return *clock; };
#ifdef FERROX_OUTPUT_DIR
        // The skins and language files the build puts beside the program.
        options.programFolder = std::filesystem::path(FERROX_OUTPUT_DIR) / "";
#endif
        options.pause = [record = record_](std::chrono::milliseconds pause) {
            std::lock_guard lock(record->mutex);
            record->pauses.push_back(pause);
        };
        const SyncStorage files = SyncStorage::Files();
        options.storage.saveConfig = [record = record_, files] {
            ++record->configSaves;
            return files.saveConfig();
        };
        options.storage.saveProfiles = [record = record_, files] {
            ++record->profileSaves;
            return files.saveProfiles();
        };
        options.storage.saveProfile = [record = record_, files](int slot) {
            ++record->profileSaves;
            return files.saveProfile(slot);
        };
        return options;
    }

    HidSystem hid_;
    std::filesystem::path folder_;
    float uiScale_ = 1;
    std::function<bool()> trayAvailable_;
    std::vector<std::pair<DeviceKind, std::shared_ptr<VirtualMouseFirmware>>> firmware_;
    std::shared_ptr<Record> record_ = std::make_shared<Record>();
    std::shared_ptr<std::int64_t> progressClock_ = std::make_shared<std::int64_t>(0);
    std::vector<std::int64_t> progressShows_;
    std::shared_ptr<int> unanswered_ = std::make_shared<int>(0);
    std::unique_ptr<TestWindow> window_;
};

} // namespace ferrox::test
