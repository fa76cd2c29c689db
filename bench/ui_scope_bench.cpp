// The response display on the offscreen platform: one full paint of an 1800 x 600 display
// with 17 bands, and the CPU a shown display uses while its marker animation runs.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

#include "controls/ckel_scope.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_scope_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// 15 PEQ bands spread over the range with cuts, boosts and shelves, HPF and LPF on.
void LoadBands(velto::CKel_Scope& scope) {
    for (int i = 0; i < 15; ++i) {
        scope.SetPeqFreq(i, 25.0 * (i + 1) * (i + 1));
        scope.SetPeqGain(i, (i % 5) * 3 - 6);
        scope.SetPeqQ(i, 0.7 + i * 0.3);
    }
    scope.SetPeqType(0, velto::kLowShelfType);
    scope.SetPeqType(14, velto::kHighShelfType);
    scope.SetXoverFreq(0, 60);
    scope.SetXoverFreq(1, 12000);
    scope.SetPeqGain(7, 6);  // selected: highlighted with Q handles
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_FullPaint1800x600(benchmark::State& state) {
    App();
    velto::CKel_Scope scope;
    scope.resize(1800, 600);
    scope.InitBands(15);
    LoadBands(scope);
    scope.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        scope.repaint();
}
BENCHMARK(BM_FullPaint1800x600)->Unit(benchmark::kMillisecond);

void BM_AnimatedDisplayCpuOver10s(benchmark::State& state) {
    App();
    velto::CKel_Scope scope;
    scope.resize(1800, 600);
    scope.InitBands(15);
    LoadBands(scope);
    scope.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        scope.SetAnimation(2);
        const double cpuBefore = CpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        state.counters["cpu_percent_of_one_core"] = 100.0 * (CpuSeconds() - cpuBefore) / wall;
        scope.SetAnimation(0);
    }
}
BENCHMARK(BM_AnimatedDisplayCpuOver10s)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
