#pragma once
// The transport for a link kind, on this machine's devices.

#include <memory>
#include <string>
#include <vector>

#include "link/net_options.h"
#include "link/transport.h"
#include "link/wifi_confirmations.h"
#include "link/wifi_module_state.h"

namespace velto {

struct TransportOptions {
    // Serial and Bluetooth serial: try only these ports, in order; empty = the system's ports.
    std::vector<std::string> serialPorts;
    // Network: "ADDRESS" or "ADDRESS:PORT" of the WiFi module; empty = find it by discovery.
    std::string networkAddress;
    // Network: everything else about reaching the module (ports, device choice, notices).
    NetOptions net;
    // Network: the WiFi state of the whole run, which the frame decoder and the WiFi request
    // pass share; it must outlive the transport.  nullptr: the transport keeps one of its own.
    WifiModuleState* wifi = nullptr;
    // Network: where the discovery thread shows the WiFi confirmations.
    WifiMessageSink wifiMessages;
};

// 1 USB, 2 network, 3 Bluetooth serial, any other kind serial COM.  nullptr when this build
// has no transport for the kind, or when the network address cannot be parsed.
std::unique_ptr<Transport> MakeTransport(int linkKind, const TransportOptions& options = {});

}  // namespace velto
