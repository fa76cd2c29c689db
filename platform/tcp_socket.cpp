#include "platform/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/socket_util.h"

namespace velto {
namespace {

int SetBlocking(int fd, bool blocking) {
    const int flags = ::fcntl(fd, F_GETFL);
    return ::fcntl(fd, F_SETFL, blocking ? flags & ~O_NONBLOCK : flags | O_NONBLOCK);
}

// Finishes a non-blocking connect: 0, or the errno that ended it.
int AwaitConnect(int fd, std::chrono::milliseconds timeout) {
    pollfd entry{fd, POLLOUT, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(timeout.count()));
    if (ready == 0) return ETIMEDOUT;
    if (ready < 0) return errno;
    int error = 0;
    socklen_t size = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) return errno;
    return error;
}

}  // namespace

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

int TcpSocket::Connect(uint32_t address, uint16_t port, std::chrono::milliseconds timeout,
                       uint32_t fromAddress) {
    Close();
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return errno;
    SetSocketFlag(fd_, IPPROTO_TCP, TCP_NODELAY);
    if (fromAddress != 0) {
        const sockaddr_in local = Ipv4Endpoint(fromAddress, 0);
        if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            const int error = errno;
            Close();
            return error;
        }
    }
    SetBlocking(fd_, false);
    const sockaddr_in remote = Ipv4Endpoint(address, port);
    int error = 0;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&remote), sizeof remote) != 0)
        error = errno == EINPROGRESS ? AwaitConnect(fd_, timeout) : errno;
    if (error != 0) {
        Close();
        return error;
    }
    SetBlocking(fd_, true);
    return 0;
}

bool TcpSocket::SendAll(std::span<const uint8_t> bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

ssize_t TcpSocket::Receive(std::span<uint8_t> buffer) {
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer.data(), buffer.size(), 0);
        if (n >= 0 || errno != EINTR) return n;
    }
}

void TcpSocket::Shutdown() {
    if (fd_ >= 0) ::shutdown(fd_, SHUT_RDWR);
}

void TcpSocket::Close() {
    CloseSocket(fd_);
}

uint32_t TcpSocket::PeerAddress() const {
    sockaddr_in peer{};
    socklen_t size = sizeof peer;
    if (::getpeername(fd_, reinterpret_cast<sockaddr*>(&peer), &size) != 0) return 0;
    return ntohl(peer.sin_addr.s_addr);
}

int TcpListener::Listen(uint32_t address, uint16_t port) {
    Close();
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return errno;
    SetSocketFlag(fd_, SOL_SOCKET, SO_REUSEADDR);
    const sockaddr_in endpoint = Ipv4Endpoint(address, port);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint) != 0 ||
        ::listen(fd_, 4) != 0) {
        const int error = errno;
        Close();
        return error;
    }
    return 0;
}

uint16_t TcpListener::LocalPort() const {
    return BoundPort(fd_);
}

std::optional<TcpSocket> TcpListener::Accept(std::chrono::milliseconds timeout) {
    pollfd entry{fd_, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return std::nullopt;
    SetSocketFlag(client, IPPROTO_TCP, TCP_NODELAY);
    return TcpSocket(client);
}

void TcpListener::Close() {
    CloseSocket(fd_);
}

}  // namespace velto
