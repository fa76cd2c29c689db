#pragma once
// POSIX IPv4 TCP: a connected stream socket and a listener.  Addresses and ports are in host
// order, as for UdpSocket.  One thread may block in Receive while another calls Shutdown;
// Close only after the receiving thread has left.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>

namespace velto {

class TcpSocket {
  public:
    TcpSocket() = default;
    explicit TcpSocket(int fd) : fd_(fd) {}
    ~TcpSocket() { Close(); }
    TcpSocket(TcpSocket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    TcpSocket& operator=(TcpSocket&& other) noexcept;
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // Connects with send coalescing off (TCP_NODELAY), giving up after timeout.  A non-zero
    // fromAddress binds the local end to that address first.  Returns 0 or an errno value.
    int Connect(uint32_t address, uint16_t port, std::chrono::milliseconds timeout,
                uint32_t fromAddress = 0);
    bool IsOpen() const { return fd_ >= 0; }
    // Sends every byte; false when the connection is broken.
    bool SendAll(std::span<const uint8_t> bytes);
    // Blocks until bytes arrive: their count, 0 when the peer closed, -1 on error.
    ssize_t Receive(std::span<uint8_t> buffer);
    // Ends the connection both ways and wakes a blocked Receive; the descriptor stays open.
    void Shutdown();
    void Close();
    uint32_t PeerAddress() const;
    int Fd() const { return fd_; }

  private:
    int fd_ = -1;
};

class TcpListener {
  public:
    TcpListener() = default;
    ~TcpListener() { Close(); }
    TcpListener(const TcpListener&) = delete;
    TcpListener& operator=(const TcpListener&) = delete;

    // Returns 0 or an errno value.
    int Listen(uint32_t address, uint16_t port);
    uint16_t LocalPort() const;
    // Waits up to timeout for a connection.
    std::optional<TcpSocket> Accept(std::chrono::milliseconds timeout);
    int Fd() const { return fd_; }
    void Close();

  private:
    int fd_ = -1;
};

}  // namespace velto
