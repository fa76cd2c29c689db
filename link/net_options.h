#pragma once
// Where the network link looks for the WiFi module and how it talks to it.  The defaults are
// the module's own; tests and the simulator use other ports, addresses and interfaces.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velto {

inline constexpr uint16_t kModulePort = 1010;

struct NetOptions {
    // The module's UDP and TCP port.
    uint16_t modulePort = kModulePort;
    // Our UDP socket's port; when it cannot be bound (port 1010 needs privileges on Linux) an
    // ephemeral port is used instead, since the module answers the sender.
    uint16_t localUdpPort = kModulePort;
    uint32_t broadcastAddress = 0xFFFFFFFF;
    // The interface whose subnet is swept, and the only one discovery sends on.  Empty: the
    // computer's own address (host name, else the first non-loopback interface).  A named
    // interface that does not exist sends nothing.
    std::string sweepInterface;
    // Non-zero: connect to this module at once, without broadcast or sweep.
    uint32_t directAddress = 0;
    int connectTimeoutMs = 2000;
    // Picks the module when several answered and no window handles message 1025 code 10
    // (command-line tools, tests); 0 keeps searching.
    std::function<uint32_t(const std::vector<uint32_t>& addresses)> chooseDevice;
    // One-line notices about the transport's set-up (the ephemeral UDP port); stderr if unset.
    std::function<void(const std::string& notice)> report;
};

// "net", "net:ADDRESS" or "net:ADDRESS:PORT" (the form of the command line's --link option):
// base with the address to connect to directly and the module's port taken from spec;
// nothing when spec is not of that form.
std::optional<NetOptions> ParseNetLinkSpec(std::string_view spec, NetOptions base = {});

}  // namespace velto
