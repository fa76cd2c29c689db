#include "platform/udp_socket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>

#include "platform/socket_util.h"

namespace velto {
UdpSocket& UdpSocket::operator=(UdpSocket&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

bool UdpSocket::Open() {
    Close();
    fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    return fd_ >= 0;
}

bool UdpSocket::EnableBroadcast() {
    return SetSocketFlag(fd_, SOL_SOCKET, SO_BROADCAST);
}

bool UdpSocket::ReuseAddress() {
    return SetSocketFlag(fd_, SOL_SOCKET, SO_REUSEADDR);
}

bool UdpSocket::BindToDevice(const std::string& interfaceName) {
    return ::setsockopt(fd_, SOL_SOCKET, SO_BINDTODEVICE, interfaceName.c_str(),
                        static_cast<socklen_t>(interfaceName.size())) == 0;
}

int UdpSocket::Bind(uint32_t address, uint16_t port) {
    const sockaddr_in endpoint = Ipv4Endpoint(address, port);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint) == 0) return 0;
    return errno;
}

uint16_t UdpSocket::LocalPort() const {
    return BoundPort(fd_);
}

bool UdpSocket::SendTo(uint32_t address, uint16_t port, std::span<const uint8_t> bytes) {
    const sockaddr_in endpoint = Ipv4Endpoint(address, port);
    return ::sendto(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                    reinterpret_cast<const sockaddr*>(&endpoint),
                    sizeof endpoint) == static_cast<ssize_t>(bytes.size());
}

std::optional<Datagram> UdpSocket::Receive(std::span<uint8_t> buffer,
                                           std::chrono::milliseconds timeout) {
    pollfd entry{fd_, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    sockaddr_in sender{};
    socklen_t size = sizeof sender;
    const ssize_t received = ::recvfrom(fd_, buffer.data(), buffer.size(), 0,
                                        reinterpret_cast<sockaddr*>(&sender), &size);
    if (received < 0) return std::nullopt;
    return Datagram{static_cast<size_t>(received), ntohl(sender.sin_addr.s_addr),
                    ntohs(sender.sin_port)};
}

void UdpSocket::Close() {
    CloseSocket(fd_);
}

}  // namespace velto
