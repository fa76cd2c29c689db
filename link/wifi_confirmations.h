#pragma once
// The confirmations of answered WiFi settings, shown by whichever thread serves the module:
// the link thread after a WifiText step, the discovery thread on the network link.

#include <functional>
#include <string>

#include "link/wifi_request_table.h"

namespace velto {

inline constexpr const char* kWifiCaption = "WiFi";

// Shows a message box (text, caption) and returns once it is closed.
using WifiMessageSink = std::function<void(const std::string& text, const std::string& caption)>;

// Shows each confirmation whose replies have all arrived and clears their answered marks; the
// router and hot-spot settings need both of their replies.
void ShowWifiConfirmations(WifiRequestTable& requests, const WifiMessageSink& show);

}  // namespace velto
