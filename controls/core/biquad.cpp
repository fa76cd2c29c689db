#include "controls/core/biquad.h"

#include <cmath>

namespace velto {

Biquad Biquad::Normalized() const {
    return {b0 / a0, b1 / a0, b2 / a0, 1.0, a1 / a0, a2 / a0};
}

double DisplayOmega(double f) {
    return f * kTwoPi / kDisplaySampleRate;
}

Biquad CrossoverBiquad(bool highPass, double w0, double alpha) {
    const double c = std::cos(w0);
    Biquad s;
    if (highPass) {
        s.b0 = (1 + c) / 2;
        s.b1 = -(1 + c);
    } else {
        s.b0 = (1 - c) / 2;
        s.b1 = 1 - c;
    }
    s.b2 = s.b0;
    s.a0 = 1 + alpha;
    s.a1 = -2 * c;
    s.a2 = 1 - alpha;
    return s;
}

Biquad PeakingBiquad(double w0, double a, double q) {
    const double alpha = std::sin(w0) / (2 * q);
    const double c = std::cos(w0);
    return {1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a};
}

Biquad HighShelfBiquad(double w0, double a, double q) {
    const double k = std::sin(w0) * std::sqrt(a) / q;
    const double c = std::cos(w0);
    return {a * ((a + 1) + (a - 1) * c + k), -2 * a * ((a - 1) + (a + 1) * c),
            a * ((a + 1) + (a - 1) * c - k), (a + 1) - (a - 1) * c + k,
            2 * ((a - 1) - (a + 1) * c),     (a + 1) - (a - 1) * c - k};
}

Biquad LowShelfBiquad(double w0, double a, double q) {
    const double k = std::sin(w0) * std::sqrt(a) / q;
    const double c = std::cos(w0);
    return {a * ((a + 1) - (a - 1) * c + k), 2 * a * ((a - 1) - (a + 1) * c),
            a * ((a + 1) - (a - 1) * c - k), (a + 1) + (a - 1) * c + k,
            -2 * ((a - 1) + (a + 1) * c),    (a + 1) + (a - 1) * c - k};
}

}  // namespace velto
