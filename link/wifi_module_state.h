#pragma once
// What both WiFi channels share for the whole run: the request table and the list of modules
// that answered discovery.

#include "link/net_device_list.h"
#include "link/wifi_request_table.h"

namespace velto {

struct WifiModuleState {
    WifiRequestTable requests;
    DiscoveredDevices devices;
};

}  // namespace velto
