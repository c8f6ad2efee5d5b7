// SPDX-FileCopyrightText: 2026 The Ferrox developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it stands, on the virtual mouse and Qt's offscreen platform: start to first
// paint against a bare Qt window of the same size, background and number of drawn controls,
// built in the same run; steady resident memory; a full repaint at UiScale 2; and the CPU taken
// and the wake-ups of the whole process while idle with the status poll running. Each figure is printed beside its goal.

#include "app/main_window/ferrox_dlg.h"
#include "app/window_session_options.h"
#include "device/hid/virtual_hid_backend.h"
#include "base/app_globals.h"
#include "ui/ui_scale.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <string>
#include <unistd.h>

namespace ferrox {
namespace {

namespace fs = std::filesystem;

fs::path BenchData() {
    static const fs::path folder = fs::temp_directory_path() / ("ferrox-bench-window-" +
                                                               std::to_string(getpid()));
    return folder;
}

double ResidentMiB() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double CpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double Milliseconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Window {
    HidSystem hid;
    std::unique_ptr<CFerroxDlg> dlg;

    // fresh: an empty data folder, the first start ever, which writes every default file.
    explicit Window(float uiScale = 1, bool fresh = true) {
        auto mouse = std::make_unique<VirtualHidBackend>();
        hid.virtualMouse = mouse.get();
        hid.backend = std::move(mouse);
        hid.virtualMouse->plug(DeviceKind::Wired);
        if (fresh)
            fs::remove_all(BenchData());
        WindowSessionOptions options;
        options.uiScale = uiScale;
        dlg = std::make_unique<CFerroxDlg>(hid, BenchData(), std::move(options));
        dlg->Create();
        // A fresh data folder starts the window minimised until the mouse asks to show it;
        // a minimised window paints a single pixel, so show it as the mouse's request does.
        dlg->showNormal();
    }
    int DrawnControls() const {
        int n = 0;
        for (int layer = 0; layer < CDlgBase::ControlLayerCount; ++layer)
            for (const auto& control : dlg->Layer(layer))
                n += control->IsDisplayed() ? 1 : 0;
        return n;
    }
};

// What the main window's start is measured against: the same size, the same background picture
// decoded from the same resource, and as many drawn controls (a filled box with a caption each),
// without data, skins or devices.
class BareWindow : public QWidget {
public:
    explicit BareWindow(int controls)
        : controls_(controls), background_(QStringLiteral(":/res/364.png")) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(rect(), background_);
        painter.setPen(QColor(0xBE, 0xBE, 0xBE));
        for (int i = 0; i < controls_; ++i) {
            const QRect box(20 + (i % 12) * 90, 20 + (i / 12) * 30, 80, 22);
            painter.fillRect(box, QColor(0x2a, 0x2d, 0x33));
            painter.drawText(box, Qt::AlignCenter, QStringLiteral("Control %1").arg(i));
        }
    }

private:
    int controls_;
    QImage background_;
};

// First, while the process is as the program would be: its heap as malloc left it.
void BM_MainWindowResidentMemory(benchmark::State& state) {
    Window window;
    QApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(window.dlg->grab());
    state.counters["resident_MiB"] = ResidentMiB();
    state.counters["goal_MiB_max"] = 54;
}
BENCHMARK(BM_MainWindowResidentMemory)->Iterations(1);

// Both starts in turn, so each pair sees the same machine load. The measured starts find the
// data folder the first start wrote, as every start but the first does; the first start, which
// also creates and syncs the default files, is shown on its own.
void BM_FirstPaintAgainstBareWindow(benchmark::State& state) {
    // From here on freed memory stays with the process, so neither start of a pair is charged
    // for page faults on memory the other happened to give back to the system, which on a
    // virtual machine cost more than most of what is measured.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
    int controls = 0;
    QElapsedTimer first;
    first.start();
    {
        Window probe;
        benchmark::DoNotOptimize(probe.dlg->grab());
        state.counters["first_start_ms"] = Milliseconds(first);
        controls = probe.DrawnControls();
    }
    double mainTotal = 0, bareTotal = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            Window window(1, false);
            benchmark::DoNotOptimize(window.dlg->grab());
            mainTotal += Milliseconds(timer);
        }
        timer.restart();
        BareWindow bare(controls);
        bare.resize(Scaled(CFerroxDlg::DesignWidth), Scaled(CFerroxDlg::DesignHeight));
        bare.show();
        benchmark::DoNotOptimize(bare.grab());
        bareTotal += Milliseconds(timer);
    }
    const double n = double(state.iterations());
    state.counters["main_ms"] = mainTotal / n;
    state.counters["bare_ms"] = bareTotal / n;
    state.counters["controls"] = controls;
    state.counters["ratio"] = mainTotal / bareTotal;
    state.counters["goal_ratio_max"] = 1.5;
}
BENCHMARK(BM_FirstPaintAgainstBareWindow)->Iterations(30)->Unit(benchmark::kMillisecond);

void BM_MainWindowFullRepaintAtScale2(benchmark::State& state) {
    Window window(2);
    double total = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        // The whole window invalidated and rendered through its own paint event.
        window.dlg->Invalidate();
        benchmark::DoNotOptimize(window.dlg->grab());
        total += Milliseconds(timer);
    }
    state.counters["repaint_ms"] = total / double(state.iterations());
    state.counters["goal_ms_max"] = 8;
}
BENCHMARK(BM_MainWindowFullRepaintAtScale2)->Iterations(50)->Unit(benchmark::kMillisecond);

void RunEventLoop(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Voluntary context switches of one thread so far; -1 when it is gone.
long ThreadSwitches(const fs::path& task) {
    std::ifstream status(task / "status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
            return std::stol(line.substr(line.find(':') + 1));
    return -1;
}

// Every wake-up of the process so far, split into its user-interface thread (the one whose
// id is the process's) and every other thread still running. Threads that ended are not
// counted; nothing starts or ends while the program idles.
struct Wakeups {
    long ui = 0;
    long others = 0;
    static Wakeups Now() {
        Wakeups w;
        const fs::path self = "/proc/self/task";
        const std::string main = std::to_string(getpid());
        std::error_code ec;
        for (const fs::directory_entry& task : fs::directory_iterator(self, ec)) {
            const long n = std::max(0L, ThreadSwitches(task.path()));
            (task.path().filename() == main ? w.ui : w.others) += n;
        }
        return w;
    }
};

// A minute of the event loop with the status poll's 1 s timer running, once the start is over:
// the first paint, the first scan's answers and applies, and the save 10 s after them. What it
// costs: the CPU, and how often the process wakes up (each voluntary context switch is a
// thread that slept and was woken).
void BM_MainWindowIdle(benchmark::State& state) {
    Window window;
    RunEventLoop(11000);
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        const Wakeups before = Wakeups::Now();
        QElapsedTimer wall;
        wall.start();
        RunEventLoop(60000);
        const Wakeups after = Wakeups::Now();
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        state.counters["idle_cpu_pct"] = 100.0 * (CpuSeconds() - cpu) / seconds;
        state.counters["ui_wakeups_per_s"] = double(after.ui - before.ui) / seconds;
        state.counters["other_wakeups_per_s"] = double(after.others - before.others) / seconds;
        state.counters["wakeups_per_s"] =
            double(after.ui + after.others - before.ui - before.others) / seconds;
    }
    state.counters["goal_pct_max"] = 0.2;
    state.counters["goal_wakeups_per_s_max"] = 2;
}
BENCHMARK(BM_MainWindowIdle)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace ferrox

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(ferrox::BenchData());
    return 0;
}
