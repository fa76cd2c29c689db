#include "cli/cli_events.h"

#include <algorithm>

namespace velto::cli {

int CliEvents::Show(const std::string& text, const std::string& caption, int, int) {
    std::lock_guard lock(mutex_);
    err_ << "velto-cli: device: " << (caption.empty() ? "" : caption + ": ") << text << '\n'
         << std::flush;
    messages_.push_back(text);
    captions_.push_back(caption);
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

bool CliEvents::Captioned(const std::string& caption) const {
    std::lock_guard lock(mutex_);
    return std::find(captions_.begin(), captions_.end(), caption) != captions_.end();
}

void CliEvents::NoteSeveralDevices(const std::vector<uint32_t>& addresses) {
    std::lock_guard lock(mutex_);
    severalDevices_ = addresses;
}

std::vector<uint32_t> CliEvents::SeveralDevices() const {
    std::lock_guard lock(mutex_);
    return severalDevices_;
}

}  // namespace velto::cli
