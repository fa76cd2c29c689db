#include "link/link_clock.h"

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
    if (ms <= 0) return;
    std::unique_lock lock(mutex_);
    cv_.wait_for(lock, RealDuration(ms), [this] { return interrupted_; });
}

void LinkClock::Interrupt() {
    {
        std::lock_guard lock(mutex_);
        interrupted_ = true;
    }
    cv_.notify_all();
}

void LinkClock::Resume() {
    std::lock_guard lock(mutex_);
    interrupted_ = false;
}

}  // namespace velto
