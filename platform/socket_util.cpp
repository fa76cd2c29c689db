#include "platform/socket_util.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velto {

sockaddr_in Ipv4Endpoint(uint32_t address, uint16_t port) {
    sockaddr_in endpoint{};
    endpoint.sin_family = AF_INET;
    endpoint.sin_addr.s_addr = htonl(address);
    endpoint.sin_port = htons(port);
    return endpoint;
}

bool SetSocketFlag(int fd, int level, int option) {
    const int on = 1;
    return ::setsockopt(fd, level, option, &on, sizeof on) == 0;
}

uint16_t BoundPort(int fd) {
    sockaddr_in endpoint{};
    socklen_t size = sizeof endpoint;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&endpoint), &size) != 0) return 0;
    return ntohs(endpoint.sin_port);
}

void CloseSocket(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace velto
