#pragma once
// One HID device as the USB transport sees it: open by vendor and product number, write and
// read whole 65-byte reports.  The platform adapter speaks hidapi; the simulator's stand-in
// speaks to a simulated processor.

#include <cstdint>
#include <span>

#include "link/usb_envelope.h"

namespace velto {

inline constexpr uint16_t kUsbVendor = 0x4084;
inline constexpr uint16_t kUsbProduct = 0x4357;

class UsbReportDevice {
  public:
    virtual ~UsbReportDevice() = default;
    // Opens the first HID interface with both numbers; closes whatever was open before.
    virtual bool Open(uint16_t vendor, uint16_t product) = 0;
    virtual void Close() = 0;
    // Writes one report; false when the device is gone or the write failed.
    virtual bool WriteReport(std::span<const uint8_t, kReportSize> report) = 0;
    // Reads one report (byte 0 is the report number).  Returns the byte count, 0 when nothing
    // arrived within timeoutMs, or -1 when the device is gone.
    virtual int ReadReport(std::span<uint8_t, kReportSize> report, int timeoutMs) = 0;
};

}  // namespace velto
