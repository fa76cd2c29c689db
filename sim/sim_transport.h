#pragma once
// An in-process wire between the link and a simulated processor.  Frames the link sends reach
// the processor at once; its replies come back on the wire's own receiving thread after the
// configured latency, cut into chunks, the way a real transport delivers them.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "link/transport.h"
#include "sim/delivery_queue.h"
#include "sim/processor.h"

namespace velto::sim {

struct WireOptions {
    int latencyMs = 0;      // real milliseconds from request to reply
    size_t chunkBytes = 0;  // deliver replies in pieces of this size; 0 = whole frames
};

class SimTransport final : public velto::Transport {
  public:
    explicit SimTransport(Processor& device, WireOptions options = {});
    ~SimTransport() override;

    void ConnectLoop(velto::LinkContext& link) override;
    bool IsConnected() const override;
    void Close() override;
    void Send(std::span<const uint8_t> frame) override;

    // Unplugging drops the link at once and keeps the connect loop searching until plugged in.
    void SetPlugged(bool plugged);
    void SetOptions(WireOptions options);
    uint64_t FramesSent() const { return framesSent_.load(); }

  private:
    void StartReceiver();
    void StopReceiver();
    void ReceiverThread();

    Processor& device_;
    std::atomic<bool> plugged_{true};
    std::atomic<velto::LinkContext*> link_{nullptr};
    std::atomic<uint64_t> framesSent_{0};

    mutable std::mutex mutex_;  // guards options_
    WireOptions options_;
    DeliveryQueue queue_;
    std::atomic<bool> receiving_{false};
    std::thread receiver_;
};

}  // namespace velto::sim
