#pragma once
// The frame channel of the network link: one TCP connection to the module and the receiver
// thread that hands what arrives to the frame decoder.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

#include "link/link_context.h"
#include "platform/tcp_socket.h"

namespace velto {

class NetTcpChannel {
  public:
    NetTcpChannel() = default;
    ~NetTcpChannel() { Close(); }
    NetTcpChannel(const NetTcpChannel&) = delete;
    NetTcpChannel& operator=(const NetTcpChannel&) = delete;

    // Closes an earlier connection (waiting for its receiver), connects and starts a receiver
    // feeding link's decoder.  Returns 0 or an errno value.
    int Connect(uint32_t address, uint16_t port, std::chrono::milliseconds timeout,
                LinkContext& link);
    // False when nothing is connected or sending failed; a failed send shuts the connection
    // down, which ends the receiver.
    bool Send(std::span<const uint8_t> bytes);
    void Close();
    bool Receiving() const { return receiving_.load(std::memory_order_acquire); }

  private:
    void CloseLocked();
    void ReceiveLoop(LinkContext& link);

    std::mutex lifecycleMutex_;  // one Connect or Close at a time
    std::mutex socketMutex_;     // the socket between sends and Close
    TcpSocket socket_;
    std::thread receiver_;
    std::atomic<bool> receiving_{false};
};

}  // namespace velto
