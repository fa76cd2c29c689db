#include "controls/core/crossover_type.h"

#include <cmath>

namespace velto {

namespace {

struct TypeGroup {
    int first;
    int multiplier;
};

// Each group holds HPF/LPF pairs of Butterworth, Bessel and Linkwitz-Riley, in that order.
constexpr TypeGroup kGroups[] = {{8, 20},  {14, 30}, {20, 40}, {26, 80},
                                 {40, 10}, {46, 50}, {52, 60}, {58, 70}};
constexpr int kGroupSize = 6;

constexpr CrossoverAlignment kGroupAlignments[] = {
    CrossoverAlignment::Butterworth, CrossoverAlignment::Bessel, CrossoverAlignment::LinkwitzRiley};

}  // namespace

CrossoverType DecodeCrossoverType(int code) {
    CrossoverType t;
    for (const TypeGroup& g : kGroups) {
        if (code >= g.first && code < g.first + kGroupSize) {
            const int offset = code - g.first;
            t.flat = false;
            t.highPass = offset % 2 == 0;
            t.alignment = kGroupAlignments[offset / 2];
            t.multiplier = g.multiplier;
            return t;
        }
    }
    if (code >= 32 && code <= 33) t.multiplier = 20;
    if (code >= 36 && code <= 37) t.multiplier = 40;
    if (t.multiplier != 0) {
        t.flat = false;
        t.highPass = code % 2 == 0;
        t.alignment = CrossoverAlignment::User;
    }
    return t;
}

double CrossoverAlpha(CrossoverAlignment alignment, double w0, double userQ) {
    const double s = std::sin(w0);
    switch (alignment) {
        case CrossoverAlignment::Butterworth:
            return s / (2 / std::sqrt(2.0));
        case CrossoverAlignment::LinkwitzRiley:
            return s * 0.5 / std::sqrt(0.5);
        case CrossoverAlignment::Bessel:
            return s / (2 / std::sqrt(3.0));
        case CrossoverAlignment::User:
            break;
    }
    return s / (2 * userQ);
}

}  // namespace velto
