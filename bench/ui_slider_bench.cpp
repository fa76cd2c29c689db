// The slider's two painting paths: copying its composed picture (every paint while nothing
// changed) and recomposing it after a value change.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "controls/cea_kel2.h"
#include "controls/mem_dc_class.h"
#include "controls/message_window.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "ui_slider_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// A page-sized owner with its skin and one slider at the pages' size (170 x 33).
struct Page {
    Page() : skin(&owner, QRect(0, 0, 1204, 703)), surface(&owner, QRect(0, 0, 1204, 703)) {
        skin.LoadBitmap(134, &owner);
        owner.resize(1204, 703);
        slider = new velto::CEA_Kel2(&owner);
        slider->SetFullHeightLayout(true);
        slider->setGeometry(475, 360, 170, 33);
        slider->SetSkin(&skin, 142, 0);
        slider->SetTextColor(0xFFF0F0F0);
        slider->SetFormat(QStringLiteral("Threshold:%5.0fdBu"));
        slider->SetMax(34);
    }
    velto::MessageWindow owner;
    velto::CMemDcClass skin;
    velto::CMemDcClass surface;
    velto::CEA_Kel2* slider;
};

void BM_SliderPaintFromCache(benchmark::State& state) {
    App();
    Page page;
    page.slider->PaintInto(page.surface);
    for (auto _ : state)
        page.slider->PaintInto(page.surface);
}
BENCHMARK(BM_SliderPaintFromCache);

void BM_SliderRecomposeAfterValueChange(benchmark::State& state) {
    App();
    Page page;
    int value = 0;
    for (auto _ : state) {
        page.slider->SetValue(value);
        value = (value + 1) % 35;
        page.slider->PaintInto(page.surface);
    }
}
BENCHMARK(BM_SliderRecomposeAfterValueChange);

}  // namespace
