#pragma once
// The transport for a link kind, on this machine's devices.

#include <memory>
#include <string>
#include <vector>

#include "link/transport.h"

namespace velto {

struct TransportOptions {
    // Serial and Bluetooth serial: try only these ports, in order; empty = the system's ports.
    std::vector<std::string> serialPorts;
    // Network: the WiFi module's address; empty = find it by discovery.
    std::string networkAddress;
};

// 1 USB, 2 network, 3 Bluetooth serial, any other kind serial COM.  nullptr when this build
// has no transport for the kind.
std::unique_ptr<Transport> MakeTransport(int linkKind, const TransportOptions& options = {});

}  // namespace velto
