#pragma once
// Values of the PEQ band editor: its frequency and Q tables, the parsing and stepping of the
// texts in its three boxes, and the formatting with which a value is written back.

#include <array>
#include <string>
#include <string_view>

#include "controls/core/peq_types.h"
#include "controls/core/response_tables.h"

namespace velto {

// What a box or notification is about: 0 gain, 1 frequency, 2 Q, 3 type.
enum class EqValueKind { Gain = 0, Freq = 1, Q = 2, Type = 3 };

inline constexpr double kEqGainMin = -24.0;
inline constexpr double kEqGainMax = 12.0;
inline constexpr double kEqGainStep = 0.1;

// The display's frequency steps, but starting at 10.5 Hz.
extern const std::array<double, kFreqStepCount> kEqFreqTable;

// Index of the first entry not below x among the first n (0 below, n - 1 above the table).
int LookupIndex(const double* table, int n, double x);
// The frequency and Q the boxes show for a value.
double LookupFreq(double x);
double LookupQ(double x);

// A box's text as a number: leading blanks, an optional sign, a decimal number; anything
// else (including infinities and NaN) reads as 0.
double ParseDecimal(std::string_view text);

// The box text of a kind read and moved by s (-1, 0, +1) steps: gain by 0.1 dB within
// [-24, +12], frequency and Q by one table entry.
double ParseAndStep(EqValueKind kind, std::string_view text, int s);

// The text a box shows for value x.
std::string FormatEqValue(EqValueKind kind, double x);

}  // namespace velto
