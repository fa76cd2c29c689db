#include "cli/cli_session.h"

#include <cstdio>
#include <thread>

#include "cli/exit_codes.h"
#include "link/net_address.h"
#include "link/wifi_reply_parser.h"
#include "sim/sim_transport.h"

namespace velto::cli {
namespace {

constexpr int kReadAllMs = 60000;
constexpr int kPresetNamesMs = 10000;
constexpr auto kPoll = std::chrono::milliseconds(5);
constexpr int kEnglishMessageBoxId = 1033;

std::optional<int> ForcedLinkKind(LinkChoice choice) {
    switch (choice) {
        case LinkChoice::Usb:
        case LinkChoice::Sim:
            return kLinkUsb;
        case LinkChoice::Serial:
            return kLinkSerial;
        case LinkChoice::Network:
            return kLinkNetwork;
        case LinkChoice::Settings:
            break;
    }
    return std::nullopt;
}

}  // namespace

int CliSettings::ReadSettingInt(const std::string& group, const std::string& key) {
    if (linkKind_ && key == "m_COM_MdoeIO") return *linkKind_;
    return files_.ReadSettingInt(group, key);
}

CliSession::CliSession(const CliOptions& options, std::ostream& err)
    : options_(options),
      err_(err),
      events_(err),
      progress_(err),
      settings_(ForcedLinkKind(options.link.choice)) {
    if (options_.link.choice == LinkChoice::Sim) simDevice_ = std::make_unique<sim::Processor>();
    LinkPorts ports;
    ports.transportFor = [this](int kind) { return TransportFor(kind); };
    ports.notifier = &events_;
    ports.progress = &progress_;
    ports.messages = &events_;
    ports.settings = &settings_;
    ports.wifiRequests = &wifiPass_;
    ports.fileRequests = &files_;
    link_ = std::make_unique<LinkEngine>(ports, options_.timeScale);
    HookWifiReplies(link_->Codec(), wifi_);
}

CliSession::~CliSession() {
    link_->StopLink();
}

Transport* CliSession::TransportFor(int linkKind) {
    if (simDevice_) {
        transport_ = std::make_unique<sim::SimTransport>(*simDevice_);
    } else {
        TransportOptions transportOptions = NetworkOptions();
        if (options_.link.choice == LinkChoice::Serial && !options_.link.target.empty())
            transportOptions.serialPorts = {options_.link.target};
        transport_ = MakeTransport(linkKind, transportOptions);
    }
    if (!transport_) noTransport_.store(true);
    return transport_.get();
}

TransportOptions CliSession::NetworkOptions() {
    TransportOptions options;
    if (options_.link.choice == LinkChoice::Network) options.networkAddress = options_.link.target;
    options.wifi = &wifi_;
    options.wifiMessages = [this](const std::string& text, const std::string& caption) {
        events_.Show(text, caption, kButtonsOk, kEnglishMessageBoxId);
    };
    options.net.chooseDevice = [this](const std::vector<uint32_t>& addresses) {
        events_.NoteSeveralDevices(addresses);
        return 0u;  // keep searching; Await ends the run with the list
    };
    options.net.report = [this](const std::string& notice) { Fail(notice); };
    return options;
}

int CliSession::UserTimeoutMs() const {
    // The time-out is the user's, in real seconds, whatever the time scale.
    return static_cast<int>(options_.timeoutSeconds * 1000 / options_.timeScale);
}

std::string SeveralDevicesError(const std::vector<uint32_t>& addresses) {
    std::string list;
    for (const uint32_t address : addresses)
        list += (list.empty() ? "" : ", ") + FormatIpv4(address);
    return "several WiFi modules answered (" + list + "); pick one with --link net:ADDRESS";
}

void CliSession::Fail(const std::string& message) const {
    err_ << "velto-cli: " << message << '\n' << std::flush;
}

int CliSession::Await(const std::function<bool()>& done, int timeoutMs, int timeoutCode,
                      const std::string& failure) {
    const auto deadline = std::chrono::steady_clock::now() + link_->Clock().RealDuration(timeoutMs);
    for (;;) {
        // Checked first: after the choice the link may still connect to whichever module
        // answers next, which the user has not picked.
        if (const auto several = events_.SeveralDevices(); !several.empty()) {
            Fail(SeveralDevicesError(several));
            return kExitSeveralDevices;
        }
        if (done()) return kExitOk;
        if (Shown(LinkText::EquipmentWrong)) {
            Fail("the device is not this processor model");
            return kExitWrongModel;
        }
        if (events_.Lost() || Shown(LinkText::ReadDataFailed)) {
            Fail("the link to the device was lost");
            return kExitLinkLost;
        }
        if (noTransport_.load()) {
            Fail("this build has no transport for the chosen link");
            return kExitFailed;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            Fail(failure);
            return timeoutCode;
        }
        std::this_thread::sleep_for(kPoll);
    }
}

int CliSession::Connect() {
    wifi_.devices.Clear();
    link_->StartLink();
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%g", options_.timeoutSeconds);
    return Await([this] { return events_.Connections() > 0; }, UserTimeoutMs(), kExitNoDevice,
                 std::string("no device answered within ") + seconds + " s");
}

int CliSession::ReadAll() {
    if (const int code = Connect(); code != kExitOk) return code;
    // Ready once the first refresh has ended, after every slot has been announced.
    return Await([this] { return events_.FullReads() > 0 && events_.Refreshes() > 0; }, kReadAllMs,
                 kExitLinkLost, "the device's data could not be read");
}

int CliSession::AwaitPresetNames() {
    return Await(
        [this] {
            for (int n = 1; n <= kPresetCount; ++n)
                if (!link_->Codec().NameReceived(n)) return false;
            return true;
        },
        kPresetNamesMs, kExitFailed, "the preset names did not arrive");
}

}  // namespace velto::cli
