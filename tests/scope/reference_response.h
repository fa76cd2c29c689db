#pragma once
// An independent long-double evaluation of the display's filter formulas, written out here
// from the cookbook so that the tests do not check the production code against itself.

#include <cmath>

namespace velto::test {

struct RefSection {
    long double b0, b1, b2, a0, a1, a2;
};

inline constexpr long double kRefFmin = 19.0L;
inline constexpr long double kRefFmax = 20600.0L;
inline constexpr long double kRefTwoPi = 6.28318530717958L;

inline long double RefDecades() {
    return std::log10(kRefFmax / kRefFmin);
}
inline long double RefFreqAtX(long double x, int w) {
    return kRefFmin * std::pow(10.0L, x / w * RefDecades());
}
inline int RefXOfFreq(long double f, int w) {
    return static_cast<int>(std::log10(f / kRefFmin) / RefDecades() * w);
}
inline long double RefOmega(long double f) {
    return f * kRefTwoPi / 48000.0L;
}

// Pixel offset from the zero line of M * log10|H(f)| for a plot of height h.
inline long double RefPixels(const RefSection& s, int multiplier, long double f, int h) {
    const long double w = RefOmega(f);
    const long double c1 = std::cos(w), s1 = std::sin(w), c2 = std::cos(2 * w),
                      s2 = std::sin(2 * w);
    const long double nr = s.b0 + s.b1 * c1 + s.b2 * c2;
    const long double ni = -(s.b1 * s1 + s.b2 * s2);
    const long double dr = s.a0 + s.a1 * c1 + s.a2 * c2;
    const long double di = -(s.a1 * s1 + s.a2 * s2);
    const long double mag = std::sqrt((nr * nr + ni * ni) / (dr * dr + di * di));
    return multiplier * std::log10(mag) * h * -10.0L / 360.0L;
}

inline RefSection RefCrossover(bool highPass, long double f0, long double q) {
    const long double w0 = RefOmega(f0);
    const long double alpha = std::sin(w0) / (2 * q);
    const long double c = std::cos(w0);
    const long double b0 = highPass ? (1 + c) / 2 : (1 - c) / 2;
    const long double b1 = highPass ? -(1 + c) : 1 - c;
    return {b0, b1, b0, 1 + alpha, -2 * c, 1 - alpha};
}

// gainDb: the boost (negative: cut) in dB.
inline RefSection RefPeaking(long double f0, long double gainDb, long double q) {
    const long double a = std::pow(10.0L, gainDb / 40);
    const long double w0 = RefOmega(f0);
    const long double alpha = std::sin(w0) / (2 * q);
    return {1 + alpha * a, -2 * std::cos(w0), 1 - alpha * a,
            1 + alpha / a, -2 * std::cos(w0), 1 - alpha / a};
}

inline RefSection RefShelf(bool high, long double f0, long double gainDb, long double q) {
    const long double a = std::pow(10.0L, gainDb / 40);
    const long double w0 = RefOmega(f0);
    const long double c = std::cos(w0);
    const long double k = 2 * std::sqrt(a) * std::sin(w0) / (2 * q);
    const long double sg = high ? 1 : -1;  // the high shelf mirrors the low one in cos
    return {a * ((a + 1) + sg * (a - 1) * c + k),  -sg * 2 * a * ((a - 1) + sg * (a + 1) * c),
            a * ((a + 1) + sg * (a - 1) * c - k),  (a + 1) - sg * (a - 1) * c + k,
            sg * 2 * ((a - 1) - sg * (a + 1) * c), (a + 1) - sg * (a - 1) * c - k};
}

}  // namespace velto::test
