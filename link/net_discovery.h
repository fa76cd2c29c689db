#pragma once
// The discovery thread of the network link: finds the WiFi module by broadcast and a sweep of
// the local subnet with "Get_IP:", learns which client the module serves ("Get_LinkIP:"), and
// serves the WiFi request table over UDP while the link runs.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

#include "link/link_clock.h"
#include "link/net_address.h"
#include "link/net_options.h"
#include "link/wifi_confirmations.h"
#include "link/wifi_module_state.h"

namespace velto {

// What the discovery thread and the link thread share without locks.
struct NetAddresses {
    std::atomic<uint32_t> device{0};                  // the module to connect to; 0 = none known
    std::atomic<uint32_t> link{kUnknownLinkAddress};  // the client the module serves
    std::atomic<uint32_t> local{0};                   // our own address on the swept network
    std::atomic<uint16_t> udpPort{0};                 // our UDP socket's port once bound
};

class NetDiscovery {
  public:
    // wifi and the message sink must outlive the link (they live for the whole run).
    NetDiscovery(NetOptions options, WifiModuleState& wifi, WifiMessageSink showMessage,
                 std::shared_ptr<NetAddresses> addresses);
    ~NetDiscovery();
    NetDiscovery(const NetDiscovery&) = delete;
    NetDiscovery& operator=(const NetDiscovery&) = delete;

    // Stops an earlier thread, then starts a new one that sleeps on the given clock.
    void Start(const LinkClock& clock);
    // Clears the thread's active flag and waits for it to close its socket.  A thread held in
    // a message box for more than 2 s is left to end on its own; it owns what it still uses.
    void Stop();

  private:
    struct Run;
    void StopLocked();

    NetOptions options_;
    WifiModuleState& wifi_;
    WifiMessageSink showMessage_;
    std::shared_ptr<NetAddresses> addresses_;
    std::shared_ptr<std::atomic<bool>> portNoticeGiven_;
    std::mutex controlMutex_;  // Start on the link thread, Stop also from StopLink
    std::shared_ptr<Run> run_;
    std::thread thread_;
};

}  // namespace velto
