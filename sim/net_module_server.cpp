#include "sim/net_module_server.h"

#include <poll.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace velto::sim {
namespace {

constexpr uint32_t kBroadcast = 0xFFFFFFFF;
constexpr size_t kDatagramBuffer = 2048;
constexpr int kPollMs = 20;

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", value);
    return text;
}

std::span<const uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

NetModuleServer::NetModuleServer(Processor& device, NetModuleOptions options)
    : device_(device), options_(options) {}

NetModuleServer::~NetModuleServer() {
    Stop();
}

bool NetModuleServer::Start() {
    auto fail = [&](const char* what, int error) {
        error_ = std::string(what) + ": " + std::strerror(error);
        listener_.Close();
        udp_.Close();
        broadcastUdp_.Close();
        return false;
    };
    if (const int error = listener_.Listen(options_.address, options_.port); error != 0)
        return fail("TCP listen", error);
    port_ = listener_.LocalPort();
    if (!udp_.Open()) return fail("UDP socket", errno);
    udp_.ReuseAddress();
    if (const int error = udp_.Bind(options_.address, port_); error != 0)
        return fail("UDP bind", error);
    if (options_.hearBroadcasts) {
        if (!broadcastUdp_.Open()) return fail("UDP socket", errno);
        broadcastUdp_.ReuseAddress();
        if (const int error = broadcastUdp_.Bind(kBroadcast, port_); error != 0)
            return fail("UDP broadcast bind", error);
    }
    stop_.store(false);
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void NetModuleServer::Stop() {
    stop_.store(true);
    if (thread_.joinable()) thread_.join();
    CloseClient();
    listener_.Close();
    udp_.Close();
    broadcastUdp_.Close();
}

int NetModuleServer::Requests(std::string_view text) const {
    std::lock_guard lock(requestsMutex_);
    const auto found = requests_.find(text);
    return found == requests_.end() ? 0 : found->second;
}

void NetModuleServer::Serve() {
    while (!stop_.load()) {
        if (dropRequested_.exchange(false)) CloseClient();
        std::vector<pollfd> watched = {{listener_.Fd(), POLLIN, 0},
                                       {udp_.Fd(), POLLIN, 0},
                                       {broadcastUdp_.Fd(), POLLIN, 0},
                                       {client_.Fd(), POLLIN, 0}};  // -1 entries are skipped
        if (::poll(watched.data(), watched.size(), kPollMs) <= 0) continue;
        if (watched[0].revents & POLLIN) AcceptClient();
        if (watched[1].revents & POLLIN) AnswerDatagram(udp_, false);
        if (watched[2].revents & POLLIN) AnswerDatagram(broadcastUdp_, true);
        if (watched[3].revents & (POLLIN | POLLHUP | POLLERR)) ServeClient();
    }
}

// One client at a time: a new connection replaces the one being served.
void NetModuleServer::AcceptClient() {
    std::optional<TcpSocket> client = listener_.Accept(std::chrono::milliseconds(0));
    if (!client) return;
    CloseClient();
    client_ = std::move(*client);
    device_.Wifi().SetLinkAddress(client_.PeerAddress());
    clientConnected_.store(true);
    ++accepted_;
}

void NetModuleServer::ServeClient() {
    std::array<uint8_t, 1500> buffer;
    const ssize_t received = client_.Receive(buffer);
    if (received <= 0) {
        CloseClient();
        return;
    }
    device_.Receive(std::span(buffer.data(), static_cast<size_t>(received)),
                    [this](std::vector<uint8_t> reply) { client_.SendAll(reply); });
}

void NetModuleServer::CloseClient() {
    if (!client_.IsOpen()) return;
    client_.Close();
    clientConnected_.store(false);
    device_.Wifi().SetLinkAddress(0);
}

void NetModuleServer::AnswerDatagram(UdpSocket& from, bool broadcast) {
    std::array<uint8_t, kDatagramBuffer> buffer;
    const std::optional<Datagram> datagram = from.Receive(buffer, std::chrono::milliseconds(0));
    if (!datagram) return;
    std::string_view text(reinterpret_cast<const char*>(buffer.data()), datagram->size);
    while (!text.empty() && text.back() == '\0')
        text.remove_suffix(1);
    const std::optional<std::string> answer = Answer(text);
    if (!answer) return;  // unknown texts go unanswered and uncounted
    {
        std::lock_guard lock(requestsMutex_);
        ++requests_[std::string(text)];
    }
    if (broadcast) ++broadcastRequests_;
    udp_.SendTo(datagram->from, datagram->fromPort, Bytes(*answer));
}

std::optional<std::string> NetModuleServer::Answer(std::string_view request) {
    // The module names its address on the network it is reached through.
    if (request == "Get_IP:") return "Get_IP:" + Hex(options_.address);
    return device_.Wifi().Reply(request);
}

}  // namespace velto::sim
