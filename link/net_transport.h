#pragma once
// The network link: the processor's WiFi module found over UDP and reached over TCP.  The
// connect loop starts the discovery thread, waits for a module that is free (or already
// serving this computer), asks for a choice when several answered, connects and probes slot 0.

#include <atomic>
#include <memory>
#include <string_view>
#include <vector>

#include "link/net_discovery.h"
#include "link/net_options.h"
#include "link/net_tcp_channel.h"
#include "link/transport.h"
#include "link/wifi_confirmations.h"
#include "link/wifi_module_state.h"

namespace velto {

class NetTransport final : public Transport {
  public:
    // wifi and showMessage (the WiFi confirmations of the discovery thread) must live for the
    // whole run.
    NetTransport(NetOptions options, WifiModuleState& wifi, WifiMessageSink showMessage = {});
    // With a WiFi state of its own, for programs without a settings dialog.
    explicit NetTransport(NetOptions options);
    ~NetTransport() override;

    void ConnectLoop(LinkContext& link) override;
    // The network link counts as connected while the link is up.
    bool IsConnected() const override;
    // Closes the TCP connection and ends the discovery thread.
    void Close() override;
    void Send(std::span<const uint8_t> frame) override;
    // Reconnects TCP and probes slot 0 after the module has been silent.
    void Reprobe() override;

    // The device choice made for message 1025 code 10 (while the link thread waits in that
    // notice): the chosen module becomes the device address; 0 keeps searching.
    void SetChosenDevice(uint32_t address);
    // The modules that answered discovery, for the device choice dialog.
    std::vector<uint32_t> DiscoveredAddresses() const { return wifi_.devices.Addresses(); }
    uint32_t DeviceAddress() const;
    // Our UDP socket's port once the discovery thread has bound it, else 0.
    uint16_t UdpPort() const;
    WifiModuleState& Wifi() { return wifi_; }

  private:
    NetTransport(NetOptions options, std::unique_ptr<WifiModuleState> owned);

    int TcpConnect(LinkContext& link);
    void AwaitFreeModule(LinkContext& link);
    void AskForChoice(LinkContext& link);
    bool ConnectAndProbe(LinkContext& link);

    NetOptions options_;
    std::unique_ptr<WifiModuleState> ownedWifi_;
    WifiModuleState& wifi_;
    std::shared_ptr<NetAddresses> addresses_;
    NetDiscovery discovery_;
    NetTcpChannel tcp_;
    std::atomic<LinkContext*> link_{nullptr};
};

// The transport for a --link value "net", "net:ADDRESS" or "net:ADDRESS:PORT" (the address
// connects at once, without discovery), built on base for every other option, with a WiFi
// state of its own (hook its replies with HookWifiReplies(codec, transport->Wifi())); nullptr
// when linkSpec is not a network link.
std::unique_ptr<NetTransport> MakeNetTransport(std::string_view linkSpec, NetOptions base = {});

}  // namespace velto
