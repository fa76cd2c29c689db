#include "platform/tcp_socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace velto {
namespace {

sockaddr_in Endpoint(uint32_t address, uint16_t port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_addr.s_addr = htonl(address);
    endpoint.sin_port = htons(port);
    return endpoint;
}

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
    const int on = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    if (fromAddress != 0) {
        const sockaddr_in local = Endpoint(fromAddress, 0);
        if (::bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
            const int error = errno;
            Close();
            return error;
        }
    }
    SetBlocking(fd_, false);
    const sockaddr_in remote = Endpoint(address, port);
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
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
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
    const int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const sockaddr_in endpoint = Endpoint(address, port);
    if (::bind(fd_, reinterpret_cast<const sockaddr*>(&endpoint), sizeof endpoint) != 0 ||
        ::listen(fd_, 4) != 0) {
        const int error = errno;
        Close();
        return error;
    }
    return 0;
}

uint16_t TcpListener::LocalPort() const {
    sockaddr_in endpoint{};
    socklen_t size = sizeof endpoint;
    if (::getsockname(fd_, reinterpret_cast<sockaddr*>(&endpoint), &size) != 0) return 0;
    return ntohs(endpoint.sin_port);
}

std::optional<TcpSocket> TcpListener::Accept(std::chrono::milliseconds timeout) {
    pollfd entry{fd_, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0) return std::nullopt;
    const int client = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return std::nullopt;
    const int on = 1;
    ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    return TcpSocket(client);
}

void TcpListener::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace velto
