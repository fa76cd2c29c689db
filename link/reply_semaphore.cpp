#include "link/reply_semaphore.h"

namespace velto {

void ReplySemaphore::Release() {
    {
        std::lock_guard lock(mutex_);
        count_ = 1;
    }
    cv_.notify_one();
}

bool ReplySemaphore::Wait(std::chrono::nanoseconds timeout) {
    std::unique_lock lock(mutex_);
    if (!cv_.wait_for(lock, timeout, [this] { return count_ > 0; })) return false;
    count_ = 0;
    return true;
}

void ReplySemaphore::Reset() {
    std::lock_guard lock(mutex_);
    count_ = 0;
}

}  // namespace velto
