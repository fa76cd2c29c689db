#pragma once
// The command line of velto-sim: how the simulated processor misbehaves and how it is served.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sim/net_module_server.h"
#include "sim/processor.h"
#include "sim/pty_server.h"

namespace velto::sim {

struct SimOptions {
    Faults faults;
    std::optional<uint32_t> encryptedMask;
    int modeLimit = 16;
    uint32_t seed = 1;
    PtyServerOptions pty;
    // Also serve as the WiFi module on this address and port (UDP and TCP).
    std::optional<NetModuleOptions> net;
    bool help = false;
};

struct SimOptionsResult {
    SimOptions options;
    std::string error;  // empty when the command line was understood
};

SimOptionsResult ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();

}  // namespace velto::sim
