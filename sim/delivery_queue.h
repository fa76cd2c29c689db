#pragma once
// Byte blocks waiting for their delivery time, in order, for the one thread that hands them
// on: a simulated device's replies reach its client only after the configured latency.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace velto::sim {

class DeliveryQueue {
  public:
    using Clock = std::chrono::steady_clock;

    void Push(Clock::time_point due, std::vector<uint8_t> bytes);
    void Clear();
    // Blocks until the first block is due and takes it; nothing once stopped.
    std::optional<std::vector<uint8_t>> Next();
    // Wakes a waiting Next; it and later calls return nothing until Reopen.
    void Stop();
    void Reopen();

  private:
    struct Delivery {
        Clock::time_point due;
        std::vector<uint8_t> bytes;
    };

    std::mutex mutex_;
    std::condition_variable cv_;
    std::deque<Delivery> queue_;
    bool stopped_ = false;
};

}  // namespace velto::sim
