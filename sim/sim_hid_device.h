#pragma once
// A stand-in for the processor's HID interface at report level: the reports the link writes
// are unwrapped into frames for the simulated processor, and its replies come back enveloped
// in reports, after the configured latency.  It can be unplugged, and can be made to send
// arbitrary reports, to test the link's recovery.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <vector>

#include "link/usb_envelope.h"
#include "link/usb_report_device.h"
#include "sim/processor.h"

namespace velto::sim {

struct SimHidOptions {
    int latencyMs = 0;  // real milliseconds from request to reply
    uint16_t vendor = velto::kUsbVendor;
    uint16_t product = velto::kUsbProduct;
};

class SimHidDevice final : public velto::UsbReportDevice {
  public:
    explicit SimHidDevice(Processor& device, SimHidOptions options = {});

    bool Open(uint16_t vendor, uint16_t product) override;
    void Close() override;
    bool WriteReport(std::span<const uint8_t, velto::kReportSize> report) override;
    int ReadReport(std::span<uint8_t, velto::kReportSize> report, int timeoutMs) override;

    // Unplugged, the device cannot be opened and every read and write on it fails.
    void SetPlugged(bool plugged);
    // Queues a report for the link exactly as given.
    void InjectReport(const velto::HidReport& report);
    // Every report the link has written, in order.
    std::vector<velto::HidReport> WrittenReports() const;
    int OpenCount() const { return opens_.load(); }

  private:
    struct Delivery {
        std::chrono::steady_clock::time_point due;
        velto::HidReport report;
    };

    Processor& device_;
    const SimHidOptions options_;
    std::atomic<int> opens_{0};

    mutable std::mutex mutex_;
    std::condition_variable cv_;
    bool plugged_ = true;
    bool open_ = false;
    velto::UsbMessageAssembler requests_;
    std::deque<Delivery> replies_;
    std::vector<velto::HidReport> written_;
};

}  // namespace velto::sim
