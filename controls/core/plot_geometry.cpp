#include "controls/core/plot_geometry.h"

#include <cmath>

#include "controls/core/response_tables.h"

namespace velto {

namespace {
constexpr int kPlotLeftMargin = 30;
constexpr int kPlotTopMargin = 10;
constexpr int kPlotRightMargin = 18;
constexpr int kPlotBottomMargin = 18;
}  // namespace

PlotGeometry::PlotGeometry(IntRect client)
    : client_(client),
      plot_{client.left + kPlotLeftMargin, client.top + kPlotTopMargin,
            client.right - kPlotRightMargin, client.bottom - kPlotBottomMargin},
      fmin_(kGridTable[0].freq),
      fmax_(kGridTable[1].freq),
      decades_(std::log10(fmax_ / fmin_)) {}

int PlotGeometry::XFromFreq(double f) const {
    return static_cast<int>(std::log10(f / fmin_) / decades_ * Width());
}

double PlotGeometry::FreqFromX(double x) const {
    if (Width() <= 0) return fmin_;
    return fmin_ * std::pow(10.0, x / Width() * decades_);
}

double PlotGeometry::ZeroLineExact() const {
    return std::fabs(kGainMax) * Height() / kGainSpan + plot_.top;
}

int PlotGeometry::ZeroLine() const {
    return static_cast<int>(ZeroLineExact());
}

}  // namespace velto
