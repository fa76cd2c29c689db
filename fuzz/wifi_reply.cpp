// Any text the WiFi module (or anything else on its port) sends: the reply parser answers at
// most the one entry the text names, and what it stores stays within the module's limits.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/wifi_module_state.h"
#include "link/wifi_reply_parser.h"

namespace {

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velto::WifiModuleState wifi;
    for (int entry = 0; entry < velto::kWifiEntryCount; ++entry)
        wifi.requests.MarkPending(entry);

    const int answered = velto::ParseWifiReply(text, wifi);
    Check(answered >= -1 && answered < velto::kWifiEntryCount && answered != 9);
    for (int entry = 0; entry < velto::kWifiEntryCount; ++entry) {
        // Only the answered entry settles; every other request is still to be sent.
        Check(wifi.requests.Answered(entry) == (entry == answered));
        Check(wifi.requests.Pending(entry) == (entry != answered));
    }
    if (answered >= velto::kWifiGetRouteSsid && answered <= velto::kWifiGetHotPassword) {
        const std::string stored = wifi.requests.Text(answered);
        const std::string_view before = text.substr(0, text.find('\0'));
        Check(stored.size() <= velto::kWifiTextLimit);
        Check(stored.starts_with(velto::WifiReplyPrefix(answered)));
        Check(before.find(stored) != std::string_view::npos);
    }
    if (answered == velto::kWifiGetIp) {
        const auto address = static_cast<uint32_t>(wifi.requests.Value(velto::kWifiGetIp));
        Check(wifi.devices.Count() == (address != 0 ? 1 : 0));
    } else {
        Check(wifi.devices.Count() == 0);
    }
    return 0;
}
