#include "link/net_transport.h"

#include <cerrno>

namespace velto {
namespace {

// ReadParams for slot 0, the probe the re-probe sends straight onto the socket.
constexpr uint8_t kProbeFrame[] = {0x80, 0x05, 0x06, 0x00, 0x00, 0x13, 0xC5};
constexpr int kReprobeConnects = 3;
constexpr int kReprobeProbes = 5;
constexpr int kReprobeWaitMs = 1000;
constexpr int kConnectProbeWaitMs = 5000;

}  // namespace

NetTransport::NetTransport(NetOptions options, WifiModuleState& wifi, WifiMessageSink showMessage)
    : options_(std::move(options)),
      wifi_(wifi),
      addresses_(std::make_shared<NetAddresses>()),
      discovery_(options_, wifi, std::move(showMessage), addresses_) {}

NetTransport::NetTransport(NetOptions options)
    : NetTransport(std::move(options), std::make_unique<WifiModuleState>()) {}

NetTransport::NetTransport(NetOptions options, std::unique_ptr<WifiModuleState> owned)
    : options_(std::move(options)),
      ownedWifi_(std::move(owned)),
      wifi_(*ownedWifi_),
      addresses_(std::make_shared<NetAddresses>()),
      discovery_(options_, wifi_, {}, addresses_) {}

NetTransport::~NetTransport() {
    Close();
}

bool NetTransport::IsConnected() const {
    const LinkContext* link = link_.load(std::memory_order_acquire);
    return link && link->LinkUp();
}

void NetTransport::Close() {
    tcp_.Close();
    discovery_.Stop();
}

void NetTransport::Send(std::span<const uint8_t> frame) {
    tcp_.Send(frame);
}

void NetTransport::SetChosenDevice(uint32_t address) {
    addresses_->device.store(address, std::memory_order_release);
}

uint32_t NetTransport::DeviceAddress() const {
    return addresses_->device.load(std::memory_order_acquire);
}

uint16_t NetTransport::UdpPort() const {
    return addresses_->udpPort.load(std::memory_order_acquire);
}

int NetTransport::TcpConnect(LinkContext& link) {
    const uint32_t device = addresses_->device.load(std::memory_order_acquire);
    // 0.0.0.0 would reach this computer itself on Linux; no module is known yet.
    if (device == 0) return EDESTADDRREQ;
    return tcp_.Connect(device, options_.modulePort,
                        std::chrono::milliseconds(options_.connectTimeoutMs), link);
}

void NetTransport::ConnectLoop(LinkContext& link) {
    // The running flag is left alone: setting it here could undo a StopLink that has just
    // cleared it.
    link_.store(&link, std::memory_order_release);
    addresses_->device.store(options_.directAddress, std::memory_order_release);
    addresses_->link.store(kUnknownLinkAddress, std::memory_order_release);
    discovery_.Stop();
    tcp_.Close();
    link.clock.SleepMs(50);
    discovery_.Start(link.clock);
    link.clock.SleepMs(50);
    if (options_.directAddress == 0) AwaitFreeModule(link);

    while (link.Running()) {
        link.ReportState(kStateSearching);
        link.clock.SleepMs(50);
        if (wifi_.devices.Count() > 1) AskForChoice(link);
        link.SetLinkUp(false);
        while (!link.LinkUp() && link.Running()) {
            if (TcpConnect(link) != 0) {
                link.clock.SleepMs(100);
                continue;
            }
            if (ConnectAndProbe(link)) return;
            link.ReportState(kStateSearching);
            if (options_.directAddress == 0) addresses_->device.store(0, std::memory_order_release);
            break;
        }
    }
}

// Waits until a module is known that serves nobody, or reports this computer as its client;
// a module serving another computer is not taken over.
void NetTransport::AwaitFreeModule(LinkContext& link) {
    for (;;) {
        const uint32_t linked = addresses_->link.load(std::memory_order_acquire);
        const bool free = linked == 0 && addresses_->device.load(std::memory_order_acquire) != 0;
        if (free || linked == addresses_->local.load(std::memory_order_acquire) || !link.Running())
            return;
        link.clock.SleepMs(20);
    }
}

void NetTransport::AskForChoice(LinkContext& link) {
    const std::vector<uint32_t> addresses = wifi_.devices.Addresses();
    link.notifier.Send(kNoticeSeveralDevices, static_cast<int>(addresses.size()));
    if (options_.chooseDevice) SetChosenDevice(options_.chooseDevice(addresses));
    wifi_.devices.Clear();
    link.clock.SleepMs(100);
}

bool NetTransport::ConnectAndProbe(LinkContext& link) {
    // A new connection starts its own silence clock, and an old received flag of slot 0 must
    // not pass for the module's answer.
    link.state.lastValidFrameMs.store(link.clock.NowMs(), std::memory_order_release);
    link.table.Slots()[kIdentitySlot].received.store(0, std::memory_order_release);
    if (!link.ProbeIdentitySlot(kConnectProbeWaitMs, true)) return false;
    link.ReportState(kStateConnected);
    link.SetLinkUp(true);
    link.clock.SleepMs(100);
    return true;
}

void NetTransport::Reprobe() {
    LinkContext* link = link_.load(std::memory_order_acquire);
    if (!link) return;
    bool connected = false;
    for (int attempt = 0; attempt < kReprobeConnects && !connected; ++attempt)
        connected = TcpConnect(*link) == 0;
    if (!connected) return;
    for (int probe = 0; probe < kReprobeProbes; ++probe) {
        link->codec.SetWaiting(true);
        tcp_.Send(kProbeFrame);
        const bool answered = link->codec.WaitForReply(kReprobeWaitMs, true);
        link->codec.SetWaiting(false);
        if (answered) return;
    }
}

std::unique_ptr<NetTransport> MakeNetTransport(std::string_view linkSpec, NetOptions base) {
    std::optional<NetOptions> options = ParseNetLinkSpec(linkSpec, std::move(base));
    if (!options) return nullptr;
    return std::make_unique<NetTransport>(std::move(*options));
}

}  // namespace velto
