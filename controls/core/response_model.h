#pragma once
// The data behind the frequency-response display: the HPF, LPF and PEQ bands with their marker
// positions, values and cached curves, the sum of all shown bands, and the operations with
// which the owning page pushes values in.  Band 0 is the HPF, band 1 the LPF and bands
// 2 .. n+1 the PEQ bands; the page addresses PEQ bands by their 0-based PEQ index.

#include <span>
#include <vector>

#include "controls/core/crossover_type.h"
#include "controls/core/curve_eval.h"
#include "controls/core/peq_types.h"
#include "controls/core/plot_geometry.h"

namespace velto {

inline constexpr int kHpfBand = 0;
inline constexpr int kLpfBand = 1;
inline constexpr int kFirstPeqBand = 2;

// Frequency limits written by the page before the display is created.
struct ScopeLimits {
    double hpfMin = 19.0;
    double lpfMin = 19.0;
    double peqMin = 19.7;
    double hpfMax = 20600.0;
    double lpfMax = 20600.0;
    double peqMax = 20600.0;
};

// The same limits as x offsets from the plot's left edge.
struct ScopeXLimits {
    int hpfMin = 0, lpfMin = 0, peqMin = 0, hpfMax = 0, lpfMax = 0, peqMax = 0;
};

// Behaviour chosen when the display is built; the pages keep the defaults.
struct ScopeOptions {
    bool integerFreq = false;
    bool highlight = true;
    bool qHandles = true;
    bool mouseInput = true;
    bool shelfBoostByDrag = true;
    bool peqDragVerticalOnly = false;
    double readoutFontScale = 1.0;
};

struct ScopeBand {
    int xOffset = 0;  // marker x from the plot's left edge
    int yOffset = 0;  // marker y from the zero line, down positive; 0 for HPF and LPF
    double freq = 0;
    double q = 1.5;
    int gain = 0;  // tenths of a dB
    int type = 0;  // PEQ: 5 high shelf, 6 low shelf, otherwise peaking
    bool shown = true;
    std::vector<double> curve;
};

class ResponseModel {
  public:
    explicit ResponseModel(ScopeLimits limits = {}, ScopeOptions options = {});

    void SetLimits(const ScopeLimits& limits);
    const ScopeLimits& Limits() const { return limits_; }
    const ScopeXLimits& XLimits() const { return xLimits_; }
    const ScopeOptions& Options() const { return options_; }

    // Builds n PEQ bands plus HPF and LPF for a client rectangle; n < 0 is refused.
    bool InitBands(int peqCount, IntRect client);
    // Follows a new client size: markers keep their values and move to their new positions.
    void Resize(IntRect client);

    bool HasBands() const { return !bands_.empty(); }
    int BandCount() const { return static_cast<int>(bands_.size()); }
    int PeqCount() const { return BandCount() > kFirstPeqBand ? BandCount() - kFirstPeqBand : 0; }
    bool IsBand(int b) const { return b >= 0 && b < BandCount(); }
    bool IsPeqBand(int b) const { return b >= kFirstPeqBand && b < BandCount(); }
    const ScopeBand& Band(int b) const { return bands_[b]; }
    ScopeBand& MutableBand(int b) { return bands_[b]; }
    const PlotGeometry& Geometry() const { return geometry_; }

    // Page setters.  Each returns true when it ran select-and-refresh (the view must be
    // repainted); while a marker is dragged values are stored without a refresh.
    bool SetPeqType(int i, double type);
    bool SetPeqFreq(int i, double hz);
    bool SetPeqQ(int i, double q);
    bool SetPeqGain(int i, double db);
    bool SetXoverFreq(int k, double hz);
    bool SetXoverUserQ(int code, double v);
    bool SetXoverType(unsigned code);
    void SetEqOn(bool on) { eqOn_ = on; }
    bool IsEqOn() const { return eqOn_; }

    // Getters; an index outside the band set reads as 0.
    double GetPeqType(int i) const;
    double GetPeqFreq(int i) const;
    double GetPeqQ(int i) const;
    double GetPeqGain(int i) const;
    double GetXoverFreq(int k) const;

    int HpfType() const { return hpfType_; }
    int LpfType() const { return lpfType_; }

    // Selection: the selected band is highlighted, the readout band's values are printed;
    // the dragged band is 0 or the band index + 1 while its marker is held.
    int Selected() const { return selected_; }
    int Readout() const { return readout_; }
    int Dragged() const { return dragged_; }
    bool Dragging() const { return dragged_ != 0; }
    void SetSelected(int b) { selected_ = b; }
    void SetReadout(int b) { readout_ = b; }
    void SetDragged(int d) { dragged_ = d; }
    // Selects band b and recomputes it unless a marker is dragged; true when it did.
    bool SelectAndRefresh(int b);

    // Recomputes band b's curve, the sum, and the two display rows.
    void RecalcBand(int b);
    // Recomputes every band if a size change (or the band set's creation) asked for it; row 0
    // then shows the selected band.
    void RecalcAllIfNeeded();
    bool RecomputeAllPending() const { return recomputeAll_; }

    // Row 0: the band recomputed last; row 1: the sum of all shown bands; whole pixels.
    std::span<const int> DisplayRow(int row) const { return row == 0 ? row0_ : row1_; }

    // Whether the HPF or LPF currently draws as a flat line because it is switched off.
    bool CrossoverOff(int k) const;

  private:
    void ComputeBandCurve(int b, std::span<double> out) const;
    void ComputeCrossover(int k, std::span<double> out) const;
    void ComputePeq(int b, std::span<double> out) const;
    void UpdateXLimits();
    void AllocateCurves();
    int PeqBand(int i) const { return i + kFirstPeqBand; }

    ScopeLimits limits_;
    ScopeXLimits xLimits_;
    ScopeOptions options_;
    PlotGeometry geometry_;
    CurveEvaluator evaluator_;
    std::vector<ScopeBand> bands_;
    std::vector<double> sum_;
    std::vector<int> row0_, row1_;
    int hpfType_ = kDefaultHpfType;
    int lpfType_ = kDefaultLpfType;
    int selected_ = 0;
    int readout_ = 0;
    int dragged_ = 0;
    bool eqOn_ = true;
    bool recomputeAll_ = true;
};

}  // namespace velto
