#pragma once
// The USB HID link: frames go out enveloped in 65-byte reports, a receiving thread puts the
// processor's messages back together and hands them to the decoder.  Connected means that
// receiving thread is running.

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "link/transport.h"
#include "link/usb_report_device.h"

namespace velto {

class UsbTransport final : public Transport {
  public:
    explicit UsbTransport(std::unique_ptr<UsbReportDevice> device);
    ~UsbTransport() override;
    UsbTransport(const UsbTransport&) = delete;
    UsbTransport& operator=(const UsbTransport&) = delete;

    void ConnectLoop(LinkContext& link) override;
    bool IsConnected() const override { return receiving_.load(std::memory_order_acquire); }
    void Close() override;
    // A report that cannot be written drops the link at once, so an unplugged device is
    // noticed on the next frame.
    void Send(std::span<const uint8_t> frame) override;

  private:
    // Each attempt starts from a fresh open, with the receiving thread reading the new device.
    bool OpenAndListen(LinkContext& link);
    void CloseLocked();
    void ReceiverThread(LinkContext& link);

    std::unique_ptr<UsbReportDevice> device_;
    std::atomic<LinkContext*> link_{nullptr};
    std::mutex mutex_;  // open, close, the receiver's lifetime and writes
    std::thread receiver_;
    std::atomic<bool> stopReceiver_{false};
    std::atomic<bool> receiving_{false};
};

}  // namespace velto
