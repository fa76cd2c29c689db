#pragma once
// A stand-in for the processor's WiFi module: answers the module's text requests
// ("Get_IP:", "Set_HotSSID:name", ...) the way the application relies on.

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace velto::sim {

struct WifiSettings {
    uint32_t address = 0xC0A80401;  // 192.168.4.1, host order
    uint32_t linkAddress = 0;       // the client being served; 0 = none
    int mode = 1;                   // 1 hot spot, 2 router client
    int tcpPort = 1010;
    int udpPort = 1010;
    std::string routeSsid = "StudioNet";
    std::string routePassword = "studio-2024";
    std::string hotSsid = "Velto-DSP";
    std::string hotPassword = "12345678";
};

class WifiModule {
  public:
    explicit WifiModule(WifiSettings settings = {}) : settings_(std::move(settings)) {}

    // The module's reply text to one request (without the two trailing bytes), or nothing for
    // a text it does not know.  Trailing NUL bytes of the request are ignored.
    std::optional<std::string> Reply(std::string_view request);

    WifiSettings Settings() const;
    void SetLinkAddress(uint32_t address);

  private:
    mutable std::mutex mutex_;
    WifiSettings settings_;
};

}  // namespace velto::sim
