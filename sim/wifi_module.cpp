#include "sim/wifi_module.h"

#include <cstdio>

namespace velto::sim {
namespace {

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::string> WifiModule::Reply(std::string_view request) {
    while (!request.empty() && request.back() == '\0')
        request.remove_suffix(1);
    std::lock_guard lock(mutex_);
    WifiSettings& s = settings_;
    if (request == "Get_IP:") return "Get_IP:" + Hex(s.address);
    if (request == "Get_LinkIP:") return "Get_LinkIP:" + Hex(s.linkAddress);
    if (request == "Get_WiFiMode:") return "Get_WiFiMode:" + Hex(static_cast<uint32_t>(s.mode));
    if (request == "Get_TCPPort:") return "Get_TCPPort:" + std::to_string(s.tcpPort);
    if (request == "Get_UDPPort:") return "Get_UDPPort:" + std::to_string(s.udpPort);
    if (request == "Get_RouteSSID:") return "Get_RouteSSID:" + s.routeSsid;
    if (request == "Get_RoutePW:") return "Get_RoutePW:" + s.routePassword;
    if (request == "Get_HotSSID:") return "Get_HotSSID:" + s.hotSsid;
    if (request == "Get_HotPW:") return "Get_HotPW:" + s.hotPassword;

    struct Setter {
        std::string_view prefix;
        std::string* target;
    };
    const Setter setters[] = {{"Set_RouteSSID:", &s.routeSsid},
                              {"Set_RoutePW:", &s.routePassword},
                              {"Set_HotSSID:", &s.hotSsid},
                              {"Set_HotPW:", &s.hotPassword}};
    for (const Setter& setter : setters) {
        if (!StartsWith(request, setter.prefix)) continue;
        *setter.target = std::string(request.substr(setter.prefix.size()));
        return std::string(setter.prefix) + "OK";
    }
    if (StartsWith(request, "Set_WiFiMode:")) {
        s.mode = request.substr(13) == "2" ? 2 : 1;
        return std::string("Set_WiFiMode:OK");
    }
    if (StartsWith(request, "Set_Restore:")) {
        s = WifiSettings{};
        return std::string("Set_Restore:OK");
    }
    if (StartsWith(request, "Set_Restart:")) return std::string("Set_Restart:OK");
    return std::nullopt;
}

WifiSettings WifiModule::Settings() const {
    std::lock_guard lock(mutex_);
    return settings_;
}

void WifiModule::SetLinkAddress(uint32_t address) {
    std::lock_guard lock(mutex_);
    settings_.linkAddress = address;
}

}  // namespace velto::sim
