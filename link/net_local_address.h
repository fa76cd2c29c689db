#pragma once
// The computer's own IPv4 address on the network that discovery sweeps.

#include <cstdint>
#include <string>

namespace velto {

// The first IPv4 address of the named interface, 0 when it has none or does not exist.
uint32_t InterfaceAddress(const std::string& interfaceName);
// The first address of the host name; when that is a loopback address (common on Linux), the
// first address of an interface that is up and not loopback; 0 when there is none.
uint32_t HostAddress();

}  // namespace velto
