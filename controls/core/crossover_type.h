#pragma once
// The processor's crossover type codes as the display draws them: a second-order section of a
// given alignment raised to the power M / 20 (nominal slope M * 0.6 dB per octave).

namespace velto {

enum class CrossoverAlignment { Butterworth, Bessel, LinkwitzRiley, User };

struct CrossoverType {
    bool flat = true;  // drawn as a straight line on the zero line
    bool highPass = false;
    CrossoverAlignment alignment = CrossoverAlignment::Butterworth;
    int multiplier = 0;
};

inline constexpr int kDefaultHpfType = 8;
inline constexpr int kDefaultLpfType = 9;

CrossoverType DecodeCrossoverType(int code);

// The alpha of the section at w0 for the alignment; userQ is used by the USER codes only.
double CrossoverAlpha(CrossoverAlignment alignment, double w0, double userQ);

}  // namespace velto
