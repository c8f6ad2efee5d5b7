// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the window's event loop stands still while it works, on a library of 1,000 macros:
// a 1 ms timer runs throughout, and its worst lateness is the longest stall a user could meet
// (a frame at 60 Hz is 16 ms). Measured during the start, a profile switch, a profile import,
// the opening and the closing of the macro manager, and the deferred save, each from the request to well after
// the work it sets off (applies, first paints, saves).
//
// The start is measured as the program starts: the window is built before the event loop runs
// (no loop, so nothing to stall, and nothing on screen before the first paint), then the loop
// runs its first paint and the start-up work left to it. The building is reported beside it,
// and the old measure, which counted the building as a stall, is kept for comparison.
//
// Baselines in the same run: the idle loop (what the machine's load alone costs the timer),
// the library written on the window's thread, as closing the manager did before, and the
// settings written on the window's thread, as the deferred save did before.

#include "app/app_messages.h"
#include "app/main_window/ferrox_dlg.h"
#include "app/macro_dialogs/macro_manager_dlg.h"
#include "app/macro_dialogs/macro_manager_layout.h"
#include "app/main_window/main_layout.h"
#include "app/profile_bar.h"
#include "app/window_session_options.h"
#include "base/app_globals.h"
#include "device/hid/virtual_hid_backend.h"
#include "macros/library_of_1000_macros.h"
#include "macros/macro_library_file.h"
#include "macros/macro_user_library.h"
#include "settings/config_file.h"
#include "settings/profile_file.h"
#include "settings/profile_settings.h"
#include "settings/profile_slots.h"
#include "settings/settings_saves.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileDialog>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <unistd.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;
constexpr double kGoalMs = 16;

fs::path BenchData() {
    static const fs::path folder =
        fs::temp_directory_path() / ("ferrox-bench-stalls-" + std::to_string(getpid()));
    return folder;
}

// The worst lateness of a 1 ms timer's ticks since the last reading.
class StallMeter {
public:
    StallMeter() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            worst_ = std::max(worst_, double(since_.nsecsElapsed()) / 1e6 - 1.0);
            since_.restart();
        });
    }
    void Start() {
        worst_ = 0;
        since_.start();
        timer_.start();
    }
    double Take() {
        const double worst = std::max(worst_, double(since_.nsecsElapsed()) / 1e6 - 1.0);
        worst_ = 0;
        since_.restart();
        return worst;
    }
    void Stop() { timer_.stop(); }

private:
    QTimer timer_;
    QElapsedTimer since_;
    double worst_ = 0;
};

// Runs the event loop for the time given; steps run at their times, from inside whatever loop
// (a modal dialog's) is running then. A step still waiting when the time is up is dropped with
// the loop: it refers to the caller's locals.
struct Step {
    int atMs;
    std::function<void()> run;
};
void RunSteps(const std::vector<Step>& steps, int untilMs) {
    QEventLoop loop;
    for (const Step& step : steps)
        QTimer::singleShot(step.atMs, Qt::PreciseTimer, &loop, step.run);
    QTimer::singleShot(untilMs, &loop, &QEventLoop::quit);
    loop.exec();
}

void WriteLargeLibrary() {
    fs::create_directories(BenchData() / "config");
    MacroLibrary library;
    test::FillWith1000Macros(library);
    if (!WriteMacroLibrary(BenchData() / "config" / "MacroLibraryFile.mlf", library, {}))
        std::abort();
}

struct Window {
    HidSystem hid;
    std::unique_ptr<CFerroxDlg> dlg;

    Window() {
        auto mouse = std::make_unique<VirtualHidBackend>();
        hid.virtualMouse = mouse.get();
        hid.backend = std::move(mouse);
        hid.virtualMouse->plug(DeviceKind::Wired);
        dlg = std::make_unique<CFerroxDlg>(hid, BenchData(), WindowSessionOptions{});
        dlg->Create();
        dlg->showNormal(); // as the mouse's show request does on a first start
    }
    ~Window() {
        dlg.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

std::unique_ptr<Window>& SharedWindow() {
    static std::unique_ptr<Window> window;
    return window;
}

// One window for the benchmarks after the start; keys 3 and 4 of profiles 0 and 1 play
// library macros, so switches and imports carry macros to the mouse.
Window& Started() {
    std::unique_ptr<Window>& window = SharedWindow();
    if (!window) {
        window = std::make_unique<Window>();
        RunSteps({}, 1500);
        const MacroLibrary& library = UserMacroLibrary();
        for (int profile : {0, 1})
            for (int key : {3, 4}) {
                const MacroKey* macro = library.FindMacro(1 + 7 * profile + 100 * key);
                Profiles[std::size_t(profile)].keys[std::size_t(key)].Assign(
                    L"M", {0x90, std::uint8_t(key), 0}, macro);
            }
    }
    return *window;
}

void Report(benchmark::State& state, double worstMs) {
    state.counters["stall_ms"] = worstMs;
    state.counters["goal_ms_max"] = kGoalMs;
}

void BM_StallWhileIdle(benchmark::State& state) {
    StallMeter meter;
    double worst = 0;
    for (auto _ : state) {
        meter.Start();
        RunSteps({}, 1500);
        worst = std::max(worst, meter.Take());
        meter.Stop();
    }
    Report(state, worst);
}
BENCHMARK(BM_StallWhileIdle)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_StallDuringStart(benchmark::State& state) {
    WriteLargeLibrary();
    StallMeter meter;
    double worst = 0, building = 0;
    for (auto _ : state) {
        QElapsedTimer built;
        built.start();
        auto window = std::make_unique<Window>();
        building = std::max(building, double(built.nsecsElapsed()) / 1e6);
        meter.Start();
        RunSteps({}, 1500);
        worst = std::max(worst, meter.Take());
        meter.Stop();
    }
    Report(state, worst);
    state.counters["building_ms"] = building;
}
BENCHMARK(BM_StallDuringStart)->Iterations(5)->Unit(benchmark::kMillisecond);

// The building counted as a stall: the window built from inside a running loop.
void BM_StallDuringStartWithBuilding(benchmark::State& state) {
    WriteLargeLibrary();
    StallMeter meter;
    double worst = 0;
    for (auto _ : state) {
        std::unique_ptr<Window> window;
        meter.Start();
        RunSteps({{5, [&] { window = std::make_unique<Window>(); }}}, 1500);
        worst = std::max(worst, meter.Take());
        meter.Stop();
    }
    Report(state, worst);
}
BENCHMARK(BM_StallDuringStartWithBuilding)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_StallDuringProfileSwitch(benchmark::State& state) {
    Window& window = Started();
    StallMeter meter;
    double worst = 0;
    int slot = 0;
    for (auto _ : state) {
        slot = 1 - slot;
        meter.Start();
        RunSteps({{5,
                   [&] {
                       window.dlg->SendMessage(unsigned(ProfileBarId::FirstTab + slot), 0,
                                               NotifyClicked);
                   }}},
                 1500);
        worst = std::max(worst, meter.Take());
        meter.Stop();
    }
    Report(state, worst);
}
BENCHMARK(BM_StallDuringProfileSwitch)->Iterations(6)->Unit(benchmark::kMillisecond);

// Answers the open file dialog as a user would, once it is up.
void AnswerFileDialog(const fs::path& file) {
    QTimer::singleShot(200, [file] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) {
                // Done rather than accepted: the dialog may still be listing the folder.
                dialog->selectFile(QString::fromStdString(file.string()));
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
                return;
            }
        AnswerFileDialog(file);
    });
}

void BM_StallDuringProfileImport(benchmark::State& state) {
    Window& window = Started();
    const fs::path file = BenchData() / "exported.psf";
    if (ExportProfile(1, file) != ProfileResult::Done)
        state.SkipWithError("export failed");
    StallMeter meter;
    double worst = 0, first = -1;
    for (auto _ : state) {
        meter.Start();
        // The time the user spends in the file dialog is measured too: it must not stall.
        RunSteps({{5,
                   [&] {
                       AnswerFileDialog(file);
                       window.dlg->SendMessage(unsigned(ProfileBarId::Import), 0, NotifyClicked);
                   }}},
                 1500);
        const double stall = meter.Take();
        meter.Stop();
        // The first import builds the file dialog; later ones show it again.
        if (first < 0)
            first = stall;
        else
            worst = std::max(worst, stall);
    }
    Report(state, std::max(worst, first));
    state.counters["first_ms"] = first;
    state.counters["later_ms"] = worst;
}
BENCHMARK(BM_StallDuringProfileImport)->Iterations(5)->Unit(benchmark::kMillisecond);

CMacroManagerDlg* OpenManager() {
    return dynamic_cast<CMacroManagerDlg*>(QApplication::activeModalWidget());
}

// Open, then close with the close button, each phase measured on its own.
void MeasureManager(benchmark::State& state, bool closing) {
    Window& window = Started();
    StallMeter meter;
    double worst = 0;
    for (auto _ : state) {
        double opening = 0, closed = 0;
        meter.Start();
        RunSteps({{5,
                   [&] {
                       window.dlg->SendMessage(unsigned(MainId::MacroManager), 0,
                                               NotifyClicked);
                   }},
                  {1000,
                   [&] {
                       opening = meter.Take();
                       if (CMacroManagerDlg* manager = OpenManager())
                           manager->SendMessage(unsigned(MacroManagerId::Close), 0,
                                                NotifyClicked);
                   }},
                  {2000, [&] { closed = meter.Take(); }}},
                 2100);
        meter.Stop();
        if (OpenManager())
            state.SkipWithError("the manager did not close");
        worst = std::max(worst, closing ? closed : opening);
    }
    Report(state, worst);
}

void BM_StallOpeningMacroManager(benchmark::State& state) {
    MeasureManager(state, false);
}
BENCHMARK(BM_StallOpeningMacroManager)->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_StallClosingMacroManager(benchmark::State& state) {
    MeasureManager(state, true);
}
BENCHMARK(BM_StallClosingMacroManager)->Iterations(5)->Unit(benchmark::kMillisecond);

// The worst stall of one step run in the started window, with a second of the loop after it.
void MeasureStep(benchmark::State& state, const std::function<void()>& step) {
    Started();
    StallMeter meter;
    double worst = 0;
    for (auto _ : state) {
        meter.Start();
        RunSteps({{5, step}}, 1000);
        worst = std::max(worst, meter.Take());
        meter.Stop();
    }
    Report(state, worst);
}

// What closing the manager cost the loop before: the library written on the window's thread.
void BM_StallSavingLibraryOnTheWindowsThread(benchmark::State& state) {
    MeasureStep(state, [&] {
        if (!SaveUserMacroLibrary(UserMacroLibrary()))
            state.SkipWithError("the library could not be written");
    });
}
BENCHMARK(BM_StallSavingLibraryOnTheWindowsThread)->Iterations(5)->Unit(benchmark::kMillisecond);

// The settings saved ten seconds after a change: the timer's work, from its start to well
// after the files are written.
void BM_StallDuringDeferredSave(benchmark::State& state) {
    MeasureStep(state, [] { Started().dlg->FireTimer(kSaveTimer); });
}
BENCHMARK(BM_StallDuringDeferredSave)->Iterations(5)->Unit(benchmark::kMillisecond);

// What the deferred save cost the loop before: the settings written on the window's thread.
void BM_StallSavingSettingsOnTheWindowsThread(benchmark::State& state) {
    MeasureStep(state, [&] {
        if (!SaveConfig() || !SaveAllProfiles())
            state.SkipWithError("the settings could not be written");
    });
}
BENCHMARK(BM_StallSavingSettingsOnTheWindowsThread)->Iterations(5)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ferrox

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own file dialog, which the benchmark can answer; a desktop's would wait for a user.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ferrox::SharedWindow().reset(); // while the application is still there
    ferrox::UserMacroLibrarySaves().Wait();
    ferrox::SettingsSaves().Wait();
    std::filesystem::remove_all(ferrox::BenchData());
    return 0;
}
