#include "cli/wifi_commands.h"

#include <vector>

#include "app/core/text_triple.h"
#include "app/core/text_vocabulary.h"
#include "cli/exit_codes.h"
#include "link/net_address.h"
#include "link/wifi_request_table.h"

namespace velto::cli {
namespace {

namespace dialog_texts = texts::wifi_settings;

// The readings the WiFi dialog asks for, in the order wifi-get prints them.
struct Reading {
    int entry;
    const char* key;
};
constexpr Reading kReadings[] = {
    {kWifiGetIp, "address"},           {kWifiGetMode, "mode"},
    {kWifiGetRouteSsid, "route-ssid"}, {kWifiGetRoutePassword, "route-pw"},
    {kWifiGetHotSsid, "hot-ssid"},     {kWifiGetHotPassword, "hot-pw"},
};

// The confirmations the link shows once a setting's replies have all arrived.
constexpr const char* kModeConfirmed = "WiFiMode:OK";
constexpr const char* kRouterConfirmed = "Set RouteS:OK";
constexpr const char* kHotSpotConfirmed = "Set Hot:OK";

constexpr size_t kShortestHotSpotPassword = 8;

struct WifiReadings {
    uint32_t address = 0;
    WifiMode mode = WifiMode::HotSpot;
    std::string routeSsid, routePassword, hotSsid, hotPassword;
};

// The text after the entry's prefix: a Get reply replaces the entry's request text.
std::string ReplyValue(const WifiRequestTable& requests, int entry) {
    const std::string text = requests.Text(entry);
    const size_t prefix = WifiReplyPrefix(entry).size();
    return text.size() > prefix ? text.substr(prefix) : std::string();
}

size_t CharacterCount(const std::string& utf8) {
    size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// As the dialog asks: every Get text is set again, since the replies of the name and password
// entries replaced theirs; the port entries get texts but are not sent.
void AskForReadings(WifiRequestTable& requests) {
    for (int entry = kWifiGetIp; entry <= kWifiGetHotPassword; ++entry)
        if (entry != kWifiGetLinkIp) requests.SetRequest(entry, WifiReplyPrefix(entry));
    for (const Reading& reading : kReadings) {
        requests.ClearAnswered(reading.entry);
        requests.MarkPending(reading.entry);
    }
}

int ReadWifi(CliSession& session, WifiReadings& readings) {
    if (const int code = session.ReadAll(); code != kExitOk) return code;
    WifiRequestTable& requests = session.Wifi().requests;
    AskForReadings(requests);
    const int code = session.Await(
        [&] {
            for (const Reading& reading : kReadings)
                if (!requests.Answered(reading.entry)) return false;
            return true;
        },
        session.UserTimeoutMs(), kExitFailed, "the WiFi module did not answer every reading");
    if (code != kExitOk) return code;
    readings.address = static_cast<uint32_t>(requests.Value(kWifiGetIp));
    readings.mode = requests.Value(kWifiGetMode) == 2 ? WifiMode::Router : WifiMode::HotSpot;
    readings.routeSsid = ReplyValue(requests, kWifiGetRouteSsid);
    readings.routePassword = ReplyValue(requests, kWifiGetRoutePassword);
    readings.hotSsid = ReplyValue(requests, kWifiGetHotSsid);
    readings.hotPassword = ReplyValue(requests, kWifiGetHotPassword);
    return kExitOk;
}

bool PairIncomplete(const std::optional<std::string>& name,
                    const std::optional<std::string>& password) {
    return name.has_value() != password.has_value();
}

void CompletePair(std::optional<std::string>& name, std::optional<std::string>& password,
                  const std::string& currentName, const std::string& currentPassword) {
    if (!name && !password) return;
    if (!name) name = currentName;
    if (!password) password = currentPassword;
}

// Connects; a name and its password are always set together, so the one not given is read
// from the module and kept.
int CompleteFromModule(CliSession& session, WifiChanges& changes) {
    if (!PairIncomplete(changes.routeSsid, changes.routePassword) &&
        !PairIncomplete(changes.hotSsid, changes.hotPassword))
        return session.ReadAll();
    WifiReadings current;
    if (const int code = ReadWifi(session, current); code != kExitOk) return code;
    CompletePair(changes.routeSsid, changes.routePassword, current.routeSsid,
                 current.routePassword);
    CompletePair(changes.hotSsid, changes.hotPassword, current.hotSsid, current.hotPassword);
    return kExitOk;
}

std::string TooLong(std::string_view prefix, const std::optional<std::string>& value,
                    const char* key) {
    if (!value || prefix.size() + value->size() <= kWifiTextLimit) return {};
    return std::string(key) + " is too long: the module takes at most " +
           std::to_string(kWifiTextLimit) + " bytes per request";
}

}  // namespace

std::string WifiRefusal(const WifiChanges& changes) {
    if ((changes.routeSsid && changes.routeSsid->empty()) ||
        (changes.hotSsid && changes.hotSsid->empty()))
        return std::string(CurrentText(dialog_texts::kSsidEmpty));
    if (changes.hotPassword && !changes.hotPassword->empty() &&
        CharacterCount(*changes.hotPassword) < kShortestHotSpotPassword)
        return std::string(CurrentText(dialog_texts::kPasswordTooShort));
    for (const std::string& problem :
         {TooLong(WifiReplyPrefix(kWifiSetRouteSsid), changes.routeSsid, "route-ssid"),
          TooLong(WifiReplyPrefix(kWifiSetRoutePassword), changes.routePassword, "route-pw"),
          TooLong(WifiReplyPrefix(kWifiSetHotSsid), changes.hotSsid, "hot-ssid"),
          TooLong(WifiReplyPrefix(kWifiSetHotPassword), changes.hotPassword, "hot-pw")})
        if (!problem.empty()) return problem;
    return {};
}

int WifiGet(CliSession& session, std::ostream& out) {
    WifiReadings readings;
    if (const int code = ReadWifi(session, readings); code != kExitOk) return code;
    out << "address " << FormatIpv4(readings.address) << '\n'
        << "mode " << (readings.mode == WifiMode::Router ? "router" : "hotspot") << '\n'
        << "route-ssid " << readings.routeSsid << '\n'
        << "route-pw " << readings.routePassword << '\n'
        << "hot-ssid " << readings.hotSsid << '\n'
        << "hot-pw " << readings.hotPassword << '\n';
    return kExitOk;
}

int WifiSet(const CliOptions& options, CliSession& session) {
    WifiChanges changes = options.wifi;
    // Refused before anything is sent: the dialog would send a hot-spot name whose password
    // it refuses, leaving the module half changed.
    std::string refusal = WifiRefusal(changes);
    if (refusal.empty()) {
        if (const int code = CompleteFromModule(session, changes); code != kExitOk) return code;
        refusal = WifiRefusal(changes);
    }
    if (!refusal.empty()) {
        session.Fail(refusal);
        return kExitSettingRefused;
    }

    WifiRequestTable& requests = session.Wifi().requests;
    std::vector<std::string> confirmations;
    auto request = [&](int entry, const std::string& value) {
        requests.SetRequest(entry, std::string(WifiReplyPrefix(entry)) + value);
        requests.MarkPending(entry);
    };
    if (changes.mode) {
        request(kWifiSetMode, changes.mode == WifiMode::Router ? "2" : "1");
        confirmations.push_back(kModeConfirmed);
    }
    if (changes.routeSsid) {
        request(kWifiSetRouteSsid, *changes.routeSsid);
        request(kWifiSetRoutePassword, *changes.routePassword);
        confirmations.push_back(kRouterConfirmed);
    }
    if (changes.hotSsid) {
        request(kWifiSetHotSsid, *changes.hotSsid);
        request(kWifiSetHotPassword, *changes.hotPassword);
        confirmations.push_back(kHotSpotConfirmed);
    }
    return session.Await(
        [&] {
            for (const std::string& confirmation : confirmations)
                if (!session.Shown(confirmation)) return false;
            return true;
        },
        session.UserTimeoutMs(), kExitFailed, "the WiFi module did not acknowledge every change");
}

}  // namespace velto::cli
