#pragma once
// The step and grid tables of the frequency-response display, and the snapping of frequencies
// and Q values onto them.

#include <array>

namespace velto {

// 363 frequencies, about 36 per octave, plus two entries of 20600 that the one-step-up lookup
// reads past the last step.
inline constexpr int kFreqStepCount = 363;
extern const std::array<double, kFreqStepCount + 2> kFreqSteps;

// 101 Q values plus one entry of 128 that the Q-handle drag reads at index 101.
inline constexpr int kQStepCount = 101;
extern const std::array<double, kQStepCount + 1> kQSteps;

struct GridLine {
    double freq;
    const char* label;
    int major;
};

// Entries 0 and 1 carry the frequency range of the axis; the vertical grid lines follow from
// index 2 up to the first entry whose frequency is 0.
extern const std::array<GridLine, 32> kGridTable;
inline constexpr int kFirstGridLine = 2;

inline constexpr double kAxisFreqMin = 19.0;
inline constexpr double kAxisFreqMax = 20600.0;

// The first step not below x (19 below the table, 20600 above it); in integer-frequency mode
// the value rounded to whole Hz instead.
double SnapFreq(double x, bool integerMode = false);

// The first Q step not below q, else 128.
double SnapQ(double q);

}  // namespace velto
