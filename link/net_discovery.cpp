#include "link/net_discovery.h"

#include <array>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string>
#include <string_view>

#include "link/net_local_address.h"
#include "link/wifi_reply_parser.h"
#include "platform/udp_socket.h"

namespace velto {
namespace {

constexpr std::string_view kGetIp = "Get_IP:";
constexpr std::string_view kGetLinkIp = "Get_LinkIP:";
constexpr size_t kDatagramLimit = 1500;
constexpr int kDatagramsPerReceive = 64;
constexpr int kFirstHost = 2;
constexpr int kLastHost = 254;
constexpr auto kStopWait = std::chrono::milliseconds(2000);

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

// Everything the thread touches besides the process-wide WiFi state, shared with the thread so
// that a thread left running after Stop never reaches into a destroyed transport.
struct NetDiscovery::Run {
    Run(const NetOptions& runOptions, WifiModuleState& state, const WifiMessageSink& sink,
        std::shared_ptr<NetAddresses> shared, std::shared_ptr<std::atomic<bool>> noticeGiven,
        const LinkClock& runClock)
        : options(runOptions),
          wifi(state),
          showMessage(sink),
          addresses(std::move(shared)),
          portNoticeGiven(std::move(noticeGiven)),
          clock(runClock.TimeScale()) {}

    NetOptions options;
    WifiModuleState& wifi;
    WifiMessageSink showMessage;
    std::shared_ptr<NetAddresses> addresses;
    std::shared_ptr<std::atomic<bool>> portNoticeGiven;
    LinkClock clock;  // its own, on the link's time scale, so Stop can cut its sleeps short
    std::atomic<bool> active{true};
    std::mutex doneMutex;
    std::condition_variable doneCv;
    bool done = false;

    UdpSocket socket;
    int requestCursor = 0;

    bool Active() const { return active.load(std::memory_order_acquire); }
    bool Direct() const { return options.directAddress != 0; }

    void Body();
    bool OpenSocket();
    void DiscoveryPass();
    void ServiceStep();
    void SendText(uint32_t address, std::string_view text);
    void SendRequest(uint32_t address, const std::string& text);
    void Receive(int ms);
    void Apply(std::string_view text);
    void Report(const std::string& notice) const;
    void Finish();
};

void NetDiscovery::Run::Body() {
    while (Active() && !OpenSocket())
        clock.SleepMs(500);
    if (Active() && !Direct()) DiscoveryPass();
    while (Active()) {
        if (addresses->device.load(std::memory_order_acquire) == 0) {
            clock.SleepMs(10);
            if (!Direct()) DiscoveryPass();
            continue;
        }
        ServiceStep();
    }
    socket.Close();
    Finish();
}

bool NetDiscovery::Run::OpenSocket() {
    if (!socket.Open()) return false;
    socket.EnableBroadcast();
    // Keeps broadcast and sweep on the named network; without the privilege for it the
    // routing table decides, as for an unnamed one.
    if (!options.sweepInterface.empty()) socket.BindToDevice(options.sweepInterface);
    const int error = socket.Bind(0, options.localUdpPort);
    if (error != 0) {
        if (options.localUdpPort == 0 || socket.Bind(0, 0) != 0) {
            socket.Close();
            return false;
        }
        if (!portNoticeGiven->exchange(true))
            Report("UDP port " + std::to_string(options.localUdpPort) + " unavailable (" +
                   std::strerror(error) + "); using port " + std::to_string(socket.LocalPort()) +
                   ", the module answers there");
    }
    addresses->udpPort.store(socket.LocalPort(), std::memory_order_release);
    return true;
}

void NetDiscovery::Run::DiscoveryPass() {
    const bool named = !options.sweepInterface.empty();
    const uint32_t local = named ? InterfaceAddress(options.sweepInterface) : HostAddress();
    addresses->local.store(local, std::memory_order_release);
    if (named && local == 0) {  // the named network is not there: send nothing anywhere
        clock.SleepMs(500);
        return;
    }
    SendText(options.broadcastAddress, kGetIp);
    Receive(100);
    if (local != 0) {
        for (int host = kFirstHost; host <= kLastHost && Active(); ++host) {
            SendText((local & 0xFFFFFF00u) | static_cast<uint32_t>(host), kGetIp);
            clock.SleepMs(2);
        }
    }
    addresses->link.store(kUnknownLinkAddress, std::memory_order_release);
    Receive(200);
    Receive(200);
}

void NetDiscovery::Run::ServiceStep() {
    const uint32_t device = addresses->device.load(std::memory_order_acquire);
    WifiRequestTable& requests = wifi.requests;
    // The cursor stays on a pending entry until its reply arrives; this channel resends every
    // step and counts no retries.
    if (requestCursor >= kWifiEntryCount) requestCursor = 0;
    while (requestCursor < kWifiEntryCount && !requests.Pending(requestCursor))
        ++requestCursor;
    if (requestCursor < kWifiEntryCount) SendRequest(device, requests.Text(requestCursor));

    const uint32_t link = addresses->link.load(std::memory_order_acquire);
    if (link != addresses->local.load(std::memory_order_acquire) && link != 0) {
        clock.SleepMs(50);
        requests.SetRequest(kWifiGetLinkIp, kGetLinkIp);
        SendRequest(device, std::string(kGetLinkIp));
    }
    Receive(200);
    clock.SleepMs(1);
    ShowWifiConfirmations(requests, showMessage);
}

void NetDiscovery::Run::SendText(uint32_t address, std::string_view text) {
    socket.SendTo(address, options.modulePort, Bytes(text));
}

// Table requests go out with their terminating zero byte.
void NetDiscovery::Run::SendRequest(uint32_t address, const std::string& text) {
    socket.SendTo(address, options.modulePort, Bytes({text.c_str(), text.size() + 1}));
}

void NetDiscovery::Run::Receive(int ms) {
    std::array<uint8_t, kDatagramLimit> buffer;
    auto timeout = std::chrono::duration_cast<std::chrono::milliseconds>(
        clock.RealDuration(ms) + std::chrono::microseconds(999));
    // The first datagram may be waited for; whatever else is already queued is taken too, so
    // a burst of datagrams cannot build a backlog that holds back the replies behind it.
    for (int taken = 0; taken < kDatagramsPerReceive; ++taken) {
        const std::optional<Datagram> datagram = socket.Receive(buffer, timeout);
        if (!datagram) return;
        timeout = std::chrono::milliseconds(0);
        if (datagram->size > 0)
            Apply(std::string_view(reinterpret_cast<const char*>(buffer.data()), datagram->size));
    }
}

void NetDiscovery::Run::Apply(std::string_view text) {
    const int entry = ParseWifiReply(text, wifi);
    // Only the reply just parsed moves an address, so a module picked in the device choice is
    // not replaced by an older Get_IP answer on the next datagram.
    if (entry == kWifiGetIp)
        addresses->device.store(static_cast<uint32_t>(wifi.requests.Value(kWifiGetIp)),
                                std::memory_order_release);
    if (entry == kWifiGetLinkIp)
        addresses->link.store(static_cast<uint32_t>(wifi.requests.Value(kWifiGetLinkIp)),
                              std::memory_order_release);
}

void NetDiscovery::Run::Report(const std::string& notice) const {
    if (options.report) {
        options.report(notice);
    } else {
        std::fprintf(stderr, "velto: %s\n", notice.c_str());
    }
}

void NetDiscovery::Run::Finish() {
    std::lock_guard lock(doneMutex);
    done = true;
    doneCv.notify_all();
}

NetDiscovery::NetDiscovery(NetOptions options, WifiModuleState& wifi, WifiMessageSink showMessage,
                           std::shared_ptr<NetAddresses> addresses)
    : options_(std::move(options)),
      wifi_(wifi),
      showMessage_(std::move(showMessage)),
      addresses_(std::move(addresses)),
      portNoticeGiven_(std::make_shared<std::atomic<bool>>(false)) {}

NetDiscovery::~NetDiscovery() {
    Stop();
}

void NetDiscovery::Start(const LinkClock& clock) {
    std::lock_guard control(controlMutex_);
    StopLocked();
    run_ =
        std::make_shared<Run>(options_, wifi_, showMessage_, addresses_, portNoticeGiven_, clock);
    thread_ = std::thread([run = run_] { run->Body(); });
}

void NetDiscovery::Stop() {
    std::lock_guard control(controlMutex_);
    StopLocked();
}

void NetDiscovery::StopLocked() {
    if (!run_) return;
    run_->active.store(false, std::memory_order_release);
    run_->clock.Interrupt();
    std::unique_lock lock(run_->doneMutex);
    const bool ended = run_->doneCv.wait_for(lock, kStopWait, [this] { return run_->done; });
    lock.unlock();
    if (ended) {
        thread_.join();
    } else {
        thread_.detach();
    }
    run_.reset();
}

}  // namespace velto
