#include "controls/core/eq_band_values.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace velto {

namespace {

constexpr size_t kFreqTextLength = 5;
constexpr size_t kQTextLength = 4;
constexpr int kGainDecimals = 1;

std::array<double, kFreqStepCount> MakeEqFreqTable() {
    std::array<double, kFreqStepCount> t{};
    std::copy_n(kFreqSteps.begin(), kFreqStepCount, t.begin());
    t[0] = 10.5;
    return t;
}

std::string Format(const char* format, double x) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, x);
    return buf;
}

// Cut to the box's length; a cut that ends in '.' loses its point(s), so 128 shows as "128".
std::string CutToLength(std::string text, size_t maxLength) {
    const bool full = text.size() >= maxLength;
    if (text.size() > maxLength) text.resize(maxLength);
    if (full && !text.empty() && text.back() == '.') std::erase(text, '.');
    return text;
}

}  // namespace

const std::array<double, kFreqStepCount> kEqFreqTable = MakeEqFreqTable();

int LookupIndex(const double* table, int n, double x) {
    if (x < table[0]) return 0;
    if (x > table[n - 1]) return n - 1;
    for (int i = 0; i < n; ++i) {
        if (x <= table[i]) return i;
    }
    return 0;  // NaN compares false everywhere: the first entry
}

double LookupFreq(double x) {
    return kEqFreqTable[LookupIndex(kEqFreqTable.data(), kFreqStepCount, x)];
}

double LookupQ(double x) {
    return kQSteps[LookupIndex(kQSteps.data(), kQStepCount, x)];
}

double ParseDecimal(std::string_view text) {
    size_t pos = text.find_first_not_of(" \t\r\n");
    if (pos == std::string_view::npos) return 0.0;
    text.remove_prefix(pos);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits and a point start a number; from_chars would also take "inf" and "nan".
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
        return 0.0;
    }
    double x = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), x);
    if (result.ec != std::errc{} || !std::isfinite(x)) return 0.0;
    return negative ? -x : x;
}

double ParseAndStep(EqValueKind kind, std::string_view text, int s) {
    const double x = ParseDecimal(text);
    switch (kind) {
        case EqValueKind::Gain: {
            const double stepped = s > 0 ? x + kEqGainStep : (s < 0 ? x - kEqGainStep : x);
            return std::clamp(stepped, kEqGainMin, kEqGainMax);
        }
        case EqValueKind::Freq: {
            const int i = LookupIndex(kEqFreqTable.data(), kFreqStepCount, x) + s;
            return kEqFreqTable[std::clamp(i, 0, kFreqStepCount - 1)];
        }
        case EqValueKind::Q: {
            // Index 101 holds 128 again, so stepping up from 128 stays there.
            const int i = LookupIndex(kQSteps.data(), kQStepCount, x) + s;
            return kQSteps[std::clamp(i, 0, kQStepCount)];
        }
        case EqValueKind::Type:
            break;
    }
    return x;
}

std::string FormatEqValue(EqValueKind kind, double x) {
    switch (kind) {
        case EqValueKind::Gain: {
            char format[16];
            std::snprintf(format, sizeof format, "%%0.%df", kGainDecimals);
            return Format(format, x);
        }
        case EqValueKind::Freq:
            return CutToLength(Format(x < 100 ? "%0.1f" : "%0.0f", x), kFreqTextLength);
        case EqValueKind::Q:
            return CutToLength(Format("%f", x), kQTextLength);
        case EqValueKind::Type:
            break;
    }
    return Format("%0.0f", x);
}

}  // namespace velto
