#pragma once
// The serial and Bluetooth serial link: tries the listed ports in turn until one answers the
// slot 0 probe, then carries frames unchanged; a receiving thread drains the port into the
// decoder.  Connected means a port is open and its receiving thread still hears it.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "link/serial_port_list.h"
#include "link/transport.h"
#include "platform/serial_port.h"

namespace velto {

class SerialTransport final : public Transport {
  public:
    explicit SerialTransport(SerialPortList ports);
    ~SerialTransport() override;
    SerialTransport(const SerialTransport&) = delete;
    SerialTransport& operator=(const SerialTransport&) = delete;

    void ConnectLoop(LinkContext& link) override;
    bool IsConnected() const override { return connected_.load(std::memory_order_acquire); }
    void Close() override;
    void Send(std::span<const uint8_t> frame) override;

  private:
    bool Open(const std::string& path, LinkContext& link);
    bool ProbePort(LinkContext& link);
    void CloseLocked();
    void ReceiverThread(LinkContext& link);
    // The port is gone or closing: the link is down and a waiting sender need not wait.
    void MarkDisconnected(LinkContext& link);

    SerialPortList ports_;  // link thread only
    SerialPort port_;
    std::atomic<LinkContext*> link_{nullptr};
    std::mutex mutex_;  // open, close, the receiver's lifetime and writes
    std::thread receiver_;
    std::atomic<bool> connected_{false};
};

}  // namespace velto
