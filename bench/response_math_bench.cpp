// Cost of recomputing one band of the response display (its curve, the sum of all bands and
// the two display rows) on a plot 1800 px wide with 15 PEQ bands, HPF and LPF.

#include <benchmark/benchmark.h>

#include "controls/core/response_model.h"

namespace {

velto::ResponseModel MakeBusyModel() {
    velto::ResponseModel model;
    // The plot is 48 px narrower than the client.
    model.InitBands(15, {0, 0, 1848, 628});
    model.SetXoverFreq(velto::kHpfBand, 80);
    model.SetXoverFreq(velto::kLpfBand, 12000);
    for (int i = 0; i < 15; ++i) {
        model.SetPeqFreq(i, 25.0 * (i + 1) * (i + 1));
        model.SetPeqGain(i, (i % 5) * 3 - 6);
        model.SetPeqQ(i, 0.7 + i * 0.3);
    }
    model.RecalcAllIfNeeded();
    return model;
}

void BM_RecalcPeqBand(benchmark::State& state) {
    velto::ResponseModel model = MakeBusyModel();
    for (auto _ : state) {
        model.RecalcBand(7);
        benchmark::DoNotOptimize(model.DisplayRow(1).data());
    }
}
BENCHMARK(BM_RecalcPeqBand)->Unit(benchmark::kMicrosecond);

void BM_RecalcCrossoverBand(benchmark::State& state) {
    velto::ResponseModel model = MakeBusyModel();
    model.SetXoverType(26);
    for (auto _ : state) {
        model.RecalcBand(velto::kHpfBand);
        benchmark::DoNotOptimize(model.DisplayRow(1).data());
    }
}
BENCHMARK(BM_RecalcCrossoverBand)->Unit(benchmark::kMicrosecond);

// A size change recomputes all 17 bands once.
void BM_RecalcAllAfterResize(benchmark::State& state) {
    velto::ResponseModel model = MakeBusyModel();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        model.Resize({0, 0, wide ? 1848 : 1847, 628});
        model.RecalcAllIfNeeded();
        benchmark::DoNotOptimize(model.DisplayRow(1).data());
    }
}
BENCHMARK(BM_RecalcAllAfterResize)->Unit(benchmark::kMicrosecond);

}  // namespace
