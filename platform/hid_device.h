#pragma once
// The processor's HID interface through hidapi (hidraw).  Like the device it stands for, it is
// opened twice: one handle for the receiving thread's reads, one for the link thread's writes,
// so the two threads never share a handle.

#include "link/usb_report_device.h"

struct hid_device_;

namespace velto {

class HidapiReportDevice final : public UsbReportDevice {
  public:
    HidapiReportDevice();
    ~HidapiReportDevice() override;
    HidapiReportDevice(const HidapiReportDevice&) = delete;
    HidapiReportDevice& operator=(const HidapiReportDevice&) = delete;

    bool Open(uint16_t vendor, uint16_t product) override;
    void Close() override;
    bool WriteReport(std::span<const uint8_t, kReportSize> report) override;
    int ReadReport(std::span<uint8_t, kReportSize> report, int timeoutMs) override;

  private:
    hid_device_* reader_ = nullptr;
    hid_device_* writer_ = nullptr;
};

}  // namespace velto
