#pragma once
// The IPv4 socket chores TcpSocket and UdpSocket share.  Addresses and ports in host order.

#include <netinet/in.h>

#include <cstdint>

namespace velto {

sockaddr_in Ipv4Endpoint(uint32_t address, uint16_t port);
// Turns on an int socket option such as SO_REUSEADDR; false when the kernel refuses it.
bool SetSocketFlag(int fd, int level, int option);
// The port the socket is bound to, or 0.
uint16_t BoundPort(int fd);
// Closes fd when open and marks it closed (-1).
void CloseSocket(int& fd);

}  // namespace velto
