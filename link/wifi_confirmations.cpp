#include "link/wifi_confirmations.h"

#include <initializer_list>

namespace velto {
namespace {

struct Confirmation {
    std::initializer_list<int> entries;
    const char* text;
};

}  // namespace

void ShowWifiConfirmations(WifiRequestTable& requests, const WifiMessageSink& show) {
    const Confirmation confirmations[] = {
        {{kWifiSetRouteSsid, kWifiSetRoutePassword}, "Set RouteS:OK"},
        {{kWifiSetHotSsid, kWifiSetHotPassword}, "Set Hot:OK"},
        {{kWifiSetMode}, "WiFiMode:OK"},
        {{kWifiSetRestore}, "Restore:OK"},
        {{kWifiSetRestart}, "Restart:OK"},
    };
    for (const Confirmation& c : confirmations) {
        bool all = true;
        for (const int entry : c.entries)
            all = all && requests.Answered(entry);
        if (!all) continue;
        for (const int entry : c.entries)
            requests.ClearAnswered(entry);
        if (show) show(c.text, kWifiCaption);
    }
}

}  // namespace velto
