#pragma once
// Second-order sections of the display's filters, in the audio-EQ cookbook form.  The display
// draws every filter as one such section (crossovers raised to a power), evaluated at 48 kHz.

namespace velto {

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a0 = 1, a1 = 0, a2 = 0;

    // The same section with a0 = 1.
    Biquad Normalized() const;
};

inline constexpr double kTwoPi = 6.28318530717958;
inline constexpr double kDisplaySampleRate = 48000.0;

// Angular frequency of f at the display's sample rate.
double DisplayOmega(double f);

Biquad CrossoverBiquad(bool highPass, double w0, double alpha);

// A is the square root of the linear gain; K = sin(w0) * sqrt(A) / Q for the shelves, where
// the caller has already limited Q.
Biquad PeakingBiquad(double w0, double a, double q);
Biquad HighShelfBiquad(double w0, double a, double q);
Biquad LowShelfBiquad(double w0, double a, double q);

}  // namespace velto
