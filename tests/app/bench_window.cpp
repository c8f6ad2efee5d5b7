// The main window as it stands, on the virtual mouse and Qt's offscreen platform: start to first
// paint against a bare Qt window of the same size and background built in the same run, steady
// resident memory, a full repaint, and the CPU taken while idle with the status poll running.

#include "app/ferrox_dlg.h"
#include "device/virtual_hid_backend.h"
#include "base/app_globals.h"
#include "ui/ui_scale.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <ctime>
#include <filesystem>
#include <fstream>
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

struct Window {
    HidSystem hid;
    std::unique_ptr<CFerroxDlg> dlg;

    Window() {
        auto mouse = std::make_unique<VirtualHidBackend>();
        hid.virtualMouse = mouse.get();
        hid.backend = std::move(mouse);
        hid.virtualMouse->plug(DeviceKind::Wired);
        fs::remove_all(BenchData());
        dlg = std::make_unique<CFerroxDlg>(hid, BenchData());
        dlg->Create();
        dlg->show();
    }
};

// What the main window's start is measured against: the same size, background and painting
// path, without controls, data or devices.
class BareWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x1b, 0x1d, 0x22));
    }
};

void BM_MainWindowFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        Window window;
        benchmark::DoNotOptimize(window.dlg->grab());
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_MainWindowFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_BareWindowFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        BareWindow bare;
        bare.resize(Scaled(CFerroxDlg::DesignWidth), Scaled(CFerroxDlg::DesignHeight));
        bare.show();
        benchmark::DoNotOptimize(bare.grab());
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_BareWindowFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_MainWindowResidentMemory(benchmark::State& state) {
    Window window;
    QApplication::processEvents();
    for (auto _ : state)
        benchmark::DoNotOptimize(window.dlg->grab());
    state.counters["resident_MiB"] = ResidentMiB();
    state.counters["ui_scale"] = UiScale;
}
BENCHMARK(BM_MainWindowResidentMemory)->Iterations(1);

void BM_MainWindowFullRepaint(benchmark::State& state) {
    Window window;
    for (auto _ : state)
        window.dlg->QWidget::repaint();
    state.counters["ui_scale"] = UiScale;
}
BENCHMARK(BM_MainWindowFullRepaint)->Unit(benchmark::kMillisecond);

// Five seconds of the event loop with the status poll's 1 s timer running.
void BM_MainWindowIdleCpu(benchmark::State& state) {
    Window window;
    for (auto _ : state) {
        const double cpu = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        state.counters["idle_cpu_pct"] =
            100.0 * (CpuSeconds() - cpu) / (double(wall.nsecsElapsed()) / 1e9);
    }
}
BENCHMARK(BM_MainWindowIdleCpu)->Iterations(1)->Unit(benchmark::kSecond);

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
