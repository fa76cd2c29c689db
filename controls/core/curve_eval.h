#pragma once
// Magnitude curves of one biquad at one sample per plot column, as pixel offsets from the zero
// line.  The unit-circle points of the columns depend only on the geometry and are cached, so
// recomputing a band costs a few multiplications and one logarithm per column.

#include <span>
#include <vector>

#include "controls/core/biquad.h"
#include "controls/core/plot_geometry.h"

namespace velto {

class CurveEvaluator {
  public:
    explicit CurveEvaluator(const PlotGeometry& geometry = PlotGeometry{});

    int SampleCount() const { return static_cast<int>(cos1_.size()); }

    // Writes M * log10|H| scaled to pixels (negative above the zero line) for every column;
    // `normalized` must have a0 = 1 and `out` must hold SampleCount() values.
    void Evaluate(const Biquad& normalized, int multiplier, std::span<double> out) const;

  private:
    std::vector<double> cos1_, sin1_, cos2_, sin2_;
    int plotHeight_ = 0;
};

}  // namespace velto
