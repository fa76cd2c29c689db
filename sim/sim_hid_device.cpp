#include "sim/sim_hid_device.h"

#include <algorithm>

namespace velto::sim {

SimHidDevice::SimHidDevice(Processor& device, SimHidOptions options)
    : device_(device), options_(options) {}

bool SimHidDevice::Open(uint16_t vendor, uint16_t product) {
    std::lock_guard lock(mutex_);
    open_ = plugged_ && vendor == options_.vendor && product == options_.product;
    if (open_) {
        ++opens_;
        replies_.clear();
        requests_ = {};
    }
    return open_;
}

void SimHidDevice::Close() {
    std::lock_guard lock(mutex_);
    open_ = false;
    cv_.notify_all();
}

bool SimHidDevice::WriteReport(std::span<const uint8_t, velto::kReportSize> report) {
    std::vector<uint8_t> frame;
    {
        std::lock_guard lock(mutex_);
        if (!open_ || !plugged_) return false;
        written_.emplace_back();
        std::copy(report.begin(), report.end(), written_.back().begin());
        const std::span<const uint8_t> message = requests_.Add(report);
        frame.assign(message.begin(), message.end());
    }
    if (frame.empty()) return true;
    const auto due =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options_.latencyMs);
    device_.Receive(frame, [&](std::vector<uint8_t> reply) {
        std::lock_guard lock(mutex_);
        for (const velto::HidReport& piece : velto::WrapInReports(reply))
            replies_.push_back({due, piece});
    });
    cv_.notify_all();
    return true;
}

int SimHidDevice::ReadReport(std::span<uint8_t, velto::kReportSize> report, int timeoutMs) {
    std::unique_lock lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (!open_ || !plugged_) return -1;
        const auto now = std::chrono::steady_clock::now();
        if (!replies_.empty() && replies_.front().due <= now) break;
        if (now >= deadline) return 0;
        const auto wake = replies_.empty() ? deadline : std::min(deadline, replies_.front().due);
        cv_.wait_until(lock, wake);
    }
    std::copy(replies_.front().report.begin(), replies_.front().report.end(), report.begin());
    replies_.pop_front();
    return static_cast<int>(velto::kReportSize);
}

void SimHidDevice::SetPlugged(bool plugged) {
    std::lock_guard lock(mutex_);
    plugged_ = plugged;
    if (!plugged) replies_.clear();
    cv_.notify_all();
}

void SimHidDevice::InjectReport(const velto::HidReport& report) {
    {
        std::lock_guard lock(mutex_);
        replies_.push_back({std::chrono::steady_clock::now(), report});
    }
    cv_.notify_all();
}

std::vector<velto::HidReport> SimHidDevice::WrittenReports() const {
    std::lock_guard lock(mutex_);
    return written_;
}

}  // namespace velto::sim
