#pragma once
// Pixel geometry of the frequency-response display: the plot inside the client area, the
// logarithmic frequency axis from 19 Hz to 20.6 kHz and the gain axis from +12 dB to -24 dB.

namespace velto {

struct IntRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Left and top edges inside, right and bottom edges outside.
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class PlotGeometry {
  public:
    // Gain axis in tenths of a dB.
    static constexpr double kGainMax = 120.0;
    static constexpr double kGainMin = -240.0;
    static constexpr double kGainSpan = kGainMax - kGainMin;

    explicit PlotGeometry(IntRect client = {});

    const IntRect& Client() const { return client_; }
    const IntRect& Plot() const { return plot_; }
    // W: plot width, also the number of curve samples.
    int Width() const { return plot_.Width(); }
    int Height() const { return plot_.Height(); }
    double FreqMin() const { return fmin_; }
    double FreqMax() const { return fmax_; }
    // log10(fmax / fmin).
    double Decades() const { return decades_; }

    // x offset from the plot's left edge of frequency f (truncated), and back.
    int XFromFreq(double f) const;
    double FreqFromX(double x) const;

    // The 0 dB line: exact, and truncated to a pixel row.
    double ZeroLineExact() const;
    int ZeroLine() const;

  private:
    IntRect client_;
    IntRect plot_;
    double fmin_;
    double fmax_;
    double decades_;
};

}  // namespace velto
