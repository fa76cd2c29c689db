#pragma once
// One user-visible text in the three languages, and the pick of the current one at the moment
// a text is shown (never cached, so a change of language shows up at the next display).

#include <string>
#include <string_view>

namespace velto {

struct TextTriple {
    std::string_view simplified;   // language 0
    std::string_view traditional;  // language 1
    std::string_view english;      // language 2

    std::string_view In(int language) const;
};

// The triple's text in the current language (see LanguageIndex).
std::string_view CurrentText(const TextTriple& triple);

// The current language's text used as a printf format for one value; each language keeps its
// own field widths ("Echo PreDelay:%4dms" against "回声预延时:%7dms").
std::string FormatCurrent(const TextTriple& format, int value);
std::string FormatCurrent(const TextTriple& format, double value);

}  // namespace velto
