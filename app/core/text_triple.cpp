#include "app/core/text_triple.h"

#include <cstdio>

#include "app/core/language.h"

namespace velto {
namespace {

template <typename Value>
std::string Format(std::string_view format, Value value) {
    // Formats come from the constant tables only; std::string guarantees the terminator.
    const std::string pattern(format);
    const int length = std::snprintf(nullptr, 0, pattern.c_str(), value);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), value);
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace

std::string_view TextTriple::In(int language) const {
    switch (language) {
        case kSimplifiedChinese:
            return simplified;
        case kTraditionalChinese:
            return traditional;
        default:
            return english;
    }
}

std::string_view CurrentText(const TextTriple& triple) {
    return triple.In(LanguageIndex());
}

std::string FormatCurrent(const TextTriple& format, int value) {
    return Format(CurrentText(format), value);
}

std::string FormatCurrent(const TextTriple& format, double value) {
    return Format(CurrentText(format), value);
}

}  // namespace velto
