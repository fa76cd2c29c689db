#pragma once
// The USB envelope: every frame travels as AE 1E, its length (high, low), C8, then the frame,
// cut into 64-byte pieces, one per 65-byte HID report whose byte 0 is the report number.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace velto {

inline constexpr size_t kReportSize = 65;
inline constexpr size_t kReportData = kReportSize - 1;
inline constexpr size_t kEnvelopeHeader = 5;
inline constexpr size_t kUsbMessageBuffer = 8192;

using HidReport = std::array<uint8_t, kReportSize>;

// The frame wrapped in the envelope and cut into reports; the last one is padded with zeros.
std::vector<HidReport> WrapInReports(std::span<const uint8_t> frame);

// Puts enveloped messages back together from the reports that carry them.
class UsbMessageAssembler {
  public:
    // Takes one report as read (byte 0 is the report number).  Returns the message's frame once
    // the report that completes it arrives, otherwise an empty span.  The span stays valid
    // until the next call.
    std::span<const uint8_t> Add(std::span<const uint8_t> report);

  private:
    std::array<uint8_t, kUsbMessageBuffer> buffer_{};
    size_t position_ = 0;
    size_t expected_ = 0;  // 0 while no message is in progress
};

}  // namespace velto
