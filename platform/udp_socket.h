#pragma once
// A POSIX IPv4 UDP socket.  Addresses are 32-bit numbers in host order (a.b.c.d is
// a << 24 | b << 16 | c << 8 | d); ports are host order too.

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velto {

struct Datagram {
    size_t size;  // bytes stored, at most the buffer's size
    uint32_t from;
    uint16_t fromPort;
};

class UdpSocket {
  public:
    UdpSocket() = default;
    ~UdpSocket() { Close(); }
    UdpSocket(UdpSocket&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    UdpSocket& operator=(UdpSocket&& other) noexcept;
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    bool Open();
    bool IsOpen() const { return fd_ >= 0; }
    bool EnableBroadcast();
    // Lets several sockets bind the same address and port (broadcast listeners).
    bool ReuseAddress();
    // Sends and receives through this interface only (needs CAP_NET_RAW on most kernels).
    bool BindToDevice(const std::string& interfaceName);
    // Returns 0 or the errno of the failed bind.
    int Bind(uint32_t address, uint16_t port);
    uint16_t LocalPort() const;
    bool SendTo(uint32_t address, uint16_t port, std::span<const uint8_t> bytes);
    // Waits up to timeout for one datagram; nothing on time-out or error.  A longer datagram
    // is cut to the buffer.
    std::optional<Datagram> Receive(std::span<uint8_t> buffer, std::chrono::milliseconds timeout);
    int Fd() const { return fd_; }
    void Close();

  private:
    int fd_ = -1;
};

}  // namespace velto
