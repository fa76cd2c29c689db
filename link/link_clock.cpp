#include "link/link_clock.h"

#include <thread>

namespace velto {

uint32_t LinkClock::NowMs() const {
    const auto real = std::chrono::steady_clock::now().time_since_epoch();
    const double ms = std::chrono::duration<double, std::milli>(real).count() / scale_;
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

std::chrono::nanoseconds LinkClock::RealDuration(int ms) const {
    return std::chrono::nanoseconds(static_cast<int64_t>(ms * 1e6 * scale_));
}

void LinkClock::SleepMs(int ms) const {
    if (ms > 0) std::this_thread::sleep_for(RealDuration(ms));
}

}  // namespace velto
