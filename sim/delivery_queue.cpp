#include "sim/delivery_queue.h"

namespace velto::sim {

void DeliveryQueue::Push(Clock::time_point due, std::vector<uint8_t> bytes) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back({due, std::move(bytes)});
    }
    cv_.notify_all();
}

void DeliveryQueue::Clear() {
    std::lock_guard lock(mutex_);
    queue_.clear();
}

std::optional<std::vector<uint8_t>> DeliveryQueue::Next() {
    std::unique_lock lock(mutex_);
    while (!stopped_) {
        if (queue_.empty()) {
            cv_.wait(lock);
            continue;
        }
        if (Clock::now() < queue_.front().due) {
            cv_.wait_until(lock, queue_.front().due);
            continue;
        }
        std::vector<uint8_t> bytes = std::move(queue_.front().bytes);
        queue_.pop_front();
        return bytes;
    }
    return std::nullopt;
}

void DeliveryQueue::Stop() {
    {
        std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    cv_.notify_all();
}

void DeliveryQueue::Reopen() {
    std::lock_guard lock(mutex_);
    stopped_ = false;
}

}  // namespace velto::sim
