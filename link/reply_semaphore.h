#pragma once
// A counting semaphore whose count stays within 0..1: a release while the count is 1 has no
// effect.  std::binary_semaphore forbids that release, so this is a small one of our own.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velto {

class ReplySemaphore {
  public:
    void Release();
    // True when the count was taken, false after the time-out.
    bool Wait(std::chrono::nanoseconds timeout);
    // Drops a release nobody waited for.
    void Reset();

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    int count_ = 0;
};

}  // namespace velto
