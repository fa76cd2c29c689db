#include "cli/cli_events.h"

#include <algorithm>

namespace velto::cli {

int CliEvents::Show(const std::string& text, const std::string&, int, int) {
    std::lock_guard lock(mutex_);
    err_ << "velto-cli: device: " << text << '\n' << std::flush;
    messages_.push_back(text);
    return kResultOk;
}

void CliEvents::Note(int code, int lparam) {
    std::lock_guard lock(mutex_);
    switch (code) {
        case kNoticeLinkState:
            if (lparam == kStateConnected) ++connections_;
            if (lparam == kStateSearching && connections_ > 0) lost_ = true;
            break;
        case kNoticeFullReadDone:
            ++fullReads_;
            break;
        case kNoticeRefreshed:
            ++refreshes_;
            break;
        default:
            break;
    }
}

int CliEvents::Connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

bool CliEvents::Lost() const {
    std::lock_guard lock(mutex_);
    return lost_;
}

int CliEvents::FullReads() const {
    std::lock_guard lock(mutex_);
    return fullReads_;
}

int CliEvents::Refreshes() const {
    std::lock_guard lock(mutex_);
    return refreshes_;
}

bool CliEvents::Shown(const std::string& text) const {
    std::lock_guard lock(mutex_);
    return std::find(messages_.begin(), messages_.end(), text) != messages_.end();
}

}  // namespace velto::cli
