#include "sim/sim_transport.h"

#include <algorithm>

#include "link/link_context.h"

namespace velto::sim {

SimTransport::SimTransport(Processor& device, WireOptions options)
    : device_(device), options_(options) {}

SimTransport::~SimTransport() {
    StopReceiver();
}

void SimTransport::ConnectLoop(velto::LinkContext& link) {
    link_.store(&link, std::memory_order_release);
    for (;;) {
        link.ReportState(velto::kStateSearching);
        link.clock.SleepMs(100);
        link.SetLinkUp(false);
        while (!link.LinkUp() && link.Running() && !plugged_.load())
            link.clock.SleepMs(100);
        if (!link.Running() || link.LinkUp()) return;
        StartReceiver();
        if (link.ProbeIdentitySlot(500, IsConnected())) {
            link.ReportState(velto::kStateConnected);
            link.SetLinkUp(true);
            link.clock.SleepMs(100);
            return;
        }
        link.ReportState(velto::kStateSearching);
    }
}

bool SimTransport::IsConnected() const {
    return plugged_.load() && receiving_.load();
}

void SimTransport::Close() {
    StopReceiver();
}

void SimTransport::Send(std::span<const uint8_t> frame) {
    if (!plugged_.load()) return;
    ++framesSent_;
    WireOptions options;
    {
        std::lock_guard lock(mutex_);
        options = options_;
    }
    const auto due =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(options.latencyMs);
    device_.Receive(frame, [&](std::vector<uint8_t> reply) {
        const size_t chunk = options.chunkBytes ? options.chunkBytes : reply.size();
        for (size_t at = 0; at < reply.size(); at += chunk) {
            const auto end = reply.begin() + static_cast<long>(std::min(reply.size(), at + chunk));
            queue_.Push(due, std::vector<uint8_t>(reply.begin() + static_cast<long>(at), end));
        }
    });
}

void SimTransport::SetPlugged(bool plugged) {
    plugged_.store(plugged);
    if (plugged) return;
    queue_.Clear();
    if (velto::LinkContext* link = link_.load(std::memory_order_acquire)) link->SetLinkUp(false);
}

void SimTransport::SetOptions(WireOptions options) {
    std::lock_guard lock(mutex_);
    options_ = options;
}

void SimTransport::StartReceiver() {
    if (receiving_.load()) return;
    StopReceiver();
    queue_.Clear();
    queue_.Reopen();
    receiving_.store(true);
    receiver_ = std::thread([this] { ReceiverThread(); });
}

void SimTransport::StopReceiver() {
    queue_.Stop();
    if (receiver_.joinable() && receiver_.get_id() != std::this_thread::get_id()) receiver_.join();
    receiving_.store(false);
}

void SimTransport::ReceiverThread() {
    while (std::optional<std::vector<uint8_t>> bytes = queue_.Next()) {
        if (velto::LinkContext* link = link_.load(std::memory_order_acquire))
            link->codec.DecodeBytes(bytes->data(), bytes->size());
    }
}

}  // namespace velto::sim
