#pragma once
// The link's millisecond tick and sleeps.  Every duration the link waits or sleeps is given in
// link milliseconds; a time scale below 1 runs the whole protocol faster in real time (tests
// use it against the simulated processor), without changing any of the link's decisions.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace velto {

class LinkClock {
  public:
    explicit LinkClock(double timeScale = 1.0) : scale_(timeScale) {}

    // 32-bit millisecond tick: compare ticks by unsigned difference only.
    uint32_t NowMs() const;
    // Sleeps, unless the clock has been interrupted: stopping the link must not wait for the
    // sleeps of a connected sequence or a preset-name pass to run out.
    void SleepMs(int ms) const;
    void Interrupt();
    void Resume();
    std::chrono::nanoseconds RealDuration(int ms) const;
    double TimeScale() const { return scale_; }

  private:
    double scale_;
    mutable std::mutex mutex_;
    mutable std::condition_variable cv_;
    bool interrupted_ = false;
};

}  // namespace velto
