#pragma once
// The link's millisecond tick and sleeps.  Every duration the link waits or sleeps is given in
// link milliseconds; a time scale below 1 runs the whole protocol faster in real time (tests
// use it against the simulated processor), without changing any of the link's decisions.

#include <chrono>
#include <cstdint>

namespace velto {

class LinkClock {
  public:
    explicit LinkClock(double timeScale = 1.0) : scale_(timeScale) {}

    // 32-bit millisecond tick: compare ticks by unsigned difference only.
    uint32_t NowMs() const;
    void SleepMs(int ms) const;
    std::chrono::nanoseconds RealDuration(int ms) const;
    double TimeScale() const { return scale_; }

  private:
    double scale_;
};

}  // namespace velto
