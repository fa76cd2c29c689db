#include "cli/cli_progress.h"

#include <cstdio>
#include <regex>

namespace velto::cli {

std::string FormatProgressCaption(const std::string& format, double percent) {
    static const std::regex conversion(R"(%[-+ 0#]*[0-9]*(\.[0-9]+)?f)");
    std::string without = std::regex_replace(format, std::regex("%%"), "");
    std::smatch match;
    const bool one = std::regex_search(without, match, conversion) &&
                     match.prefix().str().find('%') == std::string::npos &&
                     match.suffix().str().find('%') == std::string::npos;
    if (!one) return format;
    char text[256];
    std::snprintf(text, sizeof text, format.c_str(), percent);
    return text;
}

void CliProgress::Show() {
    std::lock_guard lock(mutex_);
    shownTenth_ = -1;
    PrintIfNewTenth();
}

void CliProgress::SetMaximum(int maximum) {
    std::lock_guard lock(mutex_);
    maximum_ = maximum > 0 ? maximum : 1;
}

void CliProgress::SetPosition(int position) {
    std::lock_guard lock(mutex_);
    position_ = position;
    PrintIfNewTenth();
}

void CliProgress::SetCaption(const std::string& format) {
    std::lock_guard lock(mutex_);
    caption_ = format;
}

void CliProgress::PrintIfNewTenth() {
    const double percent = position_ * 100.0 / maximum_;
    const int tenth = static_cast<int>(percent / 10);
    if (tenth == shownTenth_ || caption_.empty()) return;
    shownTenth_ = tenth;
    err_ << FormatProgressCaption(caption_, percent) << '\n' << std::flush;
}

}  // namespace velto::cli
