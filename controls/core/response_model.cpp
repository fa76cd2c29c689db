#include "controls/core/response_model.h"

#include <algorithm>
#include <cmath>

#include "controls/core/response_tables.h"

namespace velto {

namespace {

constexpr double kMinQ = 0.4;
constexpr double kMaxQ = 128.0;
constexpr double kMaxUserQ = 1.5;
constexpr double kMaxShelfQ = 2.0;
constexpr double kPeqMultiplier = 20;
// Below this a crossover counts as switched off.
constexpr double kCrossoverOnFreq = 19.7;

// Clamp that tolerates lo > hi (a page's limits) instead of being undefined.
double Limit(double x, double lo, double hi) {
    return x < lo ? lo : (x > hi ? hi : x);
}

// Truncation to a pixel; non-finite or huge values (a zero magnitude) pin to far off-plot.
int ToPixel(double v) {
    constexpr double kFar = 1e6;
    if (!(v > -kFar)) return static_cast<int>(-kFar);
    if (v > kFar) return static_cast<int>(kFar);
    return static_cast<int>(v);
}

}  // namespace

ResponseModel::ResponseModel(ScopeLimits limits, ScopeOptions options)
    : limits_(limits), options_(options) {}

void ResponseModel::SetLimits(const ScopeLimits& limits) {
    limits_ = limits;
    UpdateXLimits();
}

void ResponseModel::UpdateXLimits() {
    const PlotGeometry& g = geometry_;
    xLimits_ = {g.XFromFreq(limits_.hpfMin), g.XFromFreq(limits_.lpfMin),
                g.XFromFreq(limits_.peqMin), g.XFromFreq(limits_.hpfMax),
                g.XFromFreq(limits_.lpfMax), g.XFromFreq(limits_.peqMax)};
}

void ResponseModel::AllocateCurves() {
    const int w = evaluator_.SampleCount();
    for (ScopeBand& band : bands_)
        band.curve.assign(w, 0.0);
    sum_.assign(w, 0.0);
    row0_.assign(w, 0);
    row1_.assign(w, 0);
}

bool ResponseModel::InitBands(int peqCount, IntRect client) {
    if (peqCount < 0) return false;
    geometry_ = PlotGeometry(client);
    evaluator_ = CurveEvaluator(geometry_);
    UpdateXLimits();
    bands_.assign(peqCount + kFirstPeqBand, ScopeBand{});
    const int spacing = client.Width() / (peqCount + 4);
    for (int b = 0; b < BandCount(); ++b) {
        ScopeBand& band = bands_[b];
        band.xOffset = b * spacing + 50;
        band.freq = SnapFreq(geometry_.FreqFromX(band.xOffset), options_.integerFreq);
    }
    bands_[kHpfBand].freq = geometry_.FreqMin();
    bands_[kLpfBand].freq = geometry_.FreqMax();
    AllocateCurves();
    recomputeAll_ = true;
    return true;
}

void ResponseModel::Resize(IntRect client) {
    const PlotGeometry old = geometry_;
    geometry_ = PlotGeometry(client);
    evaluator_ = CurveEvaluator(geometry_);
    UpdateXLimits();
    const double ratio = old.Width() > 0 && old.Height() > 0
                             ? static_cast<double>(geometry_.Height()) / old.Height()
                             : 1.0;
    for (ScopeBand& band : bands_) {
        band.yOffset = static_cast<int>(band.yOffset * ratio);
        band.xOffset = geometry_.XFromFreq(band.freq);
    }
    if (HasBands()) {
        bands_[kHpfBand].yOffset = 0;
        bands_[kLpfBand].yOffset = 0;
    }
    AllocateCurves();
    recomputeAll_ = true;
}

bool ResponseModel::SelectAndRefresh(int b) {
    if (Dragging()) return false;
    selected_ = b;
    readout_ = b;
    RecalcBand(b);
    return true;
}

bool ResponseModel::SetPeqType(int i, double type) {
    const int b = PeqBand(i);
    if (!IsPeqBand(b)) return false;
    bands_[b].type = static_cast<int>(type);
    return SelectAndRefresh(b);
}

bool ResponseModel::SetPeqFreq(int i, double hz) {
    // A negative index addresses the first PEQ band.
    const int b = i < 0 ? kFirstPeqBand : PeqBand(i);
    if (!IsPeqBand(b)) return false;
    ScopeBand& band = bands_[b];
    band.freq = SnapFreq(Limit(hz, limits_.peqMin, limits_.peqMax), options_.integerFreq);
    band.xOffset = geometry_.XFromFreq(band.freq);
    return SelectAndRefresh(b);
}

bool ResponseModel::SetPeqQ(int i, double q) {
    const int b = PeqBand(i);
    if (!IsPeqBand(b)) return false;
    bands_[b].q = SnapQ(Limit(q, kMinQ, kMaxQ));
    return SelectAndRefresh(b);
}

bool ResponseModel::SetPeqGain(int i, double db) {
    const int b = PeqBand(i);
    if (!IsPeqBand(b)) return false;
    const double e = Limit(db, PlotGeometry::kGainMin / 10, PlotGeometry::kGainMax / 10) * 10;
    ScopeBand& band = bands_[b];
    band.yOffset = -static_cast<int>(e * geometry_.Height() / PlotGeometry::kGainSpan);
    band.gain = static_cast<int>(e);
    return SelectAndRefresh(b);
}

bool ResponseModel::SetXoverFreq(int k, double hz) {
    if (!HasBands() || (k != kHpfBand && k != kLpfBand)) return false;
    const bool hpf = k == kHpfBand;
    ScopeBand& band = bands_[k];
    band.freq =
        hpf ? Limit(hz, limits_.hpfMin, limits_.hpfMax) : Limit(hz, limits_.lpfMin, limits_.lpfMax);
    band.xOffset = geometry_.XFromFreq(band.freq);
    return SelectAndRefresh(k);
}

bool ResponseModel::SetXoverUserQ(int code, double v) {
    if (!HasBands()) return false;
    double q = v / 10;
    if (q < kMinQ || q > kMaxUserQ) q = kMinQ;
    const int b = code & 1;
    bands_[b].q = q;
    switch (code) {
        case 0:
            hpfType_ = 32;
            break;
        case 1:
            lpfType_ = 33;
            break;
        case 2:
            hpfType_ = 36;
            break;
        case 3:
            lpfType_ = 37;
            break;
        default:
            break;
    }
    return SelectAndRefresh(b);
}

bool ResponseModel::SetXoverType(unsigned code) {
    if (code < 8 || code >= 70 || (code >= 32 && code <= 39)) return false;
    if (code % 2 == 1) {
        lpfType_ = static_cast<int>(code);
        return HasBands() && SelectAndRefresh(kLpfBand);
    }
    hpfType_ = static_cast<int>(code);
    return HasBands() && SelectAndRefresh(kHpfBand);
}

double ResponseModel::GetPeqType(int i) const {
    return IsPeqBand(PeqBand(i)) ? bands_[PeqBand(i)].type : 0.0;
}

double ResponseModel::GetPeqFreq(int i) const {
    return IsPeqBand(PeqBand(i)) ? bands_[PeqBand(i)].freq : 0.0;
}

double ResponseModel::GetPeqQ(int i) const {
    return IsPeqBand(PeqBand(i)) ? bands_[PeqBand(i)].q : 0.0;
}

double ResponseModel::GetPeqGain(int i) const {
    return IsPeqBand(PeqBand(i)) ? bands_[PeqBand(i)].gain / 10.0 : 0.0;
}

double ResponseModel::GetXoverFreq(int k) const {
    return HasBands() && (k == kHpfBand || k == kLpfBand) ? bands_[k].freq : 0.0;
}

bool ResponseModel::CrossoverOff(int k) const {
    const double f = bands_[k].freq;
    if (f < kCrossoverOnFreq) return true;
    return k == kHpfBand ? f > limits_.hpfMax : f >= limits_.lpfMax;
}

void ResponseModel::ComputeCrossover(int k, std::span<double> out) const {
    const CrossoverType type = DecodeCrossoverType(k == kHpfBand ? hpfType_ : lpfType_);
    if (type.flat || CrossoverOff(k)) return;
    const double w0 = DisplayOmega(geometry_.FreqFromX(bands_[k].xOffset));
    // USER codes take the Q of the filter the code belongs to.
    const double userQ = bands_[type.highPass ? kHpfBand : kLpfBand].q;
    const double alpha = CrossoverAlpha(type.alignment, w0, userQ);
    evaluator_.Evaluate(CrossoverBiquad(type.highPass, w0, alpha).Normalized(), type.multiplier,
                        out);
}

void ResponseModel::ComputePeq(int b, std::span<double> out) const {
    const ScopeBand& band = bands_[b];
    const double pixelsPerTenth = (geometry_.Height() - 1) / PlotGeometry::kGainSpan;
    const double d = pixelsPerTenth > 0 ? std::trunc(band.yOffset / pixelsPerTenth) : 0.0;
    const double a = std::pow(10.0, d / -400.0);
    const double w0 = DisplayOmega(geometry_.FreqFromX(band.xOffset));
    const double shelfQ = band.q > kMaxShelfQ ? kMaxShelfQ : band.q;
    Biquad s;
    if (band.type == kHighShelfType) {
        s = HighShelfBiquad(w0, a, shelfQ);
    } else if (band.type == kLowShelfType) {
        s = LowShelfBiquad(w0, a, shelfQ);
    } else {
        s = PeakingBiquad(w0, a, band.q);
    }
    evaluator_.Evaluate(s.Normalized(), kPeqMultiplier, out);
}

void ResponseModel::ComputeBandCurve(int b, std::span<double> out) const {
    if (b == kHpfBand || b == kLpfBand) {
        ComputeCrossover(b, out);
    } else {
        ComputePeq(b, out);
    }
}

void ResponseModel::RecalcBand(int b) {
    if (!IsBand(b)) return;
    std::vector<double>& curve = bands_[b].curve;
    std::fill(curve.begin(), curve.end(), 0.0);
    ComputeBandCurve(b, curve);

    std::fill(sum_.begin(), sum_.end(), 0.0);
    for (const ScopeBand& band : bands_) {
        if (!band.shown) continue;
        for (size_t i = 0; i < sum_.size(); ++i)
            sum_[i] += band.curve[i];
    }
    for (size_t i = 0; i < sum_.size(); ++i) {
        row0_[i] = ToPixel(curve[i]);
        row1_[i] = ToPixel(sum_[i]);
    }
}

void ResponseModel::RecalcAllIfNeeded() {
    if (!recomputeAll_) return;
    recomputeAll_ = false;
    for (int b = 0; b < BandCount(); ++b)
        RecalcBand(b);
    // Row 0 is the highlighted band: keep it the selected one rather than the last computed.
    if (IsBand(selected_)) {
        const std::vector<double>& curve = bands_[selected_].curve;
        for (size_t i = 0; i < curve.size(); ++i)
            row0_[i] = ToPixel(curve[i]);
    }
}

}  // namespace velto
