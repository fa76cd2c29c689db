// velto-sim: the simulated processor as a program, served on a pseudo-terminal until it is
// interrupted or terminated.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "link/net_address.h"
#include "sim/net_module_server.h"
#include "sim/processor.h"
#include "sim/pty_server.h"
#include "sim/sim_options.h"

int main(int argc, char** argv) {
    const velto::sim::SimOptionsResult parsed =
        velto::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "velto-sim: %s (see --help)\n", parsed.error.c_str());
        return 2;
    }
    const velto::sim::SimOptions& options = parsed.options;
    if (options.help) {
        std::fputs(velto::sim::SimUsage().c_str(), stdout);
        return 0;
    }

    // Block the stop signals before any thread starts, so only sigwait below receives them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    velto::sim::Processor device(options.seed);
    device.SetFaults(options.faults);
    if (options.encryptedMask) device.SetEncryptedModes(*options.encryptedMask, options.modeLimit);

    velto::sim::PtyServer line(device, options.pty);
    if (!line.Start()) {
        std::fprintf(stderr, "velto-sim: cannot create the pseudo-terminal\n");
        return 1;
    }
    std::printf("%s\n", line.Path().c_str());
    velto::sim::NetModuleServer module(device,
                                       options.net.value_or(velto::sim::NetModuleOptions{}));
    if (options.net) {
        if (!module.Start()) {
            std::fprintf(stderr, "velto-sim: cannot serve the WiFi module: %s\n",
                         module.Error().c_str());
            return 1;
        }
        std::printf("net %s:%u\n", velto::FormatIpv4(module.Address()).c_str(),
                    static_cast<unsigned>(module.Port()));
    }
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    module.Stop();
    line.Stop();
    return 0;
}
