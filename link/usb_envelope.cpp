#include "link/usb_envelope.h"

#include <algorithm>

namespace velto {
namespace {

constexpr uint8_t kMagic0 = 0xAE;
constexpr uint8_t kMagic1 = 0x1E;
constexpr uint8_t kMagic4 = 0xC8;

bool StartsMessage(std::span<const uint8_t> data) {
    return data.size() >= kEnvelopeHeader && data[0] == kMagic0 && data[1] == kMagic1 &&
           data[4] == kMagic4;
}

}  // namespace

std::vector<HidReport> WrapInReports(std::span<const uint8_t> frame) {
    std::vector<uint8_t> message{kMagic0, kMagic1, static_cast<uint8_t>(frame.size() >> 8),
                                 static_cast<uint8_t>(frame.size() & 0xFF), kMagic4};
    message.insert(message.end(), frame.begin(), frame.end());
    std::vector<HidReport> reports;
    for (size_t sent = 0; sent < message.size(); sent += kReportData) {
        HidReport report{};
        const size_t piece = std::min(kReportData, message.size() - sent);
        std::copy_n(message.begin() + static_cast<long>(sent), piece, report.begin() + 1);
        reports.push_back(report);
    }
    return reports;
}

std::span<const uint8_t> UsbMessageAssembler::Add(std::span<const uint8_t> report) {
    if (report.size() < 2) return {};
    const std::span<const uint8_t> data = report.subspan(1);
    if (StartsMessage(data)) {
        expected_ = static_cast<size_t>(data[2]) << 8 | data[3];
        // A length the buffer cannot hold can never complete; wait for the next header.
        if (expected_ > buffer_.size()) expected_ = 0;
        const std::span<const uint8_t> piece = data.subspan(kEnvelopeHeader);
        std::copy(piece.begin(), piece.end(), buffer_.begin());
        position_ = piece.size();
    } else {
        // A continuation only counts while a message is in progress: after a complete message
        // it would otherwise hand the same message to the decoder a second time.
        if (expected_ == 0) return {};
        const size_t piece = std::min(data.size(), buffer_.size() - position_);
        std::copy_n(data.begin(), piece, buffer_.begin() + static_cast<long>(position_));
        position_ += piece;
    }
    if (expected_ == 0 || position_ < expected_) return {};
    const size_t length = expected_;
    expected_ = 0;
    position_ = 0;
    return std::span<const uint8_t>(buffer_.data(), length);
}

}  // namespace velto
