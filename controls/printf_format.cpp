#include "controls/printf_format.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace velto {
namespace {

enum class Conversion { None, Floating, Integer, Invalid };

// Finds the single conversion of `format` and where its letter is; "%%" is a literal percent.
Conversion Inspect(const std::string& format, size_t& letter) {
    Conversion found = Conversion::None;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && std::strchr("-+ #0", format[i]))
            ++i;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
            ++i;
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i])))
                ++i;
        }
        if (i >= format.size() || found != Conversion::None) return Conversion::Invalid;
        letter = i;
        if (std::strchr("fFeEgGaA", format[i])) {
            found = Conversion::Floating;
        } else if (format[i] == 'd' || format[i] == 'i') {
            found = Conversion::Integer;
        } else {
            return Conversion::Invalid;
        }
    }
    return found;
}

}  // namespace

QString FormatNumber(const QString& format, double value) {
    const std::string pattern = format.toStdString();
    size_t letter = 0;
    const Conversion conversion = Inspect(pattern, letter);
    if (conversion == Conversion::Invalid) return format;
    char buffer[512];
    int written = 0;
    if (conversion == Conversion::Integer) {
        const double clamped = std::isfinite(value) ? std::trunc(value) : 0.0;
        const long long whole = clamped > 1e15
                                    ? static_cast<long long>(1e15)
                                    : (clamped < -1e15 ? static_cast<long long>(-1e15)
                                                       : static_cast<long long>(clamped));
        // Same conversion, widened to match the argument.
        std::string widened = pattern;
        widened.insert(letter, "ll");
        written = std::snprintf(buffer, sizeof buffer, widened.c_str(), whole);
    } else {
        written = std::snprintf(buffer, sizeof buffer, pattern.c_str(), value);
    }
    if (written < 0) return format;
    return QString::fromUtf8(buffer);
}

}  // namespace velto
