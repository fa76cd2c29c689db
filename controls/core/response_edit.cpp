#include "controls/core/response_edit.h"

#include <algorithm>
#include <cmath>

#include "controls/core/response_tables.h"

namespace velto {

namespace {

constexpr int kMarkerHalf = 9;
constexpr int kPopupItemWidth = 50;
constexpr int kPopupItemHeight = 20;
constexpr int kPopupSlack = 5;

// Frequency step index: the first entry not below f.
int StepIndexAtOrAbove(double f) {
    for (int i = 0; i < kFreqStepCount; ++i) {
        if (kFreqSteps[i] >= f) return i;
    }
    return -1;
}

}  // namespace

ScopeNotice NoticeForBand(int b) {
    if (b == kHpfBand) return {1, 0};
    if (b == kLpfBand) return {2, 0};
    return {0, b - kFirstPeqBand};
}

int MarkerX(const ResponseModel& model, int b) {
    return model.Geometry().Plot().left + model.Band(b).xOffset;
}

int MarkerY(const ResponseModel& model, int b) {
    return model.Geometry().ZeroLine() + model.Band(b).yOffset;
}

IntRect MarkerRect(const ResponseModel& model, int b) {
    const int x = MarkerX(model, b);
    const int y = MarkerY(model, b);
    return {x - kMarkerHalf, y - kMarkerHalf, x + kMarkerHalf, y + kMarkerHalf};
}

int MarkerAt(const ResponseModel& model, int x, int y) {
    for (int b = 0; b < model.BandCount(); ++b) {
        if (model.Band(b).shown && MarkerRect(model, b).Contains(x, y)) return b;
    }
    return -1;
}

int HandleDistance(double q) {
    int qi = 100;
    for (int j = 1; j <= 100; ++j) {
        if (std::trunc(q) <= kQSteps[j]) {
            qi = j - 1;
            break;
        }
    }
    return static_cast<int>(100 - qi * 0.9900990099009901 + 18);
}

IntRect HandleRect(const ResponseModel& model, HandleSide side) {
    const int s = model.Selected();
    const int d = HandleDistance(model.Band(s).q);
    const int x = MarkerX(model, s) + (side == HandleSide::Left ? -d : d);
    const int y = MarkerY(model, s);
    return {x - kMarkerHalf, y - kMarkerHalf, x + kMarkerHalf, y + kMarkerHalf};
}

double QFromHandle(HandleSide side, int p, int mx) {
    const double distance = side == HandleSide::Left ? p - mx : mx - p - 36;
    const int c = std::clamp(static_cast<int>(101 - distance * 1.01), 0, kQStepCount);
    return kQSteps[c];
}

bool DragMarkerTo(ResponseModel& model, int mx, int my) {
    const int s = model.Selected();
    if (model.Dragged() > model.BandCount() || !model.IsBand(s)) return false;
    const PlotGeometry& g = model.Geometry();
    const IntRect& plot = g.Plot();
    const ScopeLimits& lim = model.Limits();
    const ScopeXLimits& xl = model.XLimits();
    ScopeBand& band = model.MutableBand(s);
    const bool peq = model.IsPeqBand(s);

    if (!(model.Options().peqDragVerticalOnly && peq)) band.xOffset = mx - plot.left;
    const double zx = g.ZeroLineExact();
    int v = static_cast<int>(std::clamp(my, plot.top, plot.bottom) - zx);
    if (!model.Options().shelfBoostByDrag &&
        (band.type == kHighShelfType || band.type == kLowShelfType) && v < 0) {
        v = 0;
    }
    // Snap first, then hold the band inside its kind's limits.
    band.freq = SnapFreq(g.FreqFromX(band.xOffset), model.Options().integerFreq);
    auto hold = [&](int xMin, int xMax, double fMin, double fMax) {
        band.xOffset = std::max(xMin, std::min(band.xOffset, xMax));
        band.freq = std::max(fMin, std::min(band.freq, fMax));
    };
    if (s == kHpfBand) {
        hold(xl.hpfMin, xl.hpfMax, lim.hpfMin, lim.hpfMax);
        v = 0;
    } else if (s == kLpfBand) {
        hold(xl.lpfMin, xl.lpfMax, lim.lpfMin, lim.lpfMax);
        v = 0;
    } else {
        hold(xl.peqMin, xl.peqMax, lim.peqMin, lim.peqMax);
    }
    band.yOffset = v;

    const double pixelSpan = g.Height() - 1;
    const double tenths = pixelSpan > 0 ? std::clamp(-v * PlotGeometry::kGainSpan / pixelSpan,
                                                     PlotGeometry::kGainMin, PlotGeometry::kGainMax)
                                        : 0.0;
    band.gain = static_cast<int>(tenths + 0.5);
    // The plot's edges give the axis ends exactly, whatever the rounding above.
    if (v <= static_cast<int>(plot.top - zx)) band.gain = static_cast<int>(PlotGeometry::kGainMax);
    if (v >= static_cast<int>(plot.bottom - zx)) {
        band.gain = static_cast<int>(PlotGeometry::kGainMin);
    }
    model.RecalcBand(s);
    return true;
}

void FinishMarkerDrag(ResponseModel& model) {
    model.SetDragged(0);
    const int s = model.Selected();
    if (!model.IsBand(s)) return;
    ScopeBand& band = model.MutableBand(s);
    band.xOffset = model.Geometry().XFromFreq(band.freq);
    model.RecalcBand(s);
}

int StepSelectedBand(ResponseModel& model, bool up) {
    const int s = model.Selected();
    if (!model.IsBand(s)) return s;
    if (model.IsPeqBand(s)) {
        const int gain = model.Band(s).gain;
        model.SetPeqGain(s - kFirstPeqBand, (up ? gain + 1 : gain - 1) / 10.0);
        return s;
    }
    ScopeBand& band = model.MutableBand(s);
    if (band.freq <= kAxisFreqMax) {
        const int i = StepIndexAtOrAbove(band.freq);
        const int next = up ? i - 1 : i + 1;  // up on the wheel = one step lower in frequency
        if (next >= 0) {
            band.freq = kFreqSteps[next];
            band.xOffset = model.Geometry().XFromFreq(band.freq);
        }
    }
    if (!model.Dragging()) {
        model.SetReadout(s);
        model.RecalcBand(s);
    }
    return s;
}

void ScopePopup::OpenAt(int x, int y) {
    state_ = kCopyHot;
    copy_ = {x, y, x + kPopupItemWidth, y + kPopupItemHeight};
    paste_ = {x, y + kPopupItemHeight, x + kPopupItemWidth, y + 2 * kPopupItemHeight};
}

void ScopePopup::Hover(int x, int y) {
    if (copy_.Contains(x, y)) state_ = kCopyHot;
    if (paste_.Contains(x, y)) state_ = kPasteHot;
    const IntRect area{copy_.left - kPopupSlack, copy_.top - kPopupSlack,
                       paste_.right + kPopupSlack, paste_.bottom + kPopupSlack};
    if (!area.Contains(x, y)) state_ = kClosed;
}

ScopePopup::Item ScopePopup::Press(int x, int y) {
    if (copy_.Contains(x, y)) {
        state_ = kClosed;
        return kCopyItem;
    }
    if (paste_.Contains(x, y)) {
        state_ = kClosed;
        return kPasteItem;
    }
    return kNoItem;
}

}  // namespace velto
