#include "controls/core/curve_eval.h"

#include <cmath>

namespace velto {

CurveEvaluator::CurveEvaluator(const PlotGeometry& geometry) : plotHeight_(geometry.Height()) {
    const int w = geometry.Width() > 0 ? geometry.Width() : 0;
    cos1_.resize(w);
    sin1_.resize(w);
    cos2_.resize(w);
    sin2_.resize(w);
    for (int i = 0; i < w; ++i) {
        const double f =
            geometry.FreqMin() * std::pow(10.0, static_cast<double>(i) / w * geometry.Decades());
        const double omega = DisplayOmega(f);
        cos1_[i] = std::cos(omega);
        sin1_[i] = std::sin(omega);
        cos2_[i] = std::cos(2 * omega);
        sin2_[i] = std::sin(2 * omega);
    }
}

void CurveEvaluator::Evaluate(const Biquad& c, int multiplier, std::span<double> out) const {
    const double m = multiplier;
    const double h = plotHeight_;
    for (size_t i = 0; i < cos1_.size(); ++i) {
        const double nRe = c.b0 + c.b1 * cos1_[i] + c.b2 * cos2_[i];
        const double nIm = c.b1 * sin1_[i] + c.b2 * sin2_[i];
        const double dRe = 1.0 + c.a1 * cos1_[i] + c.a2 * cos2_[i];
        const double dIm = c.a1 * sin1_[i] + c.a2 * sin2_[i];
        // The magnitude goes through single precision, as the curves always have.
        const float mag2 = static_cast<float>((nRe * nRe + nIm * nIm) / (dRe * dRe + dIm * dIm));
        const float lg = std::log10(std::sqrt(mag2));
        out[i] = m * lg * h * (-10.0) / PlotGeometry::kGainSpan;
    }
}

}  // namespace velto
