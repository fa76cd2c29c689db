#include "link/net_tcp_channel.h"

#include <array>
#include <cerrno>

namespace velto {
namespace {

constexpr size_t kReceiveChunk = 1500;

}  // namespace

int NetTcpChannel::Connect(uint32_t address, uint16_t port, std::chrono::milliseconds timeout,
                           LinkContext& link) {
    std::lock_guard lifecycle(lifecycleMutex_);
    CloseLocked();
    TcpSocket socket;
    if (const int error = socket.Connect(address, port, timeout); error != 0) return error;
    // A link stopped meanwhile has already closed this channel; a receiver started now could
    // outlive it.
    if (!link.Running()) return ECANCELED;
    {
        std::lock_guard lock(socketMutex_);
        socket_ = std::move(socket);
    }
    receiving_.store(true, std::memory_order_release);
    receiver_ = std::thread([this, &link] { ReceiveLoop(link); });
    return 0;
}

bool NetTcpChannel::Send(std::span<const uint8_t> bytes) {
    std::lock_guard lock(socketMutex_);
    if (!socket_.IsOpen()) return false;
    if (socket_.SendAll(bytes)) return true;
    socket_.Shutdown();
    return false;
}

void NetTcpChannel::Close() {
    std::lock_guard lifecycle(lifecycleMutex_);
    CloseLocked();
}

void NetTcpChannel::CloseLocked() {
    {
        std::lock_guard lock(socketMutex_);
        socket_.Shutdown();
    }
    // After the shutdown the receiver's recv returns at once, so the join is short.
    if (receiver_.joinable()) receiver_.join();
    std::lock_guard lock(socketMutex_);
    socket_.Close();
}

void NetTcpChannel::ReceiveLoop(LinkContext& link) {
    std::array<uint8_t, kReceiveChunk> buffer;
    while (link.Running() && receiving_.load(std::memory_order_acquire)) {
        const ssize_t received = socket_.Receive(buffer);
        if (received <= 0) break;
        link.codec.DecodeBytes(buffer.data(), static_cast<size_t>(received));
    }
    receiving_.store(false, std::memory_order_release);
}

}  // namespace velto
